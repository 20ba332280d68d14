#include "GiftletBuilder.h"

#include "GiftletContents.h"
#include "IconFiles.h"
#include "ModFileOps.h"
#include "ZipCardFolder.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

GiftletResult FromZipResult(ZipResult result) {
    switch (result) {
    case ZipResult::Written:
        return GiftletResult::Written;
    case ZipResult::FileNotReadable:
        return GiftletResult::FileOpen;
    default:
        return GiftletResult::ArchiveFailed;
    }
}

GiftletResult FromAssembleResult(AssembleResult result) {
    switch (result) {
    case AssembleResult::Written:
        return GiftletResult::Written;
    case AssembleResult::CustomIconInvalid:
        return GiftletResult::CustomIconInvalid;
    case AssembleResult::ReadWriteFailed:
        return GiftletResult::ExecutableFailed;
    default:
        return GiftletResult::AssemblyFailed;
    }
}

bool WriteGiftletFile(const QString& targetFile, const QByteArray& stub, const QByteArray& icon,
                      const QByteArray& archive) {
    QSaveFile file(targetFile);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const qsizetype afterIcon = kIconImageOffset + kIconImageSize;
    file.write(stub.left(kIconImageOffset));
    file.write(icon);
    file.write(stub.mid(afterIcon));
    file.write(archive);
    return file.commit();
}

} // namespace

GiftletBuilder::GiftletBuilder(const AppState& state, const SettingsStore& store, QByteArray stub)
    : state_(state), store_(store), stub_(std::move(stub)) {}

QString GiftletBuilder::ArchivePath() const {
    return state_.ProjectFolder + "/card.zip";
}

GiftletOutcome GiftletBuilder::BuildGiftlet(const QString& folder, const QString& fileName) const {
    const QString target = folder.endsWith('/') ? folder + fileName : folder + "/" + fileName;
    // A card.zip left by a failed build must not go into the new archive.
    KillFile(ArchivePath());
    GatherGiftletContents(state_);
    const QStringList names = ListFiles(state_.ProjectFolder, "");
    if (names.isEmpty())
        return {GiftletResult::NoFiles};
    const GiftletResult zipped = FromZipResult(ZipCardFolder(state_.ProjectFolder, names));
    if (zipped != GiftletResult::Written)
        return {zipped};
    QCoreApplication::processEvents();
    const AssembleOutcome assembled = AssembleGiftlet(target);
    if (assembled.code != AssembleResult::Written)
        return {FromAssembleResult(assembled.code)};
    KillFile(ArchivePath());
    return {GiftletResult::Written, assembled.size};
}

AssembleOutcome GiftletBuilder::AssembleGiftlet(const QString& targetFile) const {
    if (!FileExists(ArchivePath()))
        return {AssembleResult::NoArchive};
    ClearAttributes(ArchivePath());
    const FileText archive = ReadWholeFile(ArchivePath());
    const std::optional<QByteArray> icon = ChosenIconImage();
    if (!icon)
        return {AssembleResult::CustomIconInvalid};
    if (archive.missing || icon->size() != kIconImageSize || stub_.size() != kStubSize)
        return {AssembleResult::ReadWriteFailed};
    if (!WriteGiftletFile(targetFile, stub_, *icon, archive.text))
        return {AssembleResult::ReadWriteFailed};
    return {AssembleResult::Written, archive.text.size() + kStubSize};
}

std::optional<QByteArray> GiftletBuilder::ChosenIconImage() const {
    if (state_.CurIcon == "Custom")
        return LoadCustomIconImage();
    return BuiltInIconImage(state_.CurIcon);
}

std::optional<QByteArray> GiftletBuilder::LoadCustomIconImage() const {
    const QString name = store_.read(SettingsStore::kSettings, "CustomIcon", "");
    if (name.isEmpty())
        return std::nullopt;
    const QString path = state_.ProgramFolder + "/icons/" + name;
    if (ValidateIconFile(path).code != IconCheck::Usable)
        return std::nullopt;
    ClearAttributes(path);
    const QByteArray image = IconImageOf(ReadWholeFile(path).text);
    return image.isEmpty() ? std::nullopt : std::optional<QByteArray>(image);
}
