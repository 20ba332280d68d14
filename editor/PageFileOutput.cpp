#include "PageFileOutput.h"

#include "ModFileOps.h"

#include <QFileInfo>
#include <optional>

namespace {

QByteArray KeyOf(const QByteArray& tag) {
    const QByteArray head = tag.left(3).toUpper();
    if (head == "IMG")
        return "SRC=";
    if (head == "BOD")
        return "BACKGROUND=";
    return {};
}

// The position of the nearer of the first blank and the first ">" from `from` on; none when neither follows.
std::optional<qsizetype> ValueEnd(const QByteArray& tag, qsizetype from) {
    const qsizetype blank = tag.indexOf(' ', from);
    const qsizetype close = tag.indexOf('>', from);
    if (blank < 0 && close < 0)
        return std::nullopt;
    if (blank < 0 || close < 0)
        return std::max(blank, close);
    return std::min(blank, close);
}

// Rewrites the first picture reference of one tag (the text after a "<") and gives the bare name it now
// holds.
std::optional<QByteArray> RepairTag(QByteArray& tag) {
    if (tag.size() <= 5)
        return std::nullopt;
    const QByteArray key = KeyOf(tag);
    if (key.isEmpty())
        return std::nullopt;
    const qsizetype keyAt = tag.toUpper().indexOf(key);
    if (keyAt < 0)
        return std::nullopt;
    const qsizetype start = keyAt + key.size();
    const std::optional<qsizetype> end = ValueEnd(tag, start);
    if (!end)
        return std::nullopt;
    QByteArray value = tag.mid(start, *end - start).replace("\"", "");
    value = value.mid(value.lastIndexOf('/') + 1);
    tag = tag.left(start) + '"' + value + '"' + tag.mid(*end);
    return value;
}

} // namespace

RepairedPage FixPictureRefs(const QByteArray& html) {
    RepairedPage page;
    QByteArrayList parts = html.split('<');
    for (QByteArray& part : parts) {
        const std::optional<QByteArray> name = RepairTag(part);
        if (name && !name->isEmpty())
            page.pictures << QString::fromUtf8(*name);
    }
    page.html = parts.join('<');
    return page;
}

RepairedPage FixPictureRefs(const QString& pageFile) {
    const FileText file = ReadWholeFile(pageFile);
    if (file.missing)
        return {};
    return FixPictureRefs(file.text);
}

QString PageFileName(int pageNumber) {
    return pageNumber == 1 ? QStringLiteral("wgcard.html") : QStringLiteral("Page%1.html").arg(pageNumber);
}

PageFileOutput::PageFileOutput(const AppState& state, const PageSurface& surface, Dialogs& dialogs)
    : state_(state), surface_(surface), dialogs_(dialogs) {}

SavePageResult PageFileOutput::SavePage(int pageNumber, FixReferences fix) {
    QByteArray html = surface_.Source();
    if (html.isEmpty() || pageNumber < 1)
        return SavePageResult::NothingToWrite;
    if (fix == FixReferences::Yes)
        html = FixPictureRefs(html).html;
    // The writer replaces the file in one step, so the old page stays whole when the write fails.
    return WriteTextFile(state_.ProjectFolder + '/' + PageFileName(pageNumber), html)
               ? SavePageResult::Written
               : SavePageResult::WriteFailed;
}

ExportResult PageFileOutput::SavePageAsHtmlFile(QWidget* owner) {
    const QString chosen =
        dialogs_.SaveFileDialog(owner, "Save Text to File", "HTML Files(*.html)", "*.html", "html");
    if (chosen.isEmpty())
        return ExportResult::Cancelled;
    if (FileExists(chosen) && dialogs_.MessageBox("File exists. Replace it?", MessageButtons::OkCancel,
                                                  MessageIcon::None) != MessageAnswer::Ok)
        return ExportResult::Cancelled;
    const RepairedPage page = FixPictureRefs(surface_.Source());
    if (!page.pictures.isEmpty())
        return ExportWithPictures(chosen, page);
    return Reported(WriteTextFile(chosen, page.html) ? ExportResult::Written : ExportResult::WriteFailed,
                    chosen);
}

ExportResult PageFileOutput::ExportWithPictures(const QString& chosenPath, const RepairedPage& page) {
    const QFileInfo chosen(chosenPath);
    const QString name = chosen.fileName();
    const qsizetype dot = name.lastIndexOf('.');
    const QString stem = chosen.path() + '/' + (dot < 0 ? name : name.left(dot)) + " Files";
    int number = 1;
    // A file of the folder's name would block the folder as well.
    while (QFileInfo::exists(stem + QString::number(number)))
        ++number;
    const QString folder = stem + QString::number(number);
    EnsureFolder(folder);
    if (!WriteTextFile(folder + '/' + name, page.html))
        return Reported(ExportResult::WriteFailed, folder + '/' + name);
    for (const QString& picture : page.pictures)
        if (FileExists(state_.ProjectFolder + '/' + picture))
            CopyFileOver(state_.ProjectFolder + '/' + picture, folder + '/' + picture);
    // The user agreed to replace the chosen file; the page now lives in the folder.
    KillFile(chosenPath);
    return ExportResult::Written;
}

ExportResult PageFileOutput::Reported(ExportResult result, const QString& target) {
    if (result == ExportResult::WriteFailed)
        dialogs_.MessageBox("The page could not be written to " + target + ".", MessageButtons::Ok,
                            MessageIcon::Warning);
    return result;
}
