#include "SavedProjects.h"

#include "ModFileOps.h"
#include "NumberedTexts.h"

#include <QFileInfo>

namespace {

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id));
}

const QString kUnusableNameText = QStringLiteral(
    "A project name cannot contain \"/\" or \"\\\" and cannot start with a dot. Please choose another name.");

bool SameFolder(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

SavedProjects::SavedProjects(AppState& state, ProjectWorkspace& workspace, Dialogs& dialogs)
    : state_(state), workspace_(workspace), dialogs_(dialogs) {}

QString SavedProjects::SavedFolder() const {
    return state_.ProgramFolder + "/saved";
}

QString SavedProjects::FolderOf(const QString& name) const {
    return SavedFolder() + '/' + name;
}

bool SavedProjects::IsUsableName(const QString& name) {
    return !name.isEmpty() && !name.startsWith('.') && !name.contains('/') && !name.contains('\\');
}

SaveProjectResult SavedProjects::SaveProject() {
    if (state_.ProjectName != "Project1" && FolderExists(FolderOf(state_.ProjectName))) {
        workspace_.Output().SavePage(state_.CurrentPageNumber, FixReferences::Yes);
        dialogs_.MessageBox(state_.ProjectName +
                                " is already a saved project. The current page has been updated.",
                            MessageButtons::Ok, MessageIcon::None);
        return SaveProjectResult::PageUpdated;
    }
    EnsureFolder(SavedFolder());
    const std::optional<QString> name = AskName();
    if (!name)
        return SaveProjectResult::Cancelled;
    const QString target = FolderOf(*name);
    if (!MakeRoomFor(target))
        return SaveProjectResult::Cancelled;
    if (!CopyProjectTo(target)) {
        dialogs_.MessageBox("The project could not be saved as " + *name +
                                ". Your work stays in the current project.",
                            MessageButtons::Ok, MessageIcon::Warning);
        return SaveProjectResult::CopyFailed;
    }
    SwitchTo(*name, target);
    return SaveProjectResult::Saved;
}

std::optional<QString> SavedProjects::AskName() {
    for (;;) {
        // Blanks around the name would make a folder that opening (which trims the name) cannot find.
        const QString name = dialogs_.InputBox(Text(186), "Save Project", {}).trimmed();
        if (name.isEmpty())
            return std::nullopt;
        if (name.toUpper() == "PROJECT1")
            dialogs_.MessageBox(Text(184), MessageButtons::Ok, MessageIcon::Information);
        else if (!IsUsableName(name))
            dialogs_.MessageBox(kUnusableNameText, MessageButtons::Ok, MessageIcon::Information);
        else
            return name;
    }
}

bool SavedProjects::MakeRoomFor(const QString& target) {
    if (!QFileInfo::exists(target))
        return true;
    if (dialogs_.MessageBox(Text(185), MessageButtons::OkCancel, MessageIcon::Question) != MessageAnswer::Ok)
        return false;
    DeleteTree(target);
    return true;
}

// True only when every file of the project arrived whole; a partial copy is removed again.
bool SavedProjects::CopyProjectTo(const QString& target) {
    bool complete = CopyFolderFiles(state_.ProjectFolder, target) == CopyFolderResult::Copied;
    for (const QString& name : ListFiles(state_.ProjectFolder, {}))
        complete = complete && FileExists(target + '/' + name) &&
                   FileSize(target + '/' + name) == FileSize(state_.ProjectFolder + '/' + name);
    if (!complete)
        DeleteTree(target);
    return complete;
}

void SavedProjects::SwitchTo(const QString& name, const QString& target) {
    state_.ProjectFolder = target;
    state_.ProjectName = name;
    state_.CurrentPageFile = workspace_.PageFile(state_.CurrentPageNumber);
    for (const QString& page : ListFiles(target, "html")) {
        const RepairedPage repaired = FixPictureRefs(target + '/' + page);
        if (!repaired.html.isEmpty())
            WriteTextFile(target + '/' + page, repaired.html);
    }
    // The edits of the current page would otherwise wait for its next save, which quitting never makes.
    workspace_.Output().SavePage(state_.CurrentPageNumber, FixReferences::Yes);
}

QStringList SavedProjects::ProjectsToOpen() {
    const QStringList names = ListSubfolders(SavedFolder());
    if (names.isEmpty())
        dialogs_.MessageBox(Text(137), MessageButtons::Ok, MessageIcon::Information);
    return names;
}

std::optional<QString> SavedProjects::SelectedName(const QString& selected) {
    const QString name = selected.trimmed();
    if (name.isEmpty()) {
        dialogs_.MessageBox(Text(138), MessageButtons::Ok, MessageIcon::Information);
        return std::nullopt;
    }
    return name;
}

// A name that is no folder of "saved" ("..", a path) names no saved project.
bool SavedProjects::IsSavedProject(const QString& name) const {
    return IsUsableName(name) && FolderExists(FolderOf(name));
}

OpenProjectResult SavedProjects::OpenProject(const QString& selected) {
    const std::optional<QString> name = SelectedName(selected);
    if (!name)
        return OpenProjectResult::NotOpened;
    if (!IsSavedProject(*name)) {
        dialogs_.MessageBox(Text(138), MessageButtons::Ok, MessageIcon::Information);
        return OpenProjectResult::NotOpened;
    }
    DeleteTree(state_.WorkFolder);
    EnsureFolder(state_.WorkFolder);
    state_.ProjectFolder = FolderOf(*name);
    state_.CurrentPageNumber = 1;
    state_.CurrentPageFile = workspace_.PageFile(1);
    workspace_.LoadPage(state_.CurrentPageFile);
    state_.ProjectName = *name;
    return OpenProjectResult::Opened;
}

DeleteProjectResult SavedProjects::DeleteProject(const QString& selected) {
    const std::optional<QString> name = SelectedName(selected);
    if (!name || !IsSavedProject(*name))
        return DeleteProjectResult::NotDeleted;
    const QString folder = FolderOf(*name);
    if (SameFolder(folder, state_.ProjectFolder)) {
        dialogs_.MessageBox(*name + " is the project being edited. Open another project or start a new one "
                                    "before deleting it.",
                            MessageButtons::Ok, MessageIcon::Information);
        return DeleteProjectResult::NotDeleted;
    }
    if (dialogs_.MessageBox("Delete " + *name + " project?", MessageButtons::OkCancel,
                            MessageIcon::Question) != MessageAnswer::Ok)
        return DeleteProjectResult::NotDeleted;
    DeleteTree(folder);
    return FolderExists(folder) ? DeleteProjectResult::NotDeleted : DeleteProjectResult::Deleted;
}
