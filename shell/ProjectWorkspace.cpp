#include "ProjectWorkspace.h"

#include "ModFileOps.h"
#include "NumberedTexts.h"

#include <QFileInfo>

namespace {

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id));
}

const QString kPageLimitText =
    QStringLiteral("A project can have at most 30 pages. Delete a page before adding another one.");

} // namespace

ProjectWorkspace::ProjectWorkspace(AppState& state, PageSurface& surface, Dialogs& dialogs)
    : state_(state), surface_(surface), dialogs_(dialogs), output_(state, surface, dialogs) {}

void ProjectWorkspace::PrepareWorkFolder() {
    const QString desktop = SpecialFolderPath(0);
    state_.DesktopPath = FolderExists(desktop) ? desktop : QString();
    DeleteTree(state_.WorkFolder);
    EnsureFolder(state_.WorkFolder);
    state_.CurrentPageFile = state_.WorkFolder + "/wgcard.html";
    LoadPage(state_.CurrentPageFile);
    state_.CurrentPageNumber = 1;
    state_.ProjectName = "Project1";
}

QString ProjectWorkspace::BlankPagePath() const {
    return state_.ProgramFolder + "/blank.html";
}

void ProjectWorkspace::LoadPage(const QString& path) {
    if (!FileExists(BlankPagePath()))
        WriteTextFile(BlankPagePath(), QByteArray(NumberedText(107).data(), NumberedText(107).size()));
    EnsureFolder(QFileInfo(path).path());
    ApplyDefaults applyDefaults = ApplyDefaults::No;
    if (!FileExists(path)) {
        applyDefaults = ApplyDefaults::Yes;
        CopyFileOver(BlankPagePath(), path);
    }
    if (!state_.StartupDone)
        applyDefaults = ApplyDefaults::Yes;
    surface_.Navo(path, applyDefaults);
}

ProjectWorkspace::PageCount ProjectWorkspace::CountPages() {
    const auto count = static_cast<qint16>(ListFiles(state_.ProjectFolder, "html").size());
    qint16 last = count;
    if (count > 1) {
        last = 1;
        for (qint16 i = 2; i <= count; ++i) {
            if (!FileExists(PageFile(i))) {
                if (!FileExists(PageFile(i + 1)))
                    break;
                MoveFileOver(PageFile(i + 1), PageFile(i));
            }
            last = i;
        }
    }
    return {last, last == 0 ? PageFileName(1) : PageFileName(last + 1)};
}

QString ProjectWorkspace::PageFile(int pageNumber) const {
    return state_.ProjectFolder + '/' + PageFileName(pageNumber);
}

void ProjectWorkspace::ShowPage(int pageNumber) {
    state_.CurrentPageFile = PageFile(pageNumber);
    LoadPage(state_.CurrentPageFile);
    state_.CurrentPageNumber = static_cast<qint16>(pageNumber);
}

bool ProjectWorkspace::RefuseAtPageLimit(int newPageNumber) {
    if (newPageNumber <= kMaxPages)
        return false;
    dialogs_.MessageBox(kPageLimitText, MessageButtons::Ok, MessageIcon::Information);
    return true;
}

void ProjectWorkspace::SwitchPage(int pageNumber) {
    if (!state_.StartupDone)
        return;
    output_.SavePage(state_.CurrentPageNumber, FixReferences::No);
    const PageCount pages = CountPages();
    // A number past the end makes the next new page.
    const int target = std::min(pageNumber, pages.count + 1);
    if (target > pages.count && RefuseAtPageLimit(target))
        return;
    ShowPage(target);
}

void ProjectWorkspace::NewPage() {
    output_.SavePage(state_.CurrentPageNumber, FixReferences::No);
    const PageCount pages = CountPages();
    if (RefuseAtPageLimit(pages.count + 1))
        return;
    ShowPage(pages.count + 1);
}

void ProjectWorkspace::DeleteCurrentPage() {
    const int deleted = state_.CurrentPageNumber;
    const int pages = CountPages().count;
    if (deleted > pages)
        return;
    KillFile(PageFile(deleted));
    if (deleted == pages) {
        ShowPage(deleted <= 2 ? 1 : deleted - 1);
        return;
    }
    if (!FileExists(PageFile(1)) && FileExists(PageFile(2)))
        MoveFileOver(PageFile(2), PageFile(1));
    for (int i = 3; i <= pages + 1; ++i)
        MoveFileOver(PageFile(i), PageFile(i - 1));
    ShowPage(1);
}

void ProjectWorkspace::SaveCurrentPage() {
    output_.SavePage(state_.CurrentPageNumber, FixReferences::No);
}

void ProjectWorkspace::Refresh() {
    output_.SavePage(state_.CurrentPageNumber, FixReferences::Yes);
    LoadPage(state_.CurrentPageFile);
}

void ProjectWorkspace::OpenHtmlFile(QWidget* owner) {
    const QString chosen = dialogs_.OpenFileDialog(owner, "Select HTML file", "HTML Files(*.html)", "*.html");
    if (chosen.isEmpty())
        return;
    const PageCount pages = CountPages();
    if (RefuseAtPageLimit(pages.count + 1))
        return;
    CopyFileOver(chosen, state_.ProjectFolder + '/' + pages.nextName);
    ShowPage(pages.count + 1);
}

void ProjectWorkspace::NewProject() {
    if (dialogs_.MessageBox(Text(125), MessageButtons::OkCancel, MessageIcon::Question, "Discard?") !=
        MessageAnswer::Ok)
        return;
    DeleteTree(state_.WorkFolder);
    state_.ProjectFolder = state_.WorkFolder;
    EnsureFolder(state_.ProjectFolder);
    ShowPage(1);
    state_.ProjectName = "Project1";
}
