#include "valuecheckbox.h"

namespace lume {

ValueCheckBox::ValueCheckBox(QWidget *parent)
    : ValueCheckBox(QString(), parent)
{ }

ValueCheckBox::ValueCheckBox(const QString &text, QWidget *parent)
    : QCheckBox(text, parent)
{
    // Also a state set by the program, not only a click, ends the greyed state for good.
    connect(this, &QCheckBox::stateChanged, this, [this](int state) {
        if (state != Qt::PartiallyChecked && isTristate())
            setTristate(false);
    });
}

CheckValue ValueCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return CheckValue::Checked;
    case Qt::PartiallyChecked:
        return CheckValue::Greyed;
    case Qt::Unchecked:
        break;
    }
    return CheckValue::Unchecked;
}

void ValueCheckBox::setValue(CheckValue value)
{
    setTristate(value == CheckValue::Greyed);
    setCheckState(value == CheckValue::Greyed        ? Qt::PartiallyChecked
                      : value == CheckValue::Checked ? Qt::Checked
                                                     : Qt::Unchecked);
}

void ValueCheckBox::nextCheckState()
{
    const bool check = checkState() != Qt::Checked;
    setTristate(false);
    setCheckState(check ? Qt::Checked : Qt::Unchecked);
}

} // namespace lume
