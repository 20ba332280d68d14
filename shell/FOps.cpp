#include "FOps.h"

#include "SavedProjects.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

FOps::FOps(SavedProjects& projects) : projects_(projects) {
    setObjectName("FOps");
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);

    frOpenProject_ = new QGroupBox("  Open Existing Project  ", this);
    frOpenProject_->setObjectName("FrOps_1");
    boxProj_ = new QListWidget(frOpenProject_);
    boxProj_->setObjectName("BoxProj");
    const std::pair<const char*, const char*> buttons[] = {{"OK", "Open selected project."},
                                                           {"Cancel", "Cancel and close window."},
                                                           {"Delete Project", "Delete selected project."}};
    auto* grid = new QGridLayout(frOpenProject_);
    grid->addWidget(new QLabel("Select project to open and click OK.", frOpenProject_), 0, 0, 1, 2);
    grid->addWidget(boxProj_, 1, 0, 4, 1);
    for (int i = 0; i < 3; ++i) {
        bOpenProj_[i] = new QPushButton(buttons[i].first, frOpenProject_);
        bOpenProj_[i]->setObjectName(QString("bOpenProj_%1").arg(i));
        bOpenProj_[i]->setToolTip(buttons[i].second);
        grid->addWidget(bOpenProj_[i], 1 + i, 1);
    }
    auto guarded = [this](auto command) {
        return [this, command] {
            if (busy_)
                return;
            busy_ = true;
            (this->*command)();
            busy_ = false;
        };
    };
    connect(bOpenProj_[0], &QPushButton::clicked, this, guarded(&FOps::OpenSelected));
    connect(bOpenProj_[1], &QPushButton::clicked, this, &QWidget::hide);
    connect(bOpenProj_[2], &QPushButton::clicked, this, guarded(&FOps::DeleteSelected));
    connect(boxProj_, &QListWidget::itemDoubleClicked, this, guarded(&FOps::OpenSelected));
}

void FOps::ShowOpsWindow(Mode mode) {
    // Sizes from the designed 6780 x 4140 twips.
    switch (mode) {
    case OpenProject:
        setWindowTitle("Open Saved Project");
        resize(452, 276);
        frOpenProject_->setGeometry(0, 0, 452, 276);
        frOpenProject_->show();
        break;
    case Giftlet:
    case Email:
        break;
    }
    show();
    raise();
}

void FOps::ShowSavedProjects() {
    const QStringList names = projects_.ProjectsToOpen();
    if (names.isEmpty())
        return;
    boxProj_->clear();
    boxProj_->addItems(names);
    ShowOpsWindow(OpenProject);
}

QString FOps::Selected() const {
    const QListWidgetItem* item = boxProj_->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FOps::OpenSelected() {
    if (projects_.OpenProject(Selected()) != OpenProjectResult::Opened)
        return;
    hide();
    emit projectOpened();
}

void FOps::DeleteSelected() {
    if (projects_.DeleteProject(Selected()) == DeleteProjectResult::Deleted)
        delete boxProj_->takeItem(boxProj_->currentRow());
}

void FOps::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}
