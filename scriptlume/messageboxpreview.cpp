#include "messageboxpreview.h"

#include "language.h"
#include "messagepreview.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTextCharFormat>
#include <QTimer>
#include <QToolTip>

namespace lume {

namespace {

// A tooltip's frame and margins take some pixels of the screen's width.
constexpr int ToolTipMargins = 32;

int previewWidthFor(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    return (screen ? screen->availableGeometry().width() : 1024) - ToolTipMargins;
}

} // namespace

MessageBoxPreview::MessageBoxPreview(const Boxes &boxes, QComboBox *language,
                                     const QStringList &fontSearchDirs, QObject *parent)
    : QObject(parent)
    , m_boxes(boxes)
    , m_language(language)
    , m_fontSearchDirs(fontSearchDirs)
{
    setObjectName(QStringLiteral("MessageBoxPreview"));
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        m_boxes[m]->installEventFilter(this);
        connect(m_boxes[m], &QLineEdit::textChanged, this, [this, m] { scheduleMark(m); });
    }
    connect(m_language, &QComboBox::editTextChanged, this, &MessageBoxPreview::markAll);
    markAll();
}

QString MessageBoxPreview::toolTip(int message) const
{
    const QString text = m_boxes[message]->text();
    const QString language = m_language->currentText();
    const MessagePreview preview =
        previewText(text, language, m_fontSearchDirs, previewWidthFor(m_boxes[message]));
    return messageToolTip(preview, text, language, m_fontSearchDirs);
}

void MessageBoxPreview::markAll()
{
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        mark(m);
}

QColor MessageBoxPreview::markColourUnder(const QColor &text)
{
    // Hues within 40 degrees of red, saturated enough to read as a colour.
    const int hue = text.hsvHue();
    const bool reddish = hue >= 0 && (hue <= 40 || hue >= 320) && text.hsvSaturation() >= 128;
    return QColor::fromRgb(reddish ? MarkColourUnderRed : MarkColour);
}

void MessageBoxPreview::scheduleMark(int message)
{
    // Later: the box is still inside its own edit when it reports the change.
    if (m_pending[message])
        return;
    m_pending[message] = true;
    QTimer::singleShot(0, this, [this, message] {
        if (m_pending[message])
            mark(message);
    });
}

void MessageBoxPreview::mark(int message)
{
    m_pending[message] = false;
    if (m_composing[message])
        return; // an input method's text owns the box's formats until it is committed
    QLineEdit *box = m_boxes[message];
    const QList<TextRange> marks =
        unencodableCharacters(box->text(), languageFor(m_language->currentText()).codePage);
    if (marks.isEmpty() && m_marks[message].isEmpty())
        return;
    m_marks[message] = marks;

    // QLineEdit shows text formats only as an input method's; an event without text changes
    // nothing but them. Their positions count from the cursor.
    QTextCharFormat wave;
    wave.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    wave.setUnderlineColor(markColourUnder(box->palette().color(QPalette::Text)));
    QList<QInputMethodEvent::Attribute> attributes;
    const int cursor = box->cursorPosition();
    for (const TextRange &range : marks)
        attributes.append(
            {QInputMethodEvent::TextFormat, int(range.start) - cursor, int(range.length), wave});
    QInputMethodEvent event(QString(), attributes);
    m_applying = true;
    QCoreApplication::sendEvent(box, &event);
    m_applying = false;
}

bool MessageBoxPreview::eventFilter(QObject *watched, QEvent *event)
{
    const int message = messageOf(watched);
    if (message < 0)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        QWidget *box = m_boxes[message];
        // Under the box, so that the text stays in sight beside its picture.
        const QPoint below(help->globalPos().x(), box->mapToGlobal(QPoint(0, box->height())).y());
        QToolTip::showText(below, toolTip(message), box, box->rect());
        return true;
    }
    if (event->type() == QEvent::InputMethod && !m_applying) {
        // The user's input method: while it composes, its own formats show; after it, the marks again.
        m_composing[message] = !static_cast<QInputMethodEvent *>(event)->preeditString().isEmpty();
        if (!m_composing[message])
            scheduleMark(message);
    }
    return QObject::eventFilter(watched, event);
}

int MessageBoxPreview::messageOf(const QObject *box) const
{
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (m_boxes[m] == box)
            return m;
    }
    return -1;
}

} // namespace lume
