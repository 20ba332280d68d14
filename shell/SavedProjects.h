#pragma once

#include "AppState.h"
#include "Dialogs.h"
#include "ProjectWorkspace.h"

#include <QString>
#include <QStringList>
#include <optional>

enum class SaveProjectResult { Saved, PageUpdated, Cancelled, CopyFailed };
enum class OpenProjectResult { Opened, NotOpened };
enum class DeleteProjectResult { Deleted, NotDeleted };

// Projects saved under a name, each in its own folder below the program folder's "saved", edited there in
// place. The main window calls SaveProject and sets its caption from `ProjectName` afterwards; the Open Saved
// Project window lists the names, passes the selected one (empty when nothing is selected) and closes itself
// when a project was opened.
class SavedProjects {
public:
    SavedProjects(AppState& state, ProjectWorkspace& workspace, Dialogs& dialogs);

    // Asks for a name, copies the project there and goes on editing it there. A project that is already saved
    // gets only its current page written.
    SaveProjectResult SaveProject();

    // The names to offer for opening, in the platform's order. When there are none the user is told so, and
    // the list is empty.
    QStringList ProjectsToOpen();
    OpenProjectResult OpenProject(const QString& selected);
    // Asks first. The project being edited is not deleted; a name without a folder is ignored.
    DeleteProjectResult DeleteProject(const QString& selected);

    // A name is a folder below "saved": no path separators, no "." at the start (such folders are not
    // listed).
    static bool IsUsableName(const QString& name);

private:
    QString SavedFolder() const;
    QString FolderOf(const QString& name) const;
    std::optional<QString> AskName();
    bool MakeRoomFor(const QString& target);
    bool CopyProjectTo(const QString& target);
    void SwitchTo(const QString& name, const QString& target);
    std::optional<QString> SelectedName(const QString& selected);
    bool IsSavedProject(const QString& name) const;

    AppState& state_;
    ProjectWorkspace& workspace_;
    Dialogs& dialogs_;
};
