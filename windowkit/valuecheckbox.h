#pragma once

#include <QCheckBox>

namespace lume {

// A check box holding 0 (clear), 1 (checked) or 2 (greyed), as the settings files store it. The
// greyed state comes only from setValue(2); a click on a greyed box checks it, as on Windows, and the
// box leaves the third state for good.
class ValueCheckBox final : public QCheckBox
{
    Q_OBJECT
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;
    static constexpr int Greyed = 2;

    explicit ValueCheckBox(QWidget *parent = nullptr);
    explicit ValueCheckBox(const QString &text, QWidget *parent = nullptr);

    [[nodiscard]] int value() const;
    // Anything but 1 and 2 clears the box.
    void setValue(int value);

protected:
    void nextCheckState() override;
};

} // namespace lume
