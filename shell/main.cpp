#include "ModMain.h"
#include "PageScheme.h"

#include <QApplication>

#include <unistd.h>

int main(int argc, char** argv) {
    // The browser engine's own sandbox refuses to start for the superuser; the page is offline and its scripts
    // are off, so it runs without it there.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PageScheme::Register();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pageloft Studio");
    return StartProgram();
}
