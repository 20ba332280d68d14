#pragma once

#include <QObject>
#include <QString>

struct AppState;
class Dialogs;
class FWeb;
class QMenu;
class WBUC;

// The main window's editing commands: its font controls, Edit menu, right-click and paste menus and Work
// Window buttons call the edit surface, and the window follows the surface's events (font boxes at the caret,
// hover label, move buttons, menu items enabled only when they can apply).
class EditingCommands : public QObject {
    Q_OBJECT

public:
    EditingCommands(FWeb& window, WBUC& surface, Dialogs& dialogs, AppState& state);

    // The message for a result of MoveElementOneElement; none for 0.
    void ShowMoveResult(int code);

private:
    void ConnectFontControls();
    void ConnectMenus();
    void ConnectWorkWindow();
    void ConnectSurfaceEvents();
    void ChooseColor(int swatch);
    void Move(int button);
    void AddLink();
    void EnableItems();
    void ShowMenu(QMenu* menu);
    void FollowCaret();

    FWeb& window_;
    WBUC& surface_;
    Dialogs& dialogs_;
    AppState& state_;
};
