#pragma once

#include "AppState.h"
#include "Dialogs.h"
#include "PageFileOutput.h"
#include "PageSurface.h"

#include <QByteArray>
#include <QString>

// The current project's folder and its pages: page 1 in "wgcard.html", page n in "Page<n>.html", numbered
// without gaps, at most kMaxPages. The page commands of the main window work here; the window shows
// `CurrentPageNumber` in its page box after each of them.
class ProjectWorkspace {
public:
    static constexpr int kMaxPages = 30;

    ProjectWorkspace(AppState& state, PageSurface& surface, Dialogs& dialogs);

    // The start-up steps for the working folder: a folder left by an earlier run goes completely, a fresh one
    // is made, and page 1 of the unsaved project is loaded.
    void PrepareWorkFolder();

    // Shows the page file `path`, made from the template when it does not exist.
    void LoadPage(const QString& path);

    struct PageCount {
        qint16 count = 0;
        QString nextName; // file name of the page after the last
    };
    // Counts the pages, closing a one-page gap in the numbering.
    PageCount CountPages();

    QString PageFile(int pageNumber) const;

    // Writes the surface's page into the project folder and exports it.
    PageFileOutput& Output() { return output_; }

    void SwitchPage(int pageNumber);
    void NewPage();
    void DeleteCurrentPage();
    void SaveCurrentPage();
    void Refresh();
    void OpenHtmlFile(QWidget* owner);
    void NewProject();

private:
    QString BlankPagePath() const;
    void ShowPage(int pageNumber);
    bool RefuseAtPageLimit(int newPageNumber);

    AppState& state_;
    PageSurface& surface_;
    Dialogs& dialogs_;
    PageFileOutput output_;
};
