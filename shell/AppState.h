#pragma once

#include <QSize>
#include <QString>
#include <array>
#include <optional>

// What the settings ask of the main window; it takes these over when it is made.
struct MainWindowSettings {
    std::optional<int> sizeIndex;    // entry of the font size box
    qint32 textColor = 0;            // the text-colour swatch
    std::optional<int> faceIndex;    // entry of the face boxes (main window and page properties)
    std::optional<QSize> normalSize; // normal window of this size in pixels; none keeps it maximized
};

// What the settings ask of the settings window.
struct IconChoice {
    int option = 0;         // 0 to 9 the built-in icons, 10 the custom icon
    QString customIconFile; // full path of the custom icon, when option is 10
};

// The one process-wide record of the program's state, made at start-up and alive until the end.
struct AppState {
    explicit AppState(const QString& programFolder)
        : ProgramFolder(programFolder), ProjectFolder(programFolder + "/card"), WorkFolder(ProjectFolder),
          CurrentPageFile(WorkFolder + "/wgcard.html") {}

    QString ProgramFolder;
    QString ProjectFolder;
    QString WorkFolder;
    QString DesktopPath;
    QString GiftletFolder;
    QString LinkText;
    QString CurIcon;
    QString ProjectName = "Project1";
    qint16 CurrentPageNumber = 1;
    QString CurrentPageFile;
    bool StartupDone = false;
    bool Compat4Mode = false;
    const QString QuoteChar = "\"";
    const QString NulChar = QString(QChar(0));
    const QString ClearAllBreak = "<BR CLEAR=" + QuoteChar + "all" + QuoteChar + ">";
    bool WorkWindowUp = false;
    std::array<qint32, 16> CustColors{};

    MainWindowSettings MainWindow;
    IconChoice Icon;
};
