#include "ModMain.h"

#include "FWeb.h"
#include "ModSettings.h"
#include "QtDialogs.h"
#include "SingleInstance.h"

#include <QApplication>

int StartProgram() {
    AppState state(QApplication::applicationDirPath());
    SingleInstance instance(state.ProgramFolder);
    if (!instance.Acquire())
        return 0;

    SettingsStore store;
    QtDialogs dialogs;
    state.Compat4Mode = LoadCompat4(store);

    FWeb mainWindow(state, dialogs, store);
    QObject::connect(&mainWindow, &FWeb::quitConfirmed, qApp, &QApplication::quit, Qt::QueuedConnection);

    LoadSettings(store, state);
    LoadFolderAndIconSettings(store, state);
    LoadCustColors(store, state);

    mainWindow.ShowAtStart(state.MainWindow);
    state.StartupDone = true;
    return QApplication::exec();
}
