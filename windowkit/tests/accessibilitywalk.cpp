#include "accessibilitywalk.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QWidget>

namespace lume::test {

namespace {

void walk(QAccessibleInterface *node, QStringList &unnamed)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface *child = node->child(i);
        if (!child)
            continue;
        QObject *object = child->object();
        const auto *widget = object && object->isWidgetType() ? static_cast<QWidget *>(object) : nullptr;
        if (child->state().focusable && !(widget && widget->focusProxy())) {
            const QString name = child->text(QAccessible::Name).trimmed();
            const QString value = child->text(QAccessible::Value).trimmed();
            if (name.isEmpty() || name == value)
                unnamed << QStringLiteral("%1 (role %2) named \"%3\"")
                               .arg(widget ? widget->objectName() : node->text(QAccessible::Name))
                               .arg(int(child->role()))
                               .arg(name);
        }
        walk(child, unnamed);
    }
}

} // namespace

QStringList unnamedFocusableControls(QWidget *window)
{
    QStringList unnamed;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
    if (!root)
        return {QStringLiteral("no accessible interface for the window")};
    walk(root, unnamed);
    return unnamed;
}

QString accessibleTexts(QWidget *widget)
{
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
    if (!node)
        return {};
    return node->text(QAccessible::Name) + u'|' + node->text(QAccessible::Value) + u'|' +
        node->text(QAccessible::Description);
}

QString focusName()
{
    const QWidget *focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

void pressKey(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget *focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : window, key, modifiers);
}

QStringList tabThrough(QWidget *window, int n, bool back)
{
    QStringList path;
    for (int i = 0; i < n; ++i) {
        pressKey(window, back ? Qt::Key_Backtab : Qt::Key_Tab, back ? Qt::ShiftModifier : Qt::NoModifier);
        path << focusName();
    }
    return path;
}

} // namespace lume::test
