#pragma once

#include <QObject>

class QMenuBar;

namespace tw::ui {

// The keyboard on a window's menu bar, its titles without items too: Left
// and Right walk the titles, Return, Space or Down opens the one
// highlighted or runs it when it has no items, and Escape leaves the bar
// with nothing highlighted. While a title is highlighted with no menu open,
// no key reaches the window's widgets. Start() is what F10 does.
class MenuBarKeys final : public QObject {
public:
    explicit MenuBarKeys(QMenuBar* bar);
    void Start();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMenuBar* bar_;
};

} // namespace tw::ui
