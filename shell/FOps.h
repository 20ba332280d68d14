#pragma once

#include <QWidget>
#include <array>

class QGroupBox;
class QListWidget;
class QPushButton;
class SavedProjects;

// The operations window. It shows one of its frames at a time: 0 the Giftlet window, 1 the list of saved
// projects, 2 the e-mail window. Its close box only hides it.
class FOps : public QWidget {
    Q_OBJECT

public:
    enum Mode { Giftlet = 0, OpenProject = 1, Email = 2 };

    explicit FOps(SavedProjects& projects);

    // Fills the list of saved projects and shows the window with it; tells the user when there are none.
    void ShowSavedProjects();

    QListWidget* BoxProj() const { return boxProj_; }
    QPushButton* bOpenProj(int index) const { return bOpenProj_[index]; }

signals:
    // A saved project was opened: the main window shows its page 1 and its name.
    void projectOpened();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowOpsWindow(Mode mode);
    void OpenSelected();
    void DeleteSelected();
    QString Selected() const;

    SavedProjects& projects_;
    bool busy_ = false;
    QGroupBox* frOpenProject_;
    QListWidget* boxProj_;
    std::array<QPushButton*, 3> bOpenProj_{};
};
