#include "PageScheme.h"

#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication, so widget and event-loop tests need no set-up of their own.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    PageScheme::Register();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
