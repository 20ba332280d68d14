// How long the view takes to follow a change of the page: from a one-character change of the document of a
// 50 KB page until the view shows it and the caret rectangle is known, next to the engine's own editing (a
// contentEditable copy of the page, one character inserted by the engine's own command) in the same run; and
// the whole typing path, from a key released in the view to KeyPress raised with the new caret position.
#include "CharacterData.h"
#include "Document.h"
#include "Element.h"
#include "PageScheme.h"
#include "PageView.h"
#include "SettingsStore.h"
#include "ViewBinding.h"
#include "WBUC.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineScript>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace pls::page;

namespace {

constexpr int kChanges = 500;

QByteArray FiftyKilobytePage(const char* bodyAttributes) {
    QByteArray page = QByteArray("<HTML><HEAD><TITLE>bench</TITLE></HEAD><BODY ") + bodyAttributes + ">";
    for (int i = 0; page.size() < 50'000; ++i)
        page += "<FONT FACE=\"Arial\" SIZE=3>Block " + QByteArray::number(i) +
                ": the quick brown fox jumps over the lazy dog.</FONT><BR>";
    return page + "</BODY></HTML>";
}

void Report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-44s median %6.2f ms   p99 %6.2f ms   (%zu changes)\n", what, ms[ms.size() / 2],
                ms[std::min(ms.size() - 1, ms.size() * 99 / 100)], ms.size());
}

bool WaitReady(PageView& view) {
    QSignalSpy ready(&view.Bridge(), &PageBridge::pageReady);
    return ready.wait(30000);
}

std::vector<double> ModelChanges(const QString& folder) {
    PageView view;
    view.resize(1000, 800);
    view.show();
    ViewBinding binding(view);
    const QByteArray page = FiftyKilobytePage("");
    auto document = Document::parse(std::string_view(page.constData(), std::size_t(page.size())));
    binding.Show(*document, folder + "/wgcard.html");
    if (!WaitReady(view))
        return {};

    Element* font = document->body()->children().at(200);
    CharacterData& text = *font->firstChild()->asCharacterData();
    std::vector<double> times;
    for (int i = 0; i < kChanges; ++i) {
        QElapsedTimer timer;
        timer.start();
        document->replaceText(text, 10, 0, "x");
        QEventLoop loop;
        bool known = false;
        binding.MeasureCaret({&text, 11}, [&](std::optional<QRect> rect) {
            known = rect.has_value();
            loop.quit();
        });
        loop.exec();
        if (known)
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

std::vector<double> EngineEdits(const QString& folder) {
    PageView view;
    view.resize(1000, 800);
    view.show();
    view.ShowPage(folder + "/editable.html", FiftyKilobytePage("contenteditable=\"true\""));
    if (!WaitReady(view))
        return {};
    const QString insert = R"((function () {
        const s = getSelection();
        if (!s.rangeCount || !document.body.contains(s.anchorNode)) {
            const r = document.createRange();
            r.setStart(document.querySelectorAll("font")[200].firstChild, 10);
            s.removeAllRanges();
            s.addRange(r);
        }
        document.execCommand("insertText", false, "x");
        return s.getRangeAt(0).getBoundingClientRect().left;
    })())";
    std::vector<double> times;
    for (int i = 0; i < kChanges; ++i) {
        QElapsedTimer timer;
        timer.start();
        QEventLoop loop;
        view.page()->runJavaScript(insert, QWebEngineScript::ApplicationWorld,
                                   [&](const QVariant&) { loop.quit(); });
        loop.exec();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

std::vector<double> Typing(const QString& folder) {
    SettingsStore settings(folder + "/KVPLS2.ini");
    WBUC surface(settings);
    surface.resize(1000, 800);
    surface.show();
    const QString path = folder + "/typing.html";
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(FiftyKilobytePage("")) < 0)
        return {};
    file.close();
    QSignalSpy complete(&surface, &WBUC::DocComplete);
    surface.Navo(path, ApplyDefaults::No);
    if (!complete.wait(30000))
        return {};
    QWidget* input = surface.View().focusProxy();
    QSignalSpy clicked(&surface, &WBUC::Click);
    QTest::mouseClick(input, Qt::LeftButton, {}, QPoint(60, 10));
    if (!clicked.wait(10000) || !surface.HasCurrentTextRange())
        return {};

    QSignalSpy typed(&surface, &WBUC::KeyPress);
    std::vector<double> times;
    for (int i = 0; i < kChanges; ++i) {
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(input, Qt::Key_A);
        if (!typed.wait(10000))
            return {};
        typed.clear();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PageScheme::Register();
    QApplication app(argc, argv);
    QTemporaryDir folder;

    const std::vector<double> model = ModelChanges(folder.path());
    const std::vector<double> engine = EngineEdits(folder.path());
    const std::vector<double> typing = Typing(folder.path());
    if (model.empty() || engine.empty() || typing.empty()) {
        std::fprintf(stderr, "the view did not come up\n");
        return 1;
    }
    Report("document change to view equal + caret known", model);
    Report("engine's own contentEditable insert + caret", engine);
    Report("key release in the view to KeyPress + caret", typing);
    return 0;
}
