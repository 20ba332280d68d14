#include "EditingCommands.h"

#include "AppState.h"
#include "ColorText.h"
#include "Dialogs.h"
#include "Element.h"
#include "FWeb.h"
#include "FontControls.h"
#include "NumberedTexts.h"
#include "WBUC.h"
#include "WorkWindow.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {

QString Text(int id) {
    return QString::fromUtf8(NumberedText(id));
}

constexpr const char* kFaces[][2] = {{"Arial", "Arial, Helvetica"}, {"Verdana", "Verdana, Arial, Helvetica"},
                                     {"Times New Roman", nullptr},  {"Comic Sans MS", nullptr},
                                     {"Courier New", nullptr},      {"Tahoma", nullptr}};

// The face box entry for a font name the page reports; -1 for a face the box does not offer.
int FaceEntry(const QString& name) {
    for (int i = 0; i < 6; ++i) {
        if (name == kFaces[i][0] || (kFaces[i][1] && name == kFaces[i][1]))
            return i;
    }
    return -1;
}

// A colour as the page reports it: "#RRGGBB", or a colour number in decimal.
std::optional<qint32> ReportedColor(const QString& value) {
    if (value.isEmpty())
        return std::nullopt;
    if (value.startsWith('#'))
        return HexToColor(value);
    bool ok = false;
    const qint32 color = value.toInt(&ok);
    return ok ? std::optional<qint32>(color) : std::nullopt;
}

QString HoverText(const QString& tag, const WBUC& surface) {
    const QString upper = tag.toUpper();
    if (upper == "FONT" || upper == "B" || upper == "STRONG")
        return "Text Block";
    if (upper == "IMG")
        return "Picture";
    if (upper == "TD" || upper == "TR" || upper == "TABLE")
        return "Table";
    if (upper == "BODY")
        return "Page";
    if (upper == "A" && surface.CurrentElement())
        return QString::fromStdString(surface.CurrentElement()->attributeOrEmpty("href"));
    return {};
}

} // namespace

EditingCommands::EditingCommands(FWeb& window, WBUC& surface, Dialogs& dialogs, AppState& state)
    : QObject(&window), window_(window), surface_(surface), dialogs_(dialogs), state_(state) {
    ConnectFontControls();
    ConnectMenus();
    ConnectWorkWindow();
    ConnectSurfaceEvents();
}

void EditingCommands::ConnectFontControls() {
    FontControls& fonts = window_.Fonts();
    connect(fonts.BoxFace(), &QComboBox::activated, this, [this, &fonts] {
        const QString face = fonts.BoxFace()->currentText().trimmed();
        surface_.SetSelFontFace(face.isEmpty() ? "Arial, Helvetica" : face);
    });
    connect(fonts.BoxSize(), &QComboBox::activated, this,
            [this](int index) { surface_.SetSelFontSize(QString::number(index + 1)); });
    connect(fonts.bBold(), &QPushButton::clicked, this, [this] { surface_.ToggleBold(); });
    for (int swatch : {0, 1})
        connect(fonts.BoxColor(swatch), &QPushButton::clicked, this,
                [this, swatch] { window_.Guarded([this, swatch] { ChooseColor(swatch); }); });
}

void EditingCommands::ChooseColor(int swatch) {
    FontControls& fonts = window_.Fonts();
    const qint32 color = dialogs_.ChooseColorDialog(&window_, fonts.Swatch(swatch), state_.CustColors);
    if (color == -1)
        return;
    fonts.SetSwatch(swatch, color);
    if (swatch == 0)
        surface_.SetSelColor(ColorToHex(color));
    else
        surface_.SetSelBackColor(ColorToHex(color));
}

void EditingCommands::ConnectMenus() {
    const MainMenus& menus = window_.Menus();
    auto on = [this, &menus](const QString& item, auto command) {
        connect(menus.Item(item), &QAction::triggered, this, command);
    };
    for (const char* item : {"mCut", "mCutPop"})
        on(item, [this] { surface_.Cut(); });
    for (const char* item : {"mCopy", "mCopyPop"})
        on(item, [this] { surface_.Copy(); });
    for (int i = 0; i < 3; ++i) {
        for (const char* menu : {"mPaste_%1", "mPasteP_%1", "mPasteP2_%1"})
            on(QString(menu).arg(i), [this, i] { surface_.Paste(i); });
    }
    for (const char* item : {"mMakeTBlock", "mMakeTBlockP"})
        on(item, [this] { surface_.SetSelColor(surface_.BodyFontColor()); });
    for (const char* item : {"mApplyFont", "mApplyFontP"}) {
        on(item, [this] {
            FontControls& fonts = window_.Fonts();
            surface_.SetSelFontFace(fonts.BoxFace()->currentText());
            surface_.SetSelFontSize(QString::number(fonts.BoxSize()->currentIndex() + 1));
            surface_.SetSelColor(ColorToHex(fonts.Swatch(0)));
        });
    }
    const char* alignments[] = {"left", "right", "center"};
    for (int i = 0; i < 3; ++i) {
        for (const char* menu : {"mAlign_%1", "mAlignP_%1"}) {
            on(QString(menu).arg(i), [this, align = alignments[i]] {
                if (surface_.HasCurrentElement() && surface_.CurrentElementTag() == "IMG")
                    surface_.CurrentElement()->setAttribute("align", align);
            });
        }
    }
    connect(menus.Menu("mEdit"), &QMenu::aboutToShow, this, &EditingCommands::EnableItems);
}

void EditingCommands::ConnectWorkWindow() {
    WorkWindow& work = window_.Work();
    auto on = [this, &work](int button, auto command) {
        connect(work.bSel(button), &QPushButton::clicked, this,
                [this, command] { window_.Guarded(command); });
    };
    on(0, [this] { surface_.Cut(); });
    on(1, [this] { surface_.Copy(); });
    connect(work.bSel(2), &QPushButton::clicked, this, [this] { ShowMenu(window_.Menus().Pop2()); });
    on(3, [this] { AddLink(); });
    for (int button : {6, 7, 8, 9, 10, 11})
        on(button, [this, button] { Move(button); });
    // Pictures and tables arrive with their own windows.
    for (int button : {4, 5})
        work.bSel(button)->setEnabled(false);
    work.bProps()->setEnabled(false);
}

void EditingCommands::Move(int button) {
    if (button == 6 || button == 11) {
        ShowMoveResult(surface_.MoveElementOneElement(button == 6 ? 1 : -1));
        return;
    }
    if (!surface_.HasCurrentElement()) {
        dialogs_.MessageBox(Text(108), MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    surface_.MoveElementOneSpace(button - 7);
}

void EditingCommands::ShowMoveResult(int code) {
    const int texts[] = {0, 108, 110, 111};
    if (code >= 1 && code <= 3)
        dialogs_.MessageBox(Text(texts[code]), MessageButtons::Ok, MessageIcon::None);
}

void EditingCommands::AddLink() {
    if (surface_.SelText().isEmpty()) {
        dialogs_.MessageBox(Text(113), MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    const QString url = dialogs_.InputBox("Enter URL for link.", "Create Link", "http://");
    if (!url.isEmpty())
        surface_.CreateLinkSel(url);
}

void EditingCommands::EnableItems() {
    const MainMenus& menus = window_.Menus();
    const int selection = surface_.IfSelection();
    const bool clipboardText = !QGuiApplication::clipboard()->text().isEmpty();
    const bool pastable[] = {surface_.HasCurrentTextRange() && surface_.HasTextClip(), surface_.HasTagClip(),
                             clipboardText};
    const QString tag = surface_.CurrentElementTag();
    auto enable = [&menus](std::initializer_list<const char*> names, bool on) {
        for (const char* name : names)
            menus.Enable(name, on);
    };
    enable({"mCut", "mCopy", "mCutPop", "mCopyPop"}, selection == 1 || selection == 2);
    enable({"mSelText", "mSelTextP"}, selection == 1);
    for (int i = 0; i < 3; ++i) {
        for (const char* menu : {"mPaste_%1", "mPasteP_%1", "mPasteP2_%1"})
            menus.Enable(QString(menu).arg(i), pastable[i]);
    }
    enable({"mAlignPic1", "mAlignPic"}, tag == "IMG");
    // Table properties arrive with the table panel.
    enable({"mTableProps1", "mTableProps"}, false);
}

void EditingCommands::ShowMenu(QMenu* menu) {
    EnableItems();
    const QPoint at = QCursor::pos();
    menu->popup(at - QPoint(menu->sizeHint().width() / 2, 0));
}

void EditingCommands::ConnectSurfaceEvents() {
    connect(&surface_, &WBUC::Click, this, [this](const QString& tag) {
        if (tag != "A")
            window_.Guarded([this] { FollowCaret(); });
    });
    connect(&surface_, &WBUC::DoubleClick, this, [this](const QString& tag) {
        const bool movable = surface_.IfSelection() == 2 && (tag == "FONT" || tag == "IMG");
        window_.Work().findChild<QGroupBox*>("FrSel")->setEnabled(movable);
    });
    connect(&surface_, &WBUC::RightClick, this, [this] { ShowMenu(window_.Menus().Pop()); });
    connect(&surface_, &WBUC::ElementHover, this,
            [this](const QString& tag) { window_.Work().LabHover()->setText(HoverText(tag, surface_)); });
}

void EditingCommands::FollowCaret() {
    const QStringList props = surface_.CurFontProps();
    if (props.value(4) != "*")
        return;
    FontControls& fonts = window_.Fonts();
    if (const auto color = ReportedColor(props[0]))
        fonts.SetSwatch(0, *color);
    if (const int face = FaceEntry(props[1]); face >= 0)
        fonts.BoxFace()->setCurrentIndex(face);
    bool isNumber = false;
    const int size = props[2].toInt(&isNumber);
    if (isNumber)
        FontControls::SelectEntry(fonts.BoxSize(), size - 1);
    if (const auto color = ReportedColor(props[3]))
        fonts.SetSwatch(1, *color);
}
