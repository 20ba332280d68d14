#include "GiftletContents.h"

#include "ModFileOps.h"
#include "NumberedTexts.h"
#include "PageFileOutput.h"

#include <QSet>
#include <QStringList>
#include <algorithm>
#include <optional>

namespace {

bool IsPageFile(const QString& name) {
    return name.right(4).compare("html", Qt::CaseInsensitive) == 0;
}

bool IsPictureFile(const QString& name) {
    const QString ending = name.right(4).toUpper();
    return ending == ".GIF" || ending == ".JPG" || ending == ".PNG" || ending == "JPEG";
}

// Page 1 is wgcard.html, page N is PageN.html; other names have no number.
std::optional<int> PageNumberOf(const QString& pageFile) {
    const QString name = FileNameOf(pageFile);
    if (name.endsWith("d.html"))
        return 1;
    if (!name.startsWith("Page") || !name.endsWith(".html"))
        return std::nullopt;
    bool ok = false;
    const QString digits = name.mid(4, name.size() - 9);
    const int number = digits.toInt(&ok);
    const bool allDigits =
        !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); });
    return ok && allDigits ? std::optional<int>(number) : std::nullopt;
}

QByteArray NextPageLink(const AppState& state, int nextPage) {
    return (state.ClearAllBreak + "<BR>" + QString::fromUtf8(NumberedText(135).data()) + "Page" +
            QString::number(nextPage) + ".html" + state.QuoteChar + ">" + state.LinkText +
            "</A></FONT></DIV><BR><BR>")
        .toUtf8();
}

} // namespace

QByteArray AddNextPageLink(const AppState& state, const QString& pageFile, const QByteArray& pageText,
                           int pageCount) {
    const QByteArray upper = pageText.toUpper();
    if (upper.contains((state.LinkText + "</A>").toUtf8().toUpper()))
        return pageText;
    const qsizetype bodyEnd = upper.indexOf("</BODY>");
    if (bodyEnd < 0)
        return pageText;
    const std::optional<int> number = PageNumberOf(pageFile);
    if (!number || *number >= pageCount)
        return pageText;
    QByteArray linked = pageText;
    return linked.insert(bodyEnd, NextPageLink(state, *number + 1));
}

void GatherGiftletContents(const AppState& state) {
    const QStringList names = ListFiles(state.ProjectFolder, "");
    QStringList pages;
    QStringList pictures;
    for (const QString& name : names) {
        if (IsPictureFile(name))
            pictures << name;
        else if (IsPageFile(name))
            pages << name;
    }
    if (pages.isEmpty())
        return;
    // A page on the recipient's Windows finds its pictures whatever their case, so case must not make a
    // picture look unused.
    QSet<QString> used;
    for (const QString& page : pages) {
        const QString pageFile = state.ProjectFolder + "/" + page;
        const RepairedPage repaired = FixPictureRefs(pageFile);
        if (repaired.html.isEmpty())
            continue;
        for (const QString& picture : repaired.pictures)
            used.insert(picture.toCaseFolded());
        WriteTextFile(pageFile, AddNextPageLink(state, pageFile, repaired.html, int(pages.size())));
    }
    for (const QString& picture : pictures) {
        if (!used.contains(picture.toCaseFolded()))
            KillFile(state.ProjectFolder + "/" + picture);
    }
}
