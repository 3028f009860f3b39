#pragma once

#include <QStringList>
#include <Qt>

class QWidget;

namespace lume::test {

// Walks the window's accessibility tree as a screen reader sees it and names every control that
// takes the focus but has no name of its own: none at all, or only its value ("4", "to Left").
// A widget that hands its focus on to another (a tab widget, a combo box's line edit) is left out.
[[nodiscard]] QStringList unnamedFocusableControls(QWidget *window);

// The accessible name, value and description of one widget, "name|value|description".
[[nodiscard]] QString accessibleTexts(QWidget *widget);

// The keyboard as a user has it: a key goes to whatever has the focus (the window when nothing has).
[[nodiscard]] QString focusName();
void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Presses Tab (back: Shift+Tab) n times and gives the controls the focus passed through.
[[nodiscard]] QStringList tabThrough(QWidget *window, int n, bool back = false);

} // namespace lume::test
