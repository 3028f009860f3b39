#pragma once

#include <functional>

class QTabWidget;
class QWidget;

namespace lume {

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp anywhere in the strip's window turn its
// pages as the strip itself does, and then put the focus on target(page), so that the next keys
// land on the new page. A click on a tab does not move the focus.
void focusPageOnKeys(QTabWidget *strip, std::function<QWidget *(int page)> target);

} // namespace lume
