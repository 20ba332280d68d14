#include "ModMain.h"
#include "PageScheme.h"

#include <QApplication>

int main(int argc, char** argv) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PageScheme::Register();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pageloft Studio");
    return StartProgram();
}
