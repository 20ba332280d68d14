#include "MainMenus.h"

#include <QMenu>
#include <QMenuBar>

namespace {

// One row a menu entry: the menu it belongs to, its name and its caption. A caption "-" is a separator; a
// name that later rows name as their menu is a submenu. Rows of a menu follow their menu.
struct Row {
    const char* menu;
    const char* name;
    const char* caption;
};

constexpr Row kBar[] = {
    {"", "mFile", "&File"},
    {"mFile", "mOpenFile", "&Open HTML File"},
    {"mFile", "mLineF2", "-"},
    {"mFile", "mSavePageFil", "&Save Current Page as HTML File"},
    {"mFile", "mline2", "-"},
    {"mFile", "mExit", "E&xit"},
    {"", "mPage", "&Page"},
    {"mPage", "mNewPage", "&New"},
    {"mPage", "mSavePage", "&Save Current"},
    {"mPage", "mDelPage", "&Delete Current"},
    {"", "mProject", "P&roject"},
    {"mProject", "mNewProject", "&New"},
    {"mProject", "mOpenProject", "&Open Saved Project"},
    {"mProject", "mSaveProject", "&Save Current Project"},
    {"", "mEdit", "&Edit"},
    {"mEdit", "mCut", "Cu&t"},
    {"mEdit", "mCopy", "&Copy"},
    {"mEdit", "mPasteMain", "&Paste..."},
    {"mPasteMain", "mPaste_0", "&Cut/Copied Text"},
    {"mPasteMain", "mPaste_1", "Cut/Copied &Element"},
    {"mPasteMain", "mPaste_2", "Text From Clip&Board"},
    {"mEdit", "mline11", "-"},
    {"mEdit", "mSelText", "&With Selected Text..."},
    {"mSelText", "mMakeTBlock", "Make &Text Block"},
    {"mSelText", "mApplyFont", "Apply &Current Size, Face, Color"},
    {"mEdit", "mAlignPic1", "Align &Image"},
    {"mAlignPic1", "mAlign_0", "&Left"},
    {"mAlignPic1", "mAlign_1", "&Right"},
    {"mAlignPic1", "mAlign_2", "&Center"},
    {"mEdit", "mTableProps1", "Ta&ble Properties"},
    {"", "mView", "&View"},
    {"mView", "mViewSource", "Page &Source"},
    {"mView", "mline5", "-"},
    {"mView", "mRefresh", "&Refresh"},
    {"", "mTools", "&Tools"},
    {"mTools", "mPicEditor", "Picture &Editor"},
    {"mTools", "mOpenIcoEd", "&Icon Editor"},
    {"mTools", "mline6", "-"},
    {"mTools", "mMakePack", "&Create Giftlet File"},
    {"mTools", "mEmail", "E-&mail Current Page"},
    {"mTools", "mline1", "-"},
    {"mTools", "mSettings", "&Settings"},
    {"", "mThemesMain", "T&hemes"},
    {"mThemesMain", "mmtheme_0", "Rainbow"},
    {"mThemesMain", "mmtheme_1", "Hearts"},
    {"mThemesMain", "mmtheme_2", "Metallic"},
    {"mThemesMain", "mmtheme_3", "Forest Green"},
    {"mThemesMain", "mmtheme_4", "Ruby"},
    {"mThemesMain", "mmtheme_5", "Deep Blue"},
    {"mThemesMain", "mmtheme_6", "Outer Space"},
    {"mThemesMain", "mTheme2", "Stationery"},
    {"mTheme2", "mmthemeS_0", "Parchment"},
    {"mTheme2", "mmthemeS_1", "White Marble"},
    {"mTheme2", "mmthemeS_2", "Elegant - Linen"},
    {"mTheme2", "mmthemeS_3", "Elegant - Lilac"},
    {"mTheme2", "mmthemeS_4", "Elegant - Peach"},
    {"mTheme2", "mmthemeS_5", "Paper"},
    {"mTheme2", "mmthemeS_6", "Pink Pinstripe"},
    {"", "mQuikTip", "&Quick Tips"},
    {"mQuikTip", "mQuik_0", "What can I do with Pageloft Studio?"},
    {"mQuikTip", "mQuik_1", "What can I do with webpages?"},
    {"mQuikTip", "mQuik_2", "How do I start?"},
    {"mQuikTip", "mQuik_3", "What is the Work Window?"},
    {"mQuikTip", "mQuik_4", "What are Themes?"},
    {"mQuikTip", "mQuik_5", "How do I change the background?"},
    {"mQuikTip", "mQuik_6", "How do I change text?"},
    {"mQuikTip", "mQuik_7", "How do I add or remove pictures?"},
    {"mQuikTip", "mQuik_8", "What is a table?"},
    {"mQuikTip", "mQuik_9", "How do I control the page layout?"},
    {"mQuikTip", "mQuik_10", "How do I email a page?"},
    {"mQuikTip", "mQuik_11", "How do I make a package?"},
    {"", "mHelpGen", "&Help"},
    {"mHelpGen", "mPLSHelp", "&Pageloft Studio Help"},
    {"mHelpGen", "mhline1", "-"},
    {"mHelpGen", "mAboutPLS", "&About Pageloft Studio"},
};

// The right-click menus, never on the menu bar.
constexpr Row kPopups[] = {
    {"mPop", "mCutPop", "Cu&t"},
    {"mPop", "mCopyPop", "&Copy"},
    {"mPop", "mPasteP_0", "&Paste Cut/Copied Text"},
    {"mPop", "mPasteP_1", "Paste Cut/Copied &Element"},
    {"mPop", "mPasteP_2", "Paste Text From Clip&Board"},
    {"mPop", "mLine10", "-"},
    {"mPop", "mSelTextP", "&With Selected Text..."},
    {"mSelTextP", "mMakeTBlockP", "Make &Text Block"},
    {"mSelTextP", "mApplyFontP", "Apply &Current Size, Face, Color"},
    {"mPop", "mline6p", "-"},
    {"mPop", "mAlignPic", "Align &Image"},
    {"mAlignPic", "mAlignP_0", "&Left"},
    {"mAlignPic", "mAlignP_1", "&Right"},
    {"mAlignPic", "mAlignP_2", "&Center"},
    {"mPop", "mTableProps", "Ta&ble Properties"},
    {"mPop2", "mPasteP2_0", "&Paste Cut/Copied Text"},
    {"mPop2", "mPasteP2_1", "Paste Cut/Copied  &Element"},
    {"mPop2", "mPasteP2_2", "Paste Text From Clip&Board"},
};

bool IsMenu(const Row* begin, const Row* end, const char* name) {
    return std::any_of(begin, end, [name](const Row& row) { return QString(row.menu) == name; });
}

} // namespace

MainMenus::MainMenus(QMenuBar* bar, QWidget* owner) {
    for (const char* popup : {"mPop", "mPop2"}) {
        auto* menu = new QMenu(popup, owner);
        menu->setObjectName(popup);
        menus_.insert(popup, menu);
    }
    auto add = [this, bar](const Row* begin, const Row* end) {
        for (const Row* row = begin; row != end; ++row) {
            QMenu* parent = menus_.value(row->menu);
            if (IsMenu(begin, end, row->name)) {
                QMenu* menu = parent ? parent->addMenu(row->caption) : bar->addMenu(row->caption);
                menu->setObjectName(row->name);
                menus_.insert(row->name, menu);
                continue;
            }
            QAction* action =
                QString(row->caption) == "-" ? parent->addSeparator() : parent->addAction(row->caption);
            action->setObjectName(row->name);
            items_.insert(row->name, action);
        }
    };
    add(std::begin(kBar), std::end(kBar));
    add(std::begin(kPopups), std::end(kPopups));
}

void MainMenus::Enable(const QString& name, bool on) const {
    QAction* item = Item(name);
    (item ? item : Menu(name)->menuAction())->setEnabled(on);
}
