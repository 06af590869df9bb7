#include "ui/menu_bar_keys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace tw::ui {

MenuBarKeys::MenuBarKeys(QMenuBar* bar) : QObject(bar), bar_(bar) { qApp->installEventFilter(this); }

void MenuBarKeys::Start()
{
    const QList<QAction*> titles = bar_->actions();
    if (!titles.isEmpty())
        bar_->setActiveAction(titles.first());
}

bool MenuBarKeys::eventFilter(QObject* watched, QEvent* event)
{
    // Only while a title of this bar is highlighted and no menu is open:
    // then the keys would go to whatever widget has the focus. The event's
    // type first: the filter sees the events sent while the bar itself is
    // being destroyed, and none of them is a key.
    if (event->type() != QEvent::KeyPress)
        return false;
    if (QWidget* popup = QApplication::activePopupWidget()) {
        // Escape in a title's menu leaves the bar altogether. Qt's own Escape
        // keeps the title as the bar's current one without drawing it so,
        // and the next Down would open the menu again out of nowhere.
        const auto* menu = qobject_cast<QMenu*>(popup);
        if (!menu || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape || !bar_->actions().contains(menu->menuAction()))
            return false;
        bar_->setActiveAction(nullptr);
        return true;
    }
    QAction* active = bar_->activeAction();
    if (!active || !watched->isWidgetType() || static_cast<QWidget*>(watched)->window() != bar_->window())
        return false;
    const QList<QAction*> titles = bar_->actions();
    const qsizetype at = titles.indexOf(active);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const qsizetype step = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Left ? -1 : 1;
        bar_->setActiveAction(titles.at((at + step + titles.size()) % titles.size()));
        break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Down:
        if (active->menu()) {
            bar_->setActiveAction(active); // opens it
        } else {
            bar_->setActiveAction(nullptr);
            active->trigger();
        }
        break;
    case Qt::Key_Escape:
    default:
        bar_->setActiveAction(nullptr);
        break;
    }
    return true; // none of the bar's keys is a widget's
}

} // namespace tw::ui
