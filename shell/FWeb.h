#pragma once

#include "AppState.h"
#include "MainMenus.h"
#include "ProjectWorkspace.h"
#include "SavedProjects.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class FOps;
class FontControls;
class WBUC;
class SettingsStore;
class ToolStrip;
class WorkWindow;

// The main window: the page, the toolbar, the font controls at the top right and the floating Work Window.
// Making it prepares the working folder and loads page 1 of the unsaved project.
class FWeb : public QMainWindow {
    Q_OBJECT

public:
    FWeb(AppState& state, Dialogs& dialogs, SettingsStore& store);
    ~FWeb() override;

    // Takes over the settings and shows the window: normal with their size, otherwise maximized.
    void ShowAtStart(const MainWindowSettings& settings);
    void UpdateCaption();

    // Asks whether to save, cleans up and writes the settings; false when the user cancelled.
    bool QuitProgram();
    void RaiseWorkWindow();
    void LowerWorkWindow();

    bool CommandBusy() const { return commandBusy_; }
    // Runs a command unless another guarded command is running.
    void Guarded(const std::function<void()>& command);
    ProjectWorkspace& Workspace() { return *workspace_; }
    const MainMenus& Menus() const { return *menus_; }
    FontControls& Fonts() const { return *frFont_; }
    ToolStrip& Tools() const { return *frTool_; }
    WorkWindow& Work() const { return *frWork_; }
    WBUC& jWB() const { return *jWB_; }
    FOps& Ops() const { return *fOps_; }

signals:
    // The user has quit; the program ends.
    void quitConfirmed();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildClientArea();
    void ConnectCommands();
    void LayOut();
    void ShowCurrentPage();
    // The blue caret mark, at a caret position in the page; none hides it.
    void ShowCaretMark(std::optional<QPoint> caret);
    void SaveProject();
    void ToolPicture(int index);
    int WorkWindowLeft() const;

    AppState& state_;
    Dialogs& dialogs_;
    SettingsStore& store_;
    bool commandBusy_ = false;
    bool quitting_ = false;

    QWidget* client_ = nullptr;
    QWidget* frTool2_ = nullptr;
    ToolStrip* frTool_ = nullptr;
    FontControls* frFont_ = nullptr;
    WorkWindow* frWork_ = nullptr;
    QWidget* frCaret_ = nullptr;
    WBUC* jWB_ = nullptr;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<ProjectWorkspace> workspace_;
    std::unique_ptr<SavedProjects> projects_;
    std::unique_ptr<FOps> fOps_;
};
