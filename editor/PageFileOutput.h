#pragma once

#include "AppState.h"
#include "Dialogs.h"
#include "PageSurface.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QWidget;

// A page's text with its picture references cut back to bare file names, and the pictures it names.
struct RepairedPage {
    QByteArray html;
    QStringList pictures; // in page order, once per reference
};

// The picture reference of every tag starting with "IMG" (its first SRC=) or "BOD" (its first BACKGROUND=) is
// cut to the part after its last "/" and put in double quotes. A reference that names nothing is rewritten
// but not listed.
RepairedPage FixPictureRefs(const QByteArray& html);
// The same for the text of a page file; a missing or unreadable file gives an empty page and no pictures.
RepairedPage FixPictureRefs(const QString& pageFile);

// "wgcard.html" for page 1, "Page<n>.html" for the others.
QString PageFileName(int pageNumber);

enum class FixReferences { No, Yes };
enum class SavePageResult { Written, NothingToWrite, WriteFailed };
enum class ExportResult { Cancelled, Written, WriteFailed };

// Writes the surface's page into the current project folder, and exports it elsewhere as an HTML file.
class PageFileOutput {
public:
    PageFileOutput(const AppState& state, const PageSurface& surface, Dialogs& dialogs);

    // An empty page or a page number below 1 is never written, so a failed load cannot wipe a page file.
    SavePageResult SavePage(int pageNumber, FixReferences fix);

    // Asks for a file and writes the page there. A page with pictures goes with copies of them into a new
    // folder beside the chosen file ("<base> Files<N>"), under the chosen file name. A failed write is
    // reported to the user, and a file that was to be replaced is then kept.
    ExportResult SavePageAsHtmlFile(QWidget* owner);

private:
    ExportResult ExportWithPictures(const QString& chosenPath, const RepairedPage& page);
    ExportResult Reported(ExportResult result, const QString& target);

    const AppState& state_;
    const PageSurface& surface_;
    Dialogs& dialogs_;
};
