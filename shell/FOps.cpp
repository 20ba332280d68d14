#include "FOps.h"

#include "GiftletNames.h"
#include "ModFileOps.h"
#include "NumberedTexts.h"
#include "SavedProjects.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QUrl>

namespace {

constexpr const char* kDefaultGiftletName = "Greeting.exe";

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id).data());
}

} // namespace

FOps::FOps(AppState& state, SettingsStore& store, Dialogs& dialogs, SavedProjects& projects)
    : state_(state), store_(store), dialogs_(dialogs), projects_(projects), builder_(state, store) {
    setObjectName("FOps");
    setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
    BuildGiftletFrame();
    BuildOpenProjectFrame();
}

void FOps::Guarded(void (FOps::*command)()) {
    if (busy_)
        return;
    busy_ = true;
    (this->*command)();
    busy_ = false;
}

void FOps::BuildGiftletFrame() {
    frGiftlet_ = new QGroupBox("  Create Giftlet File  ", this);
    frGiftlet_->setObjectName("FrOps_0");
    tMakePath_ = new QLineEdit(frGiftlet_);
    tMakePath_->setObjectName("tMakePath");
    tMakeFileName_ = new QLineEdit(kDefaultGiftletName, frGiftlet_);
    tMakeFileName_->setObjectName("tMakeFileName");
    auto* grid = new QGridLayout(frGiftlet_);
    grid->addWidget(new QLabel("Create giftlet file", frGiftlet_), 0, 0, 1, 3);
    grid->addWidget(new QLabel("Make giftlet file in:", frGiftlet_), 1, 0, 1, 3);
    grid->addWidget(tMakePath_, 2, 0, 1, 3);
    grid->addWidget(new QLabel("File name:", frGiftlet_), 3, 0, 1, 3);
    grid->addWidget(tMakeFileName_, 4, 0, 1, 3);
    const std::pair<const char*, const char*> buttons[] = {
        {"OK", "Make package file now - in folder and with name as entered here."},
        {"Browse", "Browse to choose location for making package file."},
        {"Close", "Close window."}};
    for (int i = 0; i < 3; ++i) {
        bCreate_[i] = new QPushButton(buttons[i].first, frGiftlet_);
        bCreate_[i]->setObjectName(QString("bCreate_%1").arg(i));
        bCreate_[i]->setToolTip(buttons[i].second);
        grid->addWidget(bCreate_[i], 5, i);
    }
    connect(bCreate_[0], &QPushButton::clicked, this, [this] { Guarded(&FOps::MakeGiftlet); });
    connect(bCreate_[1], &QPushButton::clicked, this, [this] { Guarded(&FOps::BrowseGiftletFolder); });
    connect(bCreate_[2], &QPushButton::clicked, this, [this] {
        if (!busy_)
            hide();
    });
    frGiftlet_->hide();
}

void FOps::BuildOpenProjectFrame() {
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
    connect(bOpenProj_[0], &QPushButton::clicked, this, [this] { Guarded(&FOps::OpenSelected); });
    connect(bOpenProj_[1], &QPushButton::clicked, this, &QWidget::hide);
    connect(bOpenProj_[2], &QPushButton::clicked, this, [this] { Guarded(&FOps::DeleteSelected); });
    connect(boxProj_, &QListWidget::itemDoubleClicked, this, [this] { Guarded(&FOps::OpenSelected); });
}

void FOps::ShowOpsWindow(Mode mode) {
    // Sizes from the designed 6780 x 4140 twips.
    QGroupBox* frame = nullptr;
    switch (mode) {
    case Giftlet:
        setWindowTitle("Make Giftlet File");
        frame = frGiftlet_;
        break;
    case OpenProject:
        setWindowTitle("Open Saved Project");
        frame = frOpenProject_;
        break;
    case Email:
        return;
    }
    resize(452, 276);
    frame->setGeometry(0, 0, 452, 276);
    // The frames share the window's area: only the mode's own shows.
    for (QGroupBox* each : {frGiftlet_, frOpenProject_})
        each->setVisible(each == frame);
    // It first opens in the middle of the screen; later it keeps the place the user gave it.
    if (!placed_) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        placed_ = true;
    }
    show();
    raise();
}

void FOps::ShowGiftletWindow() {
    tMakePath_->setText(state_.GiftletFolder);
    tMakeFileName_->setText(store_.read(SettingsStore::kSettings, "GreetName", kDefaultGiftletName));
    ShowOpsWindow(Giftlet);
}

void FOps::MakeGiftlet() {
    const QString name = GiftletFileName(tMakeFileName_->text());
    const QString folder = GiftletFolderPath(tMakePath_->text());
    if (!FolderExists(folder)) {
        dialogs_.MessageBox("Folder path for giftlet file is not valid.", MessageButtons::Ok,
                            MessageIcon::Information);
        return;
    }
    const QString target = folder + "/" + name;
    // The existing file is only replaced once the new one is complete.
    if (FileExists(target) && dialogs_.MessageBox("File exists. Replace it?", MessageButtons::OkCancel,
                                                  MessageIcon::Question) != MessageAnswer::Ok)
        return;
    const GiftletOutcome built = builder_.BuildGiftlet(folder, name);
    if (built.code != GiftletResult::Written) {
        dialogs_.MessageBox(Text(127 + int(built.code)), MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    if (dialogs_.MessageBox(GiftletCreatedQuestion(target, built.size), MessageButtons::YesNo,
                            MessageIcon::Question) == MessageAnswer::Yes)
        TestGiftlet(folder, name);
    store_.write(SettingsStore::kSettings, "GreetName", name);
}

void FOps::TestGiftlet(const QString& folder, const QString& name) {
    const QString target = folder + "/" + name;
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(target)))
        return;
    if (QProcess::startDetached(target, {}, folder))
        return;
    dialogs_.MessageBox("Test of file failed. Try testing the file by hand.", MessageButtons::Ok,
                        MessageIcon::Information);
}

void FOps::BrowseGiftletFolder() {
    const QString folder = dialogs_.BrowseForFolder(Text(126), this);
    if (!FolderExists(folder)) {
        dialogs_.MessageBox("Error. Folder does not exist.", MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    tMakePath_->setText(folder);
    state_.GiftletFolder = folder;
    store_.write(SettingsStore::kSettings, "CardFol", folder);
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
