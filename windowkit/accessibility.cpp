#include "accessibility.h"

#include "messagebank.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>

namespace lume {

namespace {

// Qt's own combo box interface, but for the name: Value keeps the box's text.
class AccessibleComboBox final : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *box)
        : QAccessibleWidget(box, QAccessible::ComboBox)
    { }

    QString text(QAccessible::Text t) const override
    {
        const QString value = box()->currentText();
        if (t == QAccessible::Value)
            return value;
        const QString own = QAccessibleWidget::text(t); // accessibleName, else the buddy label's
        return t == QAccessible::Name && own.isEmpty() ? value : own;
    }

    QStringList actionNames() const override
    {
        return QStringList {showMenuAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *comboBoxFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new AccessibleComboBox(static_cast<QComboBox *>(object));
    return nullptr;
}

} // namespace

void nameComboBoxesByLabel()
{
    static const bool installed = [] {
        QAccessible::installFactory(comboBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString usageMeterText(int used)
{
    const int badge = MessageBank::RowBytes;
    if (used > badge)
        return QCoreApplication::translate("lume::UsageMeter",
                                           "%1 of %2 column bytes: %3 more than the badge holds")
            .arg(used)
            .arg(badge)
            .arg(used - badge);
    return QCoreApplication::translate("lume::UsageMeter", "%1 of %2 column bytes").arg(used).arg(badge);
}

void describeUsage(QWidget *meter, int used)
{
    meter->setAccessibleDescription(usageMeterText(used));
}

} // namespace lume
