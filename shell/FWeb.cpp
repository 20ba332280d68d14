#include "FWeb.h"

#include "EditingCommands.h"
#include "FOps.h"
#include "FontControls.h"
#include "ModFileOps.h"
#include "ModSettings.h"
#include "NumberedTexts.h"
#include "ToolStrip.h"
#include "WBUC.h"
#include "WorkWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QMenuBar>
#include <QScreen>

namespace {

// Heights and widths of the window's parts, in pixels.
constexpr int kTopStripHeight = 51;
constexpr int kToolStripTop = 1;

// Menu items whose commands the program does not offer yet stay visible but greyed.
constexpr const char* kNotYetOffered[] = {"mViewSource", "mPicEditor", "mOpenIcoEd", "mEmail",   "mSettings",
                                          "mThemesMain", "mQuikTip",   "mPLSHelp",   "mAboutPLS"};

} // namespace

FWeb::FWeb(AppState& state, Dialogs& dialogs, SettingsStore& store)
    : state_(state), dialogs_(dialogs), store_(store) {
    setObjectName("FWeb");
    menus_ = std::make_unique<MainMenus>(menuBar(), this);
    BuildClientArea();
    workspace_ = std::make_unique<ProjectWorkspace>(state_, *jWB_, dialogs_);
    projects_ = std::make_unique<SavedProjects>(state_, *workspace_, dialogs_);
    fOps_ = std::make_unique<FOps>(state_, store_, dialogs_, *projects_);
    ConnectCommands();
    new EditingCommands(*this, *jWB_, dialogs_, state_);
    frTool_->adjustSize();
    frFont_->adjustSize();
    frWork_->adjustSize();
    setMinimumSize(frTool_->width() + frFont_->width() + 16, kTopStripHeight + frWork_->height() + 120);

    workspace_->PrepareWorkFolder();
    frFont_->BoxFace()->setCurrentIndex(0);
    frFont_->BoxSize()->setCurrentIndex(2);
    frFont_->BoxPage()->setCurrentIndex(0);
    UpdateCaption();
}

FWeb::~FWeb() = default;

void FWeb::BuildClientArea() {
    client_ = new QWidget(this);
    client_->setObjectName("client");
    client_->setMouseTracking(true);
    client_->installEventFilter(this);
    setCentralWidget(client_);

    jWB_ = new WBUC(store_, client_);
    jWB_->SetCompat4(state_.Compat4Mode);

    frTool2_ = new QFrame(client_);
    frTool2_->setObjectName("FrTool2");
    frTool2_->setMouseTracking(true);
    frTool2_->installEventFilter(this);
    auto* lnTool2 = new QFrame(frTool2_);
    lnTool2->setObjectName("LnTool2");
    lnTool2->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    frFont_ = new FontControls(frTool2_);
    frTool_ = new ToolStrip(client_);

    frWork_ = new WorkWindow(client_);
    frCaret_ = new QFrame(client_);
    frCaret_->setObjectName("FrCaret");
    frCaret_->setStyleSheet("background: blue;");
    frCaret_->resize(1, 17);
    frCaret_->hide();
}

void FWeb::ConnectCommands() {
    auto on = [this](const char* item, auto command) {
        connect(menus_->Item(item), &QAction::triggered, this, command);
    };
    on("mOpenFile", [this] { Guarded([this] { workspace_->OpenHtmlFile(this); }); });
    on("mSavePageFil", [this] { Guarded([this] { workspace_->Output().SavePageAsHtmlFile(this); }); });
    on("mExit", [this] { close(); });
    on("mOpenProject", [this] { ToolPicture(2); });
    on("mSaveProject", [this] { Guarded([this] { SaveProject(); }); });
    on("mNewPage", [this] { ToolPicture(0); });
    on("mSavePage", [this] { ToolPicture(3); });
    on("mDelPage", [this] { ToolPicture(4); });
    on("mNewProject", [this] { ToolPicture(1); });
    on("mRefresh", [this] { workspace_->Refresh(); });
    on("mMakePack", [this] { ToolPicture(8); });
    for (const char* name : kNotYetOffered)
        menus_->Enable(name, false);
    connect(frTool_, &ToolStrip::pictureClicked, this, &FWeb::ToolPicture);
    connect(jWB_, &WBUC::Click, this, [this](const QString& tag, int, int, int left, int top) {
        const bool inText = QStringList{"FONT", "A", "B", "BODY", "STRONG"}.contains(tag);
        ShowCaretMark(inText ? std::optional<QPoint>(QPoint(left, top)) : std::nullopt);
    });
    connect(jWB_, &WBUC::KeyPress, this, [this](const QString&, int left, int top) {
        ShowCaretMark(jWB_->HasCurrentTextRange() ? std::optional<QPoint>(QPoint(left, top)) : std::nullopt);
    });
    connect(jWB_, &WBUC::DoubleClick, this, [this] { ShowCaretMark(std::nullopt); });
    connect(jWB_, &WBUC::RightClick, this, [this] { ShowCaretMark(std::nullopt); });
    connect(fOps_.get(), &FOps::projectOpened, this, [this] {
        UpdateCaption();
        ShowCurrentPage();
    });
    connect(frFont_->BoxPage(), &QComboBox::activated, this, [this](int index) {
        Guarded([this, index] { workspace_->SwitchPage(index + 1); });
        ShowCurrentPage();
    });
    connect(frWork_, &WorkWindow::titleClicked, this, [this] {
        if (isMinimized())
            return;
        frWork_->ShowsRaised() ? LowerWorkWindow() : RaiseWorkWindow();
    });
}

void FWeb::ToolPicture(int index) {
    switch (index) {
    case 0:
        Guarded([this] { workspace_->NewPage(); });
        break;
    case 1:
        Guarded([this] {
            workspace_->NewProject();
            UpdateCaption();
        });
        break;
    case 2:
        Guarded([this] { fOps_->ShowSavedProjects(); });
        break;
    case 3:
        workspace_->SaveCurrentPage();
        break;
    case 4:
        Guarded([this] { workspace_->DeleteCurrentPage(); });
        break;
    case 8:
        workspace_->Output().SavePage(state_.CurrentPageNumber, FixReferences::No);
        fOps_->ShowGiftletWindow();
        break;
    default:
        break;
    }
    ShowCurrentPage();
}

void FWeb::ShowCaretMark(std::optional<QPoint> caret) {
    if (!caret || caret->x() < 0 || caret->y() < 0) {
        frCaret_->hide();
        return;
    }
    frCaret_->move(jWB_->pos() + *caret);
    frCaret_->show();
    frCaret_->raise();
    frWork_->raise();
}

void FWeb::Guarded(const std::function<void()>& command) {
    if (commandBusy_)
        return;
    commandBusy_ = true;
    command();
    commandBusy_ = false;
}

void FWeb::ShowCurrentPage() {
    frFont_->BoxPage()->setCurrentIndex(state_.CurrentPageNumber - 1);
}

void FWeb::SaveProject() {
    projects_->SaveProject();
    UpdateCaption();
}

void FWeb::ShowAtStart(const MainWindowSettings& settings) {
    if (settings.sizeIndex)
        FontControls::SelectEntry(frFont_->BoxSize(), *settings.sizeIndex);
    frFont_->SetSwatch(0, settings.textColor);
    if (settings.faceIndex)
        FontControls::SelectEntry(frFont_->BoxFace(), *settings.faceIndex);
    // Centred at a comfortable size, for the times it is not maximized.
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        resize(settings.normalSize.value_or(available.size() * 0.85));
        move(available.center() - rect().center());
    }
    if (settings.normalSize) {
        showNormal();
    } else {
        showMaximized();
    }
}

void FWeb::UpdateCaption() {
    setWindowTitle("Pageloft Studio - " + state_.ProjectName);
}

int FWeb::WorkWindowLeft() const {
    return (client_->width() - frWork_->width()) / 2;
}

void FWeb::LayOut() {
    const QRect s = client_->rect();
    frTool2_->setGeometry(s.left(), s.top(), s.width(), kTopStripHeight);
    frTool2_->findChild<QFrame*>("LnTool2")->setGeometry(0, kTopStripHeight - 2, s.width(), 2);
    frFont_->adjustSize();
    frFont_->move(s.width() - frFont_->width(), 1);
    frTool_->adjustSize();
    frTool_->move(s.left(), s.top() + kToolStripTop + (kTopStripHeight - frTool_->height()) / 2);
    frTool_->raise();
    jWB_->setGeometry(s.left(), s.top() + kTopStripHeight, s.width(), s.height() - kTopStripHeight);
    frWork_->adjustSize();
    RaiseWorkWindow();
}

void FWeb::RaiseWorkWindow() {
    frWork_->move(WorkWindowLeft(), client_->height() - frWork_->height());
    frWork_->raise();
    frWork_->ShowRaised(true);
    state_.WorkWindowUp = true;
}

void FWeb::LowerWorkWindow() {
    frWork_->move(WorkWindowLeft(), client_->height() - WorkWindow::kTitleHeight - 4);
    frWork_->ShowRaised(false);
    state_.WorkWindowUp = false;
}

bool FWeb::eventFilter(QObject* watched, QEvent* event) {
    if (watched == client_ && event->type() == QEvent::Resize)
        LayOut();
    if ((watched == client_ || watched == frTool2_) && event->type() == QEvent::MouseMove)
        frTool_->ClearToolHover();
    return QMainWindow::eventFilter(watched, event);
}

bool FWeb::QuitProgram() {
    if (state_.ProjectName != "Project1") {
        const MessageAnswer answer =
            dialogs_.MessageBox("Save changes to this page?", MessageButtons::YesNoCancel, MessageIcon::None);
        if (answer == MessageAnswer::Cancel)
            return false;
        if (answer == MessageAnswer::Yes)
            workspace_->SaveCurrentPage();
    } else {
        const MessageAnswer answer = dialogs_.MessageBox(QString::fromUtf8(NumberedText(187)),
                                                         MessageButtons::YesNoCancel, MessageIcon::Question);
        if (answer == MessageAnswer::Cancel)
            return false;
        if (answer == MessageAnswer::Yes)
            SaveProject();
    }
    fOps_->hide();
    jWB_->UnHook();
    DeleteTree(state_.WorkFolder);

    SessionSettings session;
    session.bodyColor = jWB_->BodyFontColor();
    session.bodyFace = jWB_->BodyFontName();
    session.bodySize = jWB_->BodyFontSize();
    session.windowState = isMinimized()   ? WindowState::Minimized
                          : isMaximized() ? WindowState::Maximized
                                          : WindowState::Normal;
    session.windowSize = size();
    SaveSettings(store_, session);
    SaveCustColors(store_, state_);

    quitting_ = true;
    emit quitConfirmed();
    return true;
}

void FWeb::closeEvent(QCloseEvent* event) {
    // The window closes only through QuitProgram, which asks first.
    if (quitting_ || QuitProgram())
        event->accept();
    else
        event->ignore();
}
