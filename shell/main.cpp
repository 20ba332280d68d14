#include "ModMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Pageloft Studio");
    return StartProgram();
}
