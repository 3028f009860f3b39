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

int ValueCheckBox::value() const
{
    switch (checkState()) {
    case Qt::Checked:
        return Checked;
    case Qt::PartiallyChecked:
        return Greyed;
    case Qt::Unchecked:
        break;
    }
    return Unchecked;
}

void ValueCheckBox::setValue(int value)
{
    setTristate(value == Greyed);
    setCheckState(value == Greyed ? Qt::PartiallyChecked : value == Checked ? Qt::Checked : Qt::Unchecked);
}

void ValueCheckBox::nextCheckState()
{
    const bool check = checkState() != Qt::Checked;
    setTristate(false);
    setCheckState(check ? Qt::Checked : Qt::Unchecked);
}

} // namespace lume
