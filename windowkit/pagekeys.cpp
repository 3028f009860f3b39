#include "pagekeys.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTabWidget>

namespace lume {

void focusPageOnKeys(QTabWidget *strip, std::function<QWidget *(int page)> target)
{
    const auto turn = [strip, target](int step) {
        const int count = strip->count();
        if (count == 0)
            return;
        strip->setCurrentIndex((strip->currentIndex() + step + count) % count);
        if (QWidget *focus = target(strip->currentIndex()))
            focus->setFocus(Qt::TabFocusReason);
    };
    const QList<std::pair<QKeySequence, int>> keys {
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
        {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1},
    };
    for (const auto &[key, step] : keys) {
        auto *shortcut = new QShortcut(key, strip->window());
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, strip, [turn, step = step] { turn(step); });
    }
}

} // namespace lume
