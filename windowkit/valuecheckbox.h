#pragma once

#include "checkvalue.h"

#include <QCheckBox>

namespace lume {

// A check box holding a CheckValue, as the settings files store it. The greyed state comes only from
// setValue(Greyed); a click on a greyed box checks it, as on Windows, and the box leaves the third
// state for good.
class ValueCheckBox final : public QCheckBox
{
    Q_OBJECT
public:
    explicit ValueCheckBox(QWidget *parent = nullptr);
    explicit ValueCheckBox(const QString &text, QWidget *parent = nullptr);

    [[nodiscard]] CheckValue value() const;
    void setValue(CheckValue value);

protected:
    void nextCheckState() override;
};

} // namespace lume
