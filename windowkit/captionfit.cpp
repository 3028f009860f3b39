#include "captionfit.h"

#include "dropdownwidth.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace lume {

namespace {

constexpr int SmallestCaptionPixels = 9;

QSize textSize(const QWidget *control, const QString &text)
{
    return control->fontMetrics().size(Qt::TextShowMnemonic, text);
}

void addButtonLike(QList<CaptionMeasure> &out, const QAbstractButton *button, QStyle::SubElement contents)
{
    if (button->text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    out.append({button->objectName(), button->text(), textSize(button, button->text()),
                button->style()->subElementRect(contents, &option, button)});
}

void addGroupBox(QList<CaptionMeasure> &out, const QGroupBox *box)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The title may run along the whole top edge, short of the margins it starts with.
    const int left = std::max(0, label.left());
    out.append({box->objectName(), box->title(), textSize(box, box->title()),
                QRect(left, 0, box->width() - 2 * left, std::max(label.bottom() + 1, box->height()))});
}

void addTabs(QList<CaptionMeasure> &out, const QTabBar *bar)
{
    // What shows of the bar: the tab widget cuts it at its own right edge.
    const QWidget *holder = bar->parentWidget();
    const QRect visible(0, 0, holder ? holder->width() - bar->x() : bar->width(), bar->height());
    // A tab widget's own bar goes by the tab widget's name.
    const QString name = qobject_cast<const QTabWidget *>(holder) ? holder->objectName() : bar->objectName();
    for (int i = 0; i < bar->count(); ++i) {
        const QRect tab = bar->tabRect(i);
        out.append({name + QLatin1Char('#') + QString::number(i), bar->tabText(i),
                    textSize(bar, bar->tabText(i)), visible.contains(tab) ? tab : QRect()});
    }
}

QList<QWidget *> captionControls(QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *child : window->findChildren<QWidget *>()) {
        const bool caption = qobject_cast<QLabel *>(child) || qobject_cast<QAbstractButton *>(child) ||
            qobject_cast<QGroupBox *>(child) || qobject_cast<QTabBar *>(child);
        if (caption && !child->testAttribute(Qt::WA_SetFont))
            controls << child;
    }
    return controls;
}

void measureControl(QList<CaptionMeasure> &out, const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (!label->text().isEmpty())
            out.append(
                {label->objectName(), label->text(), textSize(label, label->text()), label->contentsRect()});
    } else if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        addButtonLike(out, box, QStyle::SE_CheckBoxContents);
    } else if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        addButtonLike(out, button, QStyle::SE_PushButtonContents);
    } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        addGroupBox(out, group);
    } else if (const auto *bar = qobject_cast<const QTabBar *>(control)) {
        addTabs(out, bar);
    }
}

// The window's font and its variants down to the smallest caption size, largest first: narrower
// widths of the same face (the condensed faces where installed), then smaller pixel sizes.
QList<QFont> fontVariants(const QFont &base)
{
    const int designPixels =
        base.pixelSize() > 0 ? base.pixelSize() : int(std::lround(base.pointSizeF() * 96.0 / 72.0));
    QList<QFont> variants;
    QFont font = base;
    for (int pixels = designPixels; pixels >= std::min(designPixels, SmallestCaptionPixels); --pixels) {
        for (const int stretch :
             {int(QFont::Unstretched), int(QFont::SemiCondensed), int(QFont::Condensed)}) {
            font.setPixelSize(pixels);
            font.setStretch(stretch);
            variants << font;
        }
    }
    return variants;
}

// The room a box's text has: its edit field, less the two pixels a line edit keeps on each side and
// the pixel of its cursor.
QSize listTextRoom(const QComboBox *box)
{
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    option.frame = box->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
    return {field.width() - 2 * 2 - 1, field.height()};
}

bool showsWhole(const QComboBox *box, const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    const QSize room = listTextRoom(box);
    return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
}

bool allFit(const QList<QWidget *> &controls)
{
    QList<CaptionMeasure> measures;
    for (const QWidget *control : controls)
        measures << measureCaptionsOf(control);
    return std::all_of(measures.cbegin(), measures.cend(), [](const CaptionMeasure &m) { return m.fits(); });
}

// Shows the start of a line edit's text again when the user leaves it, as it shows after start-up.
class TextStartKeeper final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason) {
            auto *box = qobject_cast<QComboBox *>(watched);
            if (QLineEdit *edit = box ? box->lineEdit() : qobject_cast<QLineEdit *>(watched))
                edit->setCursorPosition(0);
        }
        return false;
    }
};

} // namespace

QFont designSystemFont(double points, bool bold)
{
    const QString system = QStringLiteral("System");
    QFont font = QFontDatabase::hasFamily(system) ? QFont(system)
                                                  : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(int(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QList<CaptionMeasure> measureCaptionsOf(const QWidget *control)
{
    QList<CaptionMeasure> out;
    measureControl(out, control);
    return out;
}

void fitCaptionFonts(QWidget *window)
{
    const QList<QWidget *> controls = captionControls(window);
    for (const QFont &font : fontVariants(window->font())) {
        for (QWidget *control : controls)
            control->setFont(font);
        if (allFit(controls))
            return;
    }
}

void fitListTextFonts(QWidget *window)
{
    for (QComboBox *box : window->findChildren<QComboBox *>())
        fitListTextFont(box);
}

void fitListTextFont(QComboBox *box)
{
    const QString text = box->currentText();
    const QList<QFont> variants = fontVariants(box->window()->font());
    const auto fitting = std::find_if(variants.cbegin(), variants.cend(),
                                      [&](const QFont &font) { return showsWhole(box, font, text); });
    // A typed text is taken as it comes and may be cut; a list entry is shown whole where it can be.
    if (box->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0 || text.isEmpty()) {
        const QFont font = fitting != variants.cend() ? *fitting : variants.last();
        if (font != box->font()) {
            box->setFont(font);
            fitDropDownWidth(box); // the list takes the box's font
        }
    }
    constexpr const char *Fitted = "lumeListTextFitted";
    if (box->property(Fitted).toBool())
        return;
    box->setProperty(Fitted, true);
    QObject::connect(box, &QComboBox::currentTextChanged, box, [box] { fitListTextFont(box); });
}

void showTextStarts(QWidget *window)
{
    for (QComboBox *box : window->findChildren<QComboBox *>())
        showTextStart(box);
}

void showTextStart(QComboBox *box)
{
    QLineEdit *edit = box->lineEdit();
    if (!edit)
        return;
    edit->setCursorPosition(0);
    constexpr const char *Kept = "lumeTextStartKept";
    if (edit->property(Kept).toBool())
        return;
    edit->setProperty(Kept, true);
    // The box hands its focus events to its line edit without passing them through filters.
    auto *keeper = new TextStartKeeper(edit);
    edit->installEventFilter(keeper);
    box->installEventFilter(keeper);
}

} // namespace lume
