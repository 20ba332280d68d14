#include "WBUC.h"

#include "Document.h"
#include "Element.h"
#include "ModFileOps.h"
#include "PageView.h"
#include "Selection.h"
#include "SettingsStore.h"
#include "TextRange.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeout = 15000;

const QByteArray kPage = R"(<HTML><HEAD><TITLE>Card</TITLE></HEAD><BODY style="margin:0">)"
                         R"(<FONT SIZE=7 COLOR="#FF0000">Hello <B>bold</B></FONT><BR>)"
                         R"(<P style="margin:0;font-size:40px">para</P>)"
                         R"(<TABLE BORDER=1 style="font-size:40px"><TR><TD id="plain">cell</TD>)"
                         R"(<TD id="withfont"><FONT>in font</FONT></TD></TR></TABLE>)"
                         R"(<IMG SRC="none.gif" WIDTH=50 HEIGHT=50></BODY></HTML>)";

// The edit surface with the real browser view under the offscreen platform.
class WBUCTest : public testing::Test {
protected:
    WBUCTest() : settings_(dir_.filePath("KVPLS2.ini")), surface_(settings_) {
        surface_.resize(900, 700);
        surface_.show();
    }

    void Load(const QByteArray& page, ApplyDefaults applyDefaults = ApplyDefaults::No) {
        const QString path = dir_.filePath("wgcard.html");
        ASSERT_TRUE(WriteTextFile(path, page));
        QSignalSpy complete(&surface_, &WBUC::DocComplete);
        surface_.Navo(path, applyDefaults);
        ASSERT_TRUE(complete.wait(kTimeout)) << "the document never completed";
    }

    // The centre of the first element that matches the CSS selector, in the view's pixels.
    QPoint CentreOf(const QString& selector) { return PointIn(selector, 0.5); }
    // A point in the element at `across` of its width (0 the left edge, 1 the right), halfway down.
    QPoint PointIn(const QString& selector, double across) {
        QPoint centre(-1, -1);
        surface_.View().page()->runJavaScript(
            "JSON.stringify(document.querySelector('" + selector + "').getBoundingClientRect())",
            QWebEngineScript::ApplicationWorld, [&](const QVariant& json) {
                const QJsonObject r = QJsonDocument::fromJson(json.toString().toUtf8()).object();
                centre = QPoint(int(r["left"].toDouble() + r["width"].toDouble() * across),
                                int(r["top"].toDouble() + r["height"].toDouble() / 2));
            });
        EXPECT_TRUE(QTest::qWaitFor([&] { return centre.x() >= 0; }, kTimeout));
        return centre;
    }
    QWidget* Input() { return surface_.View().focusProxy(); }

    // Asks the view until the script's answer passes the check, or the time is up.
    bool ShowsSoon(const QString& script, const std::function<bool(const QString&)>& check) {
        QString answer;
        const bool shown = QTest::qWaitFor(
            [&] {
                surface_.View().page()->runJavaScript(
                    script, QWebEngineScript::ApplicationWorld,
                    [&](const QVariant& value) { answer = value.toString(); });
                QTest::qWait(50);
                return check(answer);
            },
            kTimeout);
        if (!shown)
            ADD_FAILURE() << "the view shows " << answer.toStdString();
        return shown;
    }

    QList<QVariant> ClickAt(QPoint at) {
        QSignalSpy clicks(&surface_, &WBUC::Click);
        QTest::mouseClick(Input(), Qt::LeftButton, {}, at);
        EXPECT_TRUE(clicks.wait(kTimeout));
        return clicks.isEmpty() ? QList<QVariant>() : clicks.takeFirst();
    }
    QList<QVariant> DoubleClickAt(QPoint at) {
        QSignalSpy doubles(&surface_, &WBUC::DoubleClick);
        QTest::mouseDClick(surface_.window()->windowHandle(), Qt::LeftButton, {},
                           surface_.View().mapTo(surface_.window(), at));
        EXPECT_TRUE(doubles.wait(kTimeout));
        return doubles.isEmpty() ? QList<QVariant>() : doubles.takeFirst();
    }
    QString SelectedText() {
        return QString::fromStdString(surface_.WBDocument()->selection().createRange().text());
    }

    QTemporaryDir dir_;
    SettingsStore settings_;
    WBUC surface_;
};

TEST_F(WBUCTest, ClickInTextBlockSetsRangeAndElement) {
    Load(kPage);
    const QList<QVariant> click = ClickAt(CentreOf("font"));
    ASSERT_EQ(click.size(), 5);
    EXPECT_EQ(click[0].toString(), "FONT");
    EXPECT_GE(click[3].toInt(), 0) << "caret left";
    EXPECT_GE(click[4].toInt(), 0) << "caret top";
    ASSERT_TRUE(surface_.HasCurrentTextRange());
    ASSERT_TRUE(surface_.HasCurrentElement());
    EXPECT_TRUE(surface_.CurrentElement()->hasTag("FONT"));
    EXPECT_EQ(surface_.CurrentElementTag(), "FONT");
}

TEST_F(WBUCTest, ClicksOnOtherElements) {
    Load(kPage);
    struct Case {
        const char* name;
        const char* selector;
        const char* tag;
        bool caret;
        const char* currentElementTag;
        bool hasElement;
        bool hasRange;
    };
    for (const Case& c : {Case{"empty page space", "body", "BODY", true, "BODY", false, true},
                          Case{"cell without FONT", "#plain", "TD", false, "TD", false, false},
                          Case{"cell with FONT", "#withfont", "FONT", true, "FONT", true, true},
                          Case{"paragraph", "p", "", false, "P", false, false},
                          Case{"picture", "img", "IMG", false, "IMG", true, false}}) {
        SCOPED_TRACE(c.name);
        QPoint at = CentreOf(c.selector);
        if (QString(c.selector) == "body")
            at = QPoint(850, 650);
        const QList<QVariant> click = ClickAt(at);
        ASSERT_EQ(click.size(), 5);
        EXPECT_EQ(click[0].toString(), c.tag);
        EXPECT_EQ(click[3].toInt() >= 0, c.caret);
        EXPECT_EQ(surface_.CurrentElementTag(), c.currentElementTag);
        EXPECT_EQ(surface_.HasCurrentElement(), c.hasElement);
        EXPECT_EQ(surface_.HasCurrentTextRange(), c.hasRange);
    }
}

TEST_F(WBUCTest, DoubleClicksSelectWholeElements) {
    Load(kPage);
    EXPECT_EQ(DoubleClickAt(CentreOf("b")).value(0).toString(), "FONT") << "bold text selects its text block";
    ASSERT_NE(surface_.SelectedElement(), nullptr);
    EXPECT_TRUE(surface_.SelectedElement()->hasTag("FONT"));
    EXPECT_EQ(SelectedText(), "Hello bold");
    EXPECT_EQ(surface_.CurrentSelElementTag(), "FONT");

    EXPECT_EQ(DoubleClickAt(CentreOf("#plain")).value(0).toString(), "TABLE") << "a cell selects its table";
    ASSERT_NE(surface_.SelectedElement(), nullptr);
    EXPECT_TRUE(surface_.SelectedElement()->hasTag("TABLE"));
    EXPECT_FALSE(surface_.HasCurrentTextRange());
}

TEST_F(WBUCTest, RightClickIsReportedOnce) {
    surface_.SetCompat4(true);
    Load(kPage);
    ClickAt(CentreOf("font"));
    QSignalSpy rights(&surface_, &WBUC::RightClick);
    QTest::mouseClick(Input(), Qt::RightButton, {}, CentreOf("font"));
    ASSERT_TRUE(rights.wait(kTimeout));
    QTest::qWait(200);
    EXPECT_EQ(rights.size(), 1);
    EXPECT_TRUE(surface_.HasCurrentElement()) << "a right press keeps the selection state";
}

TEST_F(WBUCTest, SelectionAndHoverInTheViewReachTheDocument) {
    Load(kPage);
    QSignalSpy hovers(&surface_, &WBUC::ElementHover);
    QTest::mouseMove(surface_.window()->windowHandle(),
                     surface_.View().mapTo(surface_.window(), CentreOf("img")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hovers.isEmpty(); }, kTimeout));
    EXPECT_EQ(hovers.last().at(0).toString(), "IMG");

    // What the user drags over arrives as the document's selection; the FONT's text node is HTML > BODY >
    // FONT.
    surface_.View().Select({{0, 1, 0, 0}, 0}, {{0, 1, 0, 0}, 5});
    ASSERT_TRUE(QTest::qWaitFor([&] { return SelectedText() == "Hello"; }, kTimeout))
        << SelectedText().toStdString();
    EXPECT_EQ(surface_.WBDocument()->selection().type(), "Text");
}

TEST_F(WBUCTest, TypingGoesWhereTheUserClicked) {
    Load("<HTML><BODY style=\"margin:0\"><FONT SIZE=7>Dear Ann</FONT></BODY></HTML>");
    QSignalSpy keys(&surface_, &WBUC::KeyPress);
    QTest::keyClick(Input(), Qt::Key_A);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() == 1; }, kTimeout));
    EXPECT_EQ(keys.takeFirst(), (QList<QVariant>{"", 0, 0})) << "no click, no typing";

    ClickAt(PointIn("font", 0.99)); // after "Ann"
    QTest::keyClick(Input(), Qt::Key_Comma);
    QTest::keyClick(Input(), Qt::Key_Return);
    // Shift let go a moment before the key, as fast typists do: still a capital.
    QTest::keyPress(Input(), Qt::Key_Shift);
    QTest::keyPress(Input(), Qt::Key_H, Qt::ShiftModifier);
    QTest::keyRelease(Input(), Qt::Key_Shift);
    QTest::keyRelease(Input(), Qt::Key_H);
    QTest::keyClick(Input(), Qt::Key_I);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() == 5; }, kTimeout));
    EXPECT_EQ(keys.at(1).at(0).toString(), "<BR>");
    EXPECT_EQ(keys.at(2).at(0).toString(), "") << "Shift itself types nothing";
    EXPECT_EQ(keys.at(3).at(0).toString(), "H");
    EXPECT_GE(keys.at(4).at(1).toInt(), 0) << "caret left after typing";
    EXPECT_TRUE(surface_.Source().contains("Dear Ann,<BR>Hi&nbsp;</FONT>"))
        << surface_.Source().toStdString();

    EXPECT_TRUE(ShowsSoon("document.querySelector('font').innerText",
                          [](const QString& text) { return text.startsWith("Dear Ann,\nHi"); }));
}

TEST_F(WBUCTest, ElementClipboardAndFormattingThroughTheSurface) {
    Load(kPage);
    DoubleClickAt(CentreOf("img"));
    EXPECT_EQ(surface_.IfSelection(), 2);
    surface_.SetSelColor("#00FF00");
    EXPECT_FALSE(surface_.Source().contains("#00FF00")) << "no formatting while a whole element is selected";
    surface_.Cut();
    EXPECT_TRUE(surface_.HasTagClip());
    EXPECT_FALSE(surface_.Source().contains("<IMG"));

    ClickAt(QPoint(850, 650)); // empty page space: no current element
    surface_.Paste(1);
    EXPECT_TRUE(surface_.Source().contains(R"(<IMG SRC="none.gif" WIDTH="50" HEIGHT="50"></BODY>)"))
        << surface_.Source().toStdString();

    surface_.View().Select({{0, 1, 0, 0}, 0}, {{0, 1, 0, 0}, 5});
    ASSERT_TRUE(QTest::qWaitFor([&] { return surface_.SelText() == "Hello"; }, kTimeout));
    EXPECT_EQ(surface_.IfSelection(), 1);
    surface_.SetSelColor("#00FF00");
    EXPECT_TRUE(surface_.Source().contains("#00FF00")) << surface_.Source().toStdString();
    EXPECT_EQ(surface_.MoveElementOneElement(1), 1) << "nothing selected as a whole";
}

TEST_F(WBUCTest, CaretFollowsTypingAtTheEndOfALine) {
    Load("<HTML><BODY></BODY></HTML>"); // a new, empty page
    const QList<QVariant> click = ClickAt(QPoint(850, 650));
    ASSERT_EQ(click.value(0).toString(), "BODY");
    QSignalSpy keys(&surface_, &WBUC::KeyPress);
    for (Qt::Key key : {Qt::Key_M, Qt::Key_E, Qt::Key_R, Qt::Key_R, Qt::Key_Y})
        QTest::keyClick(Input(), key);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() == 5; }, kTimeout));
    EXPECT_GT(keys.at(4).at(1).toInt(), keys.at(0).at(1).toInt()) << "the caret moves right as letters are typed";
}

TEST_F(WBUCTest, MapFontSize) {
    const std::pair<const char*, const char*> cases[] = {{"1", "xx-small"}, {"3", "small"}, {"6", "x-large"},
                                                         {"x-large", "6"},  {"small", "3"}, {"7", "2"},
                                                         {"", "2"},         {"Small", "2"}, {"3 ", "2"}};
    for (const auto& [in, out] : cases)
        EXPECT_EQ(WBUC::MapFontSize(in), out) << '"' << in << '"';
}

TEST_F(WBUCTest, DefaultsPushedIntoNewPagesAndTakenFromOthers) {
    settings_.write(SettingsStore::kSettings, "BCol", "#112233");
    WBUC fresh(settings_);
    EXPECT_EQ(fresh.BodyFontColor(), "#112233");
    fresh.SetBGColor("#00FF00");
    EXPECT_EQ(fresh.BGColor(), "#FFFFFF") << "BGColor written before a page loaded stays";

    Load(R"(<HTML><BODY TEXT="#000080" LINK="#800000">x</BODY></HTML>)", ApplyDefaults::No);
    EXPECT_EQ(surface_.BodyFontSize(), "2");
    EXPECT_EQ(surface_.BodyFontColor(), "#000080");
    EXPECT_EQ(surface_.LinkColor(), "#800000");
    EXPECT_TRUE(surface_.Source().contains("x-small")) << surface_.Source().toStdString();

    Load("<HTML><BODY>x</BODY></HTML>", ApplyDefaults::Yes);
    const QByteArray source = surface_.Source();
    EXPECT_TRUE(source.contains(R"(TEXT="#000080")")) << source.toStdString();
    EXPECT_TRUE(source.contains(R"(BGCOLOR="#FFFFFF")")) << source.toStdString();
    EXPECT_TRUE(source.contains("x-small")) << source.toStdString();
}

TEST_F(WBUCTest, DocumentChangesShowInTheView) {
    Load(kPage);
    surface_.SetBGColor("#00FF00");
    surface_.SetTitle("Dear Ann");
    EXPECT_TRUE(ShowsSoon("document.body.getAttribute('bgcolor')",
                          [](const QString& colour) { return colour == "#00FF00"; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return surface_.View().title() == "Dear Ann"; }, kTimeout));
}

} // namespace
