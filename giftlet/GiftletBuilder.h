#pragma once

#include "AppState.h"
#include "GiftletResources.h"
#include "SettingsStore.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Results of a Giftlet build. The window shows the numbered text 127 + code for each failure.
enum class GiftletResult : qint16 {
    Written = 0,
    UnknownError = 1,
    ArchiveFailed = 2,
    ExecutableFailed = 3,
    AssemblyFailed = 4,
    NoFiles = 5,
    CustomIconInvalid = 6,
    FileOpen = 7,
};

enum class AssembleResult { Written = 0, NoArchive = 1, CustomIconInvalid = 2, ReadWriteFailed = 3 };

struct GiftletOutcome {
    GiftletResult code;
    qint64 size = 0; // bytes, when written
};

struct AssembleOutcome {
    AssembleResult code;
    qint64 size = 0;
};

// Makes a Giftlet: the project folder in its packaged form, archived, behind the stub with the chosen icon.
// The Giftlet file goes to a temporary file beside the target that replaces the target only when complete,
// so a failed build leaves an existing target as it was.
class GiftletBuilder {
public:
    // `stub` is the stub's file as built (the editor's own unless a test brings another build of it).
    GiftletBuilder(const AppState& state, const SettingsStore& store, QByteArray stub = BuiltInStub());

    GiftletOutcome BuildGiftlet(const QString& folder, const QString& fileName) const;
    // Writes the stub, the icon image and the project folder's card.zip into `targetFile`.
    AssembleOutcome AssembleGiftlet(const QString& targetFile) const;
    // The image of the custom icon file named by the setting CustomIcon in the program's icons folder; none
    // when that is not a usable icon file.
    std::optional<QByteArray> LoadCustomIconImage() const;

private:
    std::optional<QByteArray> ChosenIconImage() const;
    QString ArchivePath() const;

    const AppState& state_;
    const SettingsStore& store_;
    QByteArray stub_;
};
