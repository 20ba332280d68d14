#include "PageView.h"

#include "ModFileOps.h"

#include <QImage>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

constexpr int kTimeout = 15000;

// The real browser view under the offscreen platform, driven by simulated mouse and keys.
class PageViewTest : public testing::Test {
protected:
    void SetUp() override {
        view_.resize(800, 600);
        view_.show();
    }

    void Show(const QByteArray& page) {
        QSignalSpy ready(&view_.Bridge(), &PageBridge::pageReady);
        view_.ShowPage(dir_.filePath("wgcard.html"), page);
        ASSERT_TRUE(ready.wait(kTimeout)) << "the page's script never reported";
    }
    QWidget* Input() { return view_.focusProxy(); }

    // Sent to the window, as a real double-click arrives; the view's own widget would see two single clicks.
    void DoubleClick(QPoint at) {
        QTest::mouseDClick(view_.window()->windowHandle(), Qt::LeftButton, {},
                           view_.mapTo(view_.window(), at));
    }

    QString PageHtml() {
        QString html;
        bool done = false;
        view_.page()->toHtml([&](const QString& text) {
            html = text;
            done = true;
        });
        EXPECT_TRUE(QTest::qWaitFor([&] { return done; }, kTimeout));
        return html;
    }

    template <typename Signal> QList<QVariant> Await(Signal signal) {
        QSignalSpy spy(&view_.Bridge(), signal);
        EXPECT_TRUE(spy.count() > 0 || spy.wait(kTimeout));
        return spy.isEmpty() ? QList<QVariant>() : spy.takeFirst();
    }

    QTemporaryDir dir_;
    PageView view_;
};

const QByteArray kPage = R"(<HTML><HEAD><TITLE>Card</TITLE></HEAD><BODY style="margin:0">)"
                         R"(<FONT SIZE=7 FACE="Arial">Hello<B>bold</B></FONT><BR>)"
                         R"(<A HREF="Page2.html"><FONT SIZE=7>next</FONT></A>)"
                         R"(<SCRIPT>document.title = "changed by the page";</SCRIPT></BODY></HTML>)";

TEST_F(PageViewTest, ClickReportsElementAndCaretAndFollowsNoLink) {
    Show(kPage);
    QSignalSpy clicks(&view_.Bridge(), &PageBridge::clicked);

    QTest::mouseClick(Input(), Qt::LeftButton, {}, QPoint(20, 20));
    ASSERT_TRUE(clicks.wait(kTimeout));
    auto report = clicks.takeFirst().at(0).value<PointerReport>();
    EXPECT_EQ(report.tag, "FONT");
    EXPECT_EQ(report.target, (QList<int>{0, 1, 0})) << "HTML > BODY > FONT";
    EXPECT_EQ(report.caret.path, (QList<int>{0, 1, 0, 0})) << "the text node of the FONT";
    EXPECT_GE(report.caret.offset, 0);
    ASSERT_TRUE(report.caretBox);
    EXPECT_GE(report.caretBox->x(), 0);

    const QUrl before = view_.url();
    QTest::mouseClick(Input(), Qt::LeftButton, {}, QPoint(30, 100));
    ASSERT_TRUE(clicks.wait(kTimeout));
    report = clicks.takeFirst().at(0).value<PointerReport>();
    EXPECT_EQ(report.tag, "FONT") << "the FONT inside the link";
    QTest::qWait(300);
    EXPECT_EQ(view_.url(), before) << "a click on a link never navigates";
}

TEST_F(PageViewTest, PageScriptsDoNotRun) {
    Show(kPage);
    EXPECT_EQ(view_.title(), "Card");
    EXPECT_FALSE(PageHtml().contains("changed by the page</title>"));
}

TEST_F(PageViewTest, KeysAndButtonsAreReported) {
    Show(kPage);
    QSignalSpy keys(&view_.Bridge(), &PageBridge::keyReleased);
    QTest::mouseClick(Input(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(Input(), Qt::Key_A);
    QTest::keyClick(Input(), Qt::Key_1, Qt::ShiftModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.size() >= 2; }, kTimeout));
    EXPECT_EQ(keys.at(0), (QList<QVariant>{65, false}));
    EXPECT_EQ(keys.at(1), (QList<QVariant>{49, true}));

    QSignalSpy releases(&view_.Bridge(), &PageBridge::mouseReleased);
    QTest::mouseClick(Input(), Qt::RightButton, {}, QPoint(20, 20));
    ASSERT_TRUE(releases.wait(kTimeout));
    EXPECT_EQ(releases.takeFirst().at(0).value<PointerReport>().button, 2);

    QSignalSpy doubles(&view_.Bridge(), &PageBridge::doubleClicked);
    DoubleClick(QPoint(20, 20));
    ASSERT_TRUE(doubles.wait(kTimeout));
    EXPECT_EQ(doubles.takeFirst().at(0).value<PointerReport>().tag, "FONT");
}

TEST_F(PageViewTest, ChangesAndSelectionShowInThePage) {
    Show(kPage);
    view_.ApplyChanges(
        R"([{"op":"insert","path":[0,1],"index":0,"nodes":[)"
        R"({"tag":"FONT","attributes":[["COLOR","#FF0000"]],"children":[{"text":"Dear Ann"}]}]},)"
        R"({"op":"text","path":[0,1,1,0],"data":"Hi"},)"
        R"({"op":"attribute","path":[0,1,1],"name":"FACE","value":null},)"
        R"({"op":"remove","path":[0,1],"index":2}])");
    const QString html = PageHtml();
    EXPECT_TRUE(
        html.contains(R"(<font color="#FF0000">Dear Ann</font><font size="7">Hi<b>bold</b></font><a)"))
        << html.toStdString();

    QSignalSpy selections(&view_.Bridge(), &PageBridge::selectionReported);
    view_.Select({{0, 1, 0, 0}, 0}, {{0, 1, 0, 0}, 4});
    ASSERT_TRUE(selections.wait(kTimeout));
    const QList<QVariant> selected = selections.takeLast();
    EXPECT_EQ(selected.at(1).value<ViewPoint>().offset, 4);

    const int id = view_.RequestCaretRect({{0, 1, 0, 0}, 4});
    const QList<QVariant> answer = Await(&PageBridge::caretRectAnswered);
    ASSERT_EQ(answer.size(), 2);
    EXPECT_EQ(answer.at(0).toInt(), id);
    const auto rect = answer.at(1).value<std::optional<QRect>>();
    ASSERT_TRUE(rect);
    EXPECT_GT(rect->x(), 0);
}

TEST_F(PageViewTest, LargePageAndPicturesBesideThePageShow) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(dir_.filePath("pic.png")));
    QByteArray page = "<HTML><HEAD><TITLE>caf\xC3\xA9</TITLE></HEAD><BODY><IMG SRC=\"pic.png\">";
    // Past the 2 MB that the engine takes as inline content.
    const QByteArray words =
        QByteArray("Lorem ipsum dolor sit amet, consectetur adipiscing elit. ").repeated(2000);
    while (page.size() < 2'500'000)
        page += "<P>" + words + "</P>";
    page += "<P>the end</P></BODY></HTML>";
    Show(page);
    EXPECT_EQ(view_.title(), QString::fromUtf8("caf\xC3\xA9")) << "UTF-8 whatever the page says";
    EXPECT_TRUE(PageHtml().endsWith("<p>the end</p></body></html>"));

    bool loaded = false;
    view_.page()->runJavaScript("document.images[0].naturalWidth", QWebEngineScript::ApplicationWorld,
                                [&](const QVariant& width) { loaded = width.toInt() == 40; });
    EXPECT_TRUE(QTest::qWaitFor([&] { return loaded; }, kTimeout)) << "the picture beside the page file";
}

TEST_F(PageViewTest, RemotePicturesLoadNothing) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    Show(QByteArray(R"(<HTML><BODY><IMG SRC="http://127.0.0.1:)") + QByteArray::number(server.serverPort()) +
         R"(/x.gif"><IMG SRC="pic.gif"></BODY></HTML>)");
    QTest::qWait(500);
    EXPECT_FALSE(server.hasPendingConnections());
}

} // namespace

Q_DECLARE_METATYPE(std::optional<QRect>)
