#pragma once

#include "AppState.h"
#include "ProjectWorkspace.h"

#include <QMainWindow>

#include <memory>

// The main window. Making it prepares the working folder and loads page 1 of the unsaved project.
class FWeb : public QMainWindow {
    Q_OBJECT

public:
    FWeb(AppState& state, Dialogs& dialogs, std::unique_ptr<PageSurface> surface);
    ~FWeb() override;

    // Shows the window in the state the settings ask for: normal with their size, otherwise maximized.
    void ShowAtStart(const MainWindowSettings& settings);
    void UpdateCaption();

    ProjectWorkspace& Workspace() { return workspace_; }

private:
    AppState& state_;
    std::unique_ptr<PageSurface> surface_;
    ProjectWorkspace workspace_;
};
