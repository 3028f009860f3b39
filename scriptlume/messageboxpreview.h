#pragma once

#include "messagebank.h"
#include "unencodable.h"

#include <QColor>
#include <QObject>
#include <QStringList>

#include <array>

class QComboBox;
class QLineEdit;

namespace lume {

// Shows in the eight message boxes what the badge will make of them: hovering a box shows its
// message as LEDs (tooltip), and the characters the chosen language cannot encode are underlined
// with a red wave as they are typed, after the settings are restored and after a language change.
// Reads the boxes and the language box only; the bank, the widths and the meter stay the window's.
class MessageBoxPreview final : public QObject
{
    Q_OBJECT
public:
    using Boxes = std::array<QLineEdit *, MessageBank::MessageCount>;
    static constexpr QRgb MarkColour = 0xffff0000;
    // Under a red-ish text a red wave would melt into the characters: it is blue there.
    static constexpr QRgb MarkColourUnderRed = 0xff0000ff;
    [[nodiscard]] static QColor markColourUnder(const QColor &text);

    // Marks the boxes' present texts at once.
    MessageBoxPreview(const Boxes &boxes, QComboBox *language, const QStringList &fontSearchDirs,
                      QObject *parent);

    // The characters marked in box m now.
    [[nodiscard]] const QList<TextRange> &marks(int message) const { return m_marks[message]; }
    // Box m's tooltip as hovering would show it now.
    [[nodiscard]] QString toolTip(int message) const;

    // Every box again, in the language now chosen.
    void markAll();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void mark(int message);
    void scheduleMark(int message);
    [[nodiscard]] int messageOf(const QObject *box) const;

    Boxes m_boxes;
    QComboBox *m_language;
    QStringList m_fontSearchDirs;
    std::array<QList<TextRange>, MessageBank::MessageCount> m_marks;
    std::array<bool, MessageBank::MessageCount> m_composing {};
    std::array<bool, MessageBank::MessageCount> m_pending {};
    bool m_applying = false;
};

} // namespace lume
