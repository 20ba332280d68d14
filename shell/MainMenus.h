#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The main window's menu tree and its two right-click menus. Every item is a QAction whose object name is the
// item's name (indexed items as "mPaste_0"), so a command is found by its name.
class MainMenus {
public:
    MainMenus(QMenuBar* bar, QWidget* owner);

    QAction* Item(const QString& name) const { return items_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    // Enables or greys an item or a whole submenu by its name.
    void Enable(const QString& name, bool on) const;
    QMenu* Pop() const { return Menu("mPop"); }
    QMenu* Pop2() const { return Menu("mPop2"); }

private:
    QHash<QString, QAction*> items_;
    QHash<QString, QMenu*> menus_;
};
