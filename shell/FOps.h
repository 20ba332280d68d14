#pragma once

#include "AppState.h"
#include "Dialogs.h"
#include "GiftletBuilder.h"
#include "SettingsStore.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class SavedProjects;

// The operations window. It shows one of its frames at a time: 0 the Giftlet window, 1 the list of saved
// projects, 2 the e-mail window. Its close box only hides it.
class FOps : public QWidget {
    Q_OBJECT

public:
    enum Mode { Giftlet = 0, OpenProject = 1, Email = 2 };

    FOps(AppState& state, SettingsStore& store, Dialogs& dialogs, SavedProjects& projects);

    // Shows the Giftlet window with the Giftlet folder and the last Giftlet file name. The caller saves the
    // page first.
    void ShowGiftletWindow();

    // Fills the list of saved projects and shows the window with it; tells the user when there are none.
    void ShowSavedProjects();

    QListWidget* BoxProj() const { return boxProj_; }
    QPushButton* bOpenProj(int index) const { return bOpenProj_[index]; }
    QLineEdit* tMakePath() const { return tMakePath_; }
    QLineEdit* tMakeFileName() const { return tMakeFileName_; }
    QPushButton* bCreate(int index) const { return bCreate_[index]; }

signals:
    // A saved project was opened: the main window shows its page 1 and its name.
    void projectOpened();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildOpenProjectFrame();
    void BuildGiftletFrame();
    // Runs a command of the window unless another one is still running.
    void Guarded(void (FOps::*command)());
    void ShowOpsWindow(Mode mode);
    void MakeGiftlet();
    void BrowseGiftletFolder();
    void TestGiftlet(const QString& folder, const QString& name);
    void OpenSelected();
    void DeleteSelected();
    QString Selected() const;

    AppState& state_;
    SettingsStore& store_;
    Dialogs& dialogs_;
    SavedProjects& projects_;
    GiftletBuilder builder_;
    bool busy_ = false;
    bool placed_ = false;
    QGroupBox* frGiftlet_;
    QLineEdit* tMakePath_;
    QLineEdit* tMakeFileName_;
    std::array<QPushButton*, 3> bCreate_{};
    QGroupBox* frOpenProject_;
    QListWidget* boxProj_;
    std::array<QPushButton*, 3> bOpenProj_{};
};
