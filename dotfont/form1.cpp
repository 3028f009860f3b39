#include "form1.h"

#include "badgelink/badgesender.h"
#include "badgelink/badgestream.h"
#include "badgelink/serialcontrol.h"
#include "badgelink/userprompt.h"
#include "dotfontrasteriser.h"
#include "language.h"
#include "messageboxpreview.h"
#include "platform/profilefile.h"
#include "platform/widgets/captionfit.h"
#include "platform/widgets/messageboxprompt.h"
#include "platform/widgets/portlistrefresher.h"
#include "scriptsendprofile.h"
#include "textboxfont.h"
#include "usagemeter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include <algorithm>

namespace lume {

namespace {

constexpr const char *RequestedFaceName = "requestedFaceName";
constexpr const char *RequestedCharset = "requestedCharset";

// A check box holding 0, 1 or 2 (greyed). The user toggles between clear and checked; a click on a
// greyed box checks it, as a Windows check box does.
class ValueCheckBox final : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

    [[nodiscard]] int value() const
    {
        switch (checkState()) {
        case Qt::Unchecked:
            return 0;
        case Qt::Checked:
            return 1;
        case Qt::PartiallyChecked:
            return 2;
        }
        return 0;
    }
    void setValue(int value)
    {
        setTristate(value == 2);
        setCheckState(value == 2 ? Qt::PartiallyChecked : value == 1 ? Qt::Checked : Qt::Unchecked);
    }

protected:
    void nextCheckState() override
    {
        const bool check = checkState() != Qt::Checked;
        setTristate(false);
        setCheckState(check ? Qt::Checked : Qt::Unchecked);
    }
};

int valueOf(const QCheckBox *box)
{
    return static_cast<const ValueCheckBox *>(box)->value();
}

void setValueOf(QCheckBox *box, int value)
{
    static_cast<ValueCheckBox *>(box)->setValue(value);
}

class ProgressBarDisplay final : public ProgressDisplay
{
public:
    explicit ProgressBarDisplay(QProgressBar *bar)
        : m_bar(bar)
    { }
    void setProgressRange(int minimum, int maximum) override
    {
        if (m_bar)
            m_bar->setRange(minimum, maximum);
    }
    void setProgressValue(int value) override
    {
        if (m_bar)
            m_bar->setValue(value);
    }

private:
    QPointer<QProgressBar> m_bar;
};

template<typename Widget> Widget *place(Widget *widget, const char *name, int x, int y, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y, int width, int height,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop)
{
    auto *label = place(new QLabel(caption, parent), name, x, y, width, height);
    label->setAlignment(alignment);
    return label;
}

// An editable drop-down list that keeps whatever text is typed: no completion (it would change the
// letter case of a typed language) and no new entries on Enter.
QComboBox *comboBox(QWidget *parent, const QString &name, const QStringList &entries, const QString &text,
                    int x, int y, int width, int height)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(x, y, width, height);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(entries);
    const int index = entries.indexOf(text);
    if (index >= 0)
        box->setCurrentIndex(index);
    else
        box->setEditText(text);
    return box;
}

QFrame *line(QWidget *parent, const char *name, int x1, int x2, int y, QPalette::ColorRole colour)
{
    auto *line = place(new QFrame(parent), name, x1, y, x2 - x1 + 1, 1);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, palette.color(colour));
    line->setPalette(palette);
    return line;
}

} // namespace

Form1::Form1(Form1Dependencies dependencies, QWidget *parent)
    : QWidget(parent)
    , m_dependencies(std::move(dependencies))
{
    if (!m_dependencies.prompt)
        m_ownPrompt = std::make_unique<MessageBoxPrompt>(this);
    m_prompt = m_dependencies.prompt ? m_dependencies.prompt : m_ownPrompt.get();
    createControls();
    m_progress = std::make_unique<ProgressBarDisplay>(m_progressBar);
    m_sender = new BadgeSender(m_dependencies.serial, *m_prompt, *m_progress, scriptSendProfile(), this);
    connectControls();
    startUp();
    // After start-up, so that the restored texts are marked in the restored language.
    new MessageBoxPreview(m_text, m_language,
                          m_dependencies.fontSearchDirs.isEmpty() ? defaultFontSearchDirs()
                                                                  : m_dependencies.fontSearchDirs,
                          this);
}

Form1::~Form1()
{
    // The transfer refers to the progress display; end it first.
    delete m_sender;
}

void Form1::createControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Scriptlume Ver 2.20"));
    setFixedSize(777, 415);
    setFont(designSystemFont(9.75, true));

    auto *label1 = label(this, "Label1", QStringLiteral("  Scriptlume  "), 8, 0, 761, 31, Qt::AlignCenter);
    QFont titleFont(QStringLiteral("Arial Black"));
    titleFont.setPointSizeF(18);
    titleFont.setBold(true);
    titleFont.setUnderline(true);
    label1->setFont(titleFont);
    QPalette titlePalette = label1->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label1->setPalette(titlePalette);

    auto *frame9 = place(new QGroupBox(this), "Frame9", 8, 32, 761, 299);
    label(frame9, "Label2", QStringLiteral("Select"), 8, 16, 49, 17, Qt::AlignHCenter | Qt::AlignTop);
    label(frame9, "Label3", QStringLiteral("Show Text"), 208, 16, 89, 17);
    label(frame9, "Label4", QStringLiteral("Move Speed"), 504, 16, 81, 17);
    label(frame9, "Label7", QStringLiteral("Move Direction"), 592, 16, 113, 17,
          Qt::AlignHCenter | Qt::AlignTop);
    label(frame9, "Label6", QStringLiteral("Flash"), 712, 16, 41, 17);

    const QStringList speeds = speedEntries();
    const QStringList directions = scriptDirections();
    for (int k = 0; k < MessageBank::MessageCount; ++k) {
        const int y = 40 + 32 * k;
        const QString n = QString::number(k);
        m_select[k] = new ValueCheckBox(frame9);
        m_select[k]->setObjectName(QStringLiteral("ChkSel") + n);
        m_select[k]->setGeometry(24, y, 17, 17);

        m_text[k] = new QLineEdit(QStringLiteral("Message%1").arg(k + 1), frame9);
        m_text[k]->setObjectName(QStringLiteral("TxtMsg") + n);
        m_text[k]->setGeometry(56, y, 433, 22);
        m_text[k]->setMaxLength(TextLimit);
        QPalette palette = m_text[k]->palette();
        palette.setColor(QPalette::Text, messageColour(k));
        m_text[k]->setPalette(palette);
        m_text[k]->setProperty(RequestedFaceName, QStringLiteral("System"));
        m_text[k]->setProperty(RequestedCharset, int(AnsiCharset));

        m_speed[k] =
            comboBox(frame9, QStringLiteral("ComSpd") + n, speeds, QStringLiteral("4"), 520, y, 57, 24);
        m_direction[k] = comboBox(frame9, QStringLiteral("ComMod") + n, directions, QStringLiteral("to Left"),
                                  608, y, 81, 24);

        m_flash[k] = new ValueCheckBox(frame9);
        m_flash[k]->setObjectName(QStringLiteral("ChkFls") + n);
        m_flash[k]->setGeometry(720, y, 17, 17);
    }
    m_timer1 = new QTimer(frame9);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(1);

    // Line2 lies under Line1 and shows only where it reaches past it, as a light end.
    line(this, "Line2", 10, 769, 379, QPalette::Light);
    line(this, "Line1", 9, 768, 379, QPalette::Dark);

    label(this, "Label5", QStringLiteral("Language :"), 16, 344, 81, 17);
    m_language = comboBox(this, QStringLiteral("ComLanguage"), languageEntries(),
                          QStringLiteral("Chinese (Simplified)"), 96, 344, 156, 24);
    label(this, "Label10", QStringLiteral("Port:"), 264, 344, 33, 17);
    QStringList designPorts;
    for (int n = 1; n <= 8; ++n)
        designPorts << QStringLiteral("COM%1").arg(n);
    m_port = comboBox(this, QStringLiteral("ComSele"), designPorts, designPorts.first(), 304, 344, 65, 24);
    m_progressBar = place(new QProgressBar(this), "ProgressBar1", 384, 344, 169, 21);
    m_progressBar->setRange(0, 100);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    place(new QPushButton(QStringLiteral("Send"), this), "CmdSend", 568, 342, 89, 25);
    place(new QPushButton(QStringLiteral("Exit"), this), "CmdExit", 672, 342, 89, 25);
    label(this, "Label8", QStringLiteral("Used -->"), 56, 386, 65, 17);
    m_meter = place(new UsageMeter(this), "Picture2", 128, 388, 516, 15);
    label(this, "Label9", QStringLiteral("<-- Free"), 664, 386, 65, 17);
    fitCaptionFonts(this);
}

void Form1::connectControls()
{
    for (int k = 0; k < MessageBank::MessageCount; ++k) {
        connect(m_text[k], &QLineEdit::textChanged, this, [this, k] {
            lowerTextLimit(k);
            updateWidthEstimate(k);
        });
        connect(m_select[k], &QCheckBox::stateChanged, this, &Form1::drawUsageMeter);
    }
    connect(m_language, &QComboBox::editTextChanged, this, &Form1::applyLanguage);
    // Every change of the text, also a choice from the list that is not taken as an edit.
    connect(m_language->lineEdit(), &QLineEdit::textChanged, this, &Form1::followLanguageCodePage);
    // A choice from the list is not an edit on Windows: the fonts follow when the box loses the focus.
    m_language->installEventFilter(this);
    m_language->lineEdit()->installEventFilter(this);
    connect(findChild<QPushButton *>(QStringLiteral("CmdSend")), &QPushButton::clicked, this,
            &Form1::sendMessages);
    connect(findChild<QPushButton *>(QStringLiteral("CmdExit")), &QPushButton::clicked, this,
            &QWidget::close);
    connect(m_port, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_port->setToolTip(index >= 0 ? m_port->itemData(index, Qt::ToolTipRole).toString() : QString());
    });
    connect(m_timer1, &QTimer::timeout, this, &Form1::drawUsageMeter);
    connect(m_sender, &BadgeSender::transferFinished, this, &Form1::transferFinished);
}

void Form1::startUp()
{
    restoreSettings();
    findPorts();
    showTextStarts(this);
    // Its tick comes once the window is on screen, after everything start-up drew while hidden.
    m_timer1->start();
}

void Form1::restoreSettings()
{
    const ScriptSettings settings = readScriptSettings(ProfileFile(m_dependencies.settingsPath));
    {
        // The restored texts are estimated in the code page of the restored language, so the meter
        // agrees with what a Send rasterises; the language itself is applied after the messages.
        const QSignalBlocker blocker(m_language);
        m_language->setEditText(settings.language);
    }
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const ScriptMessage &message = settings.messages[m];
        {
            const QSignalBlocker blocker(m_text[m]);
            // A stored text may be longer than the user may type (767 bytes): it stays whole.
            m_text[m]->setMaxLength(std::max(TextLimit, int(message.text.size())));
            m_text[m]->setText(message.text);
        }
        updateWidthEstimate(m); // also when the text equals the design text
        {
            const QSignalBlocker blocker(m_select[m]);
            setValueOf(m_select[m], message.select);
        }
        drawUsageMeter();
        m_speed[m]->setEditText(message.speed);
        m_direction[m]->setEditText(message.direction);
        setValueOf(m_flash[m], message.flash);
    }
    applyLanguage(); // whether or not the restored text differs from the design text
}

void Form1::storeSettings()
{
    ProfileFile file(m_dependencies.settingsPath);
    writeScriptSettings(file, settingsFromControls()); // reports nothing, as the close goes on anyway
}

void Form1::findPorts()
{
    m_port->clear();
    m_port->clearEditText();
    const ProbeResult probe = probePorts(m_dependencies.serial, MaxPort);
    m_port->addItems(probe.ports);
    if (m_dependencies.portDevice) {
        for (int i = 0; i < probe.ports.size(); ++i) {
            const QString device = m_dependencies.portDevice(probe.ports[i].mid(3).toInt());
            if (!device.isEmpty())
                m_port->setItemData(i, device, Qt::ToolTipRole);
        }
    }
    const QString preselected = scriptPreselectedPort(probe);
    m_port->setCurrentIndex(preselected.isEmpty() ? -1 : probe.ports.indexOf(preselected));
    if (preselected.isEmpty())
        m_port->clearEditText();
    refreshPortsOnDropDown(m_port, MaxPort, m_dependencies.listPorts);
}

ScriptSettings Form1::settingsFromControls() const
{
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        ScriptMessage &message = settings.messages[m];
        message.text = m_text[m]->text();
        message.select = valueOf(m_select[m]);
        message.speed = m_speed[m]->currentText();
        message.direction = m_direction[m]->currentText();
        message.flash = valueOf(m_flash[m]);
    }
    settings.language = m_language->currentText();
    return settings;
}

bool Form1::isSending() const
{
    return m_sender->isSending();
}

void Form1::updateWidthEstimate(int message)
{
    const CodePage codePage = languageFor(m_language->currentText()).codePage;
    m_bank.setWidth(message, estimateWidth(m_text[message]->text(), codePage));
    drawUsageMeter();
}

void Form1::followLanguageCodePage()
{
    // Character codes come from the language's code page, so a new one changes what a Send
    // rasterises: the meter and the Send guard must see the widths of that page at once.
    const CodePage codePage = languageFor(m_language->currentText()).codePage;
    if (codePage == m_widthCodePage)
        return;
    m_widthCodePage = codePage;
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        m_bank.setWidth(m, estimateWidth(m_text[m]->text(), codePage));
    drawUsageMeter();
}

void Form1::lowerTextLimit(int message)
{
    // As in a Windows edit box, the limit bounds what the user types or pastes; a longer restored
    // text can only shrink, until it is under the limit.
    QLineEdit *box = m_text[message];
    if (box->maxLength() <= std::max(TextLimit, int(box->text().size())))
        return;
    // Later: a new limit resets the box's text, which must not happen inside its own edit.
    QTimer::singleShot(0, box, [box] {
        const int limit = std::max(TextLimit, int(box->text().size()));
        if (limit >= box->maxLength())
            return;
        const int cursor = box->cursorPosition();
        box->setMaxLength(limit);
        box->setCursorPosition(cursor);
    });
}

void Form1::drawUsageMeter()
{
    std::array<bool, MessageBank::MessageCount> selected {};
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        selected[m] = isChecked(valueOf(m_select[m]));
    m_meter->draw(m_bank.widths(), selected);
}

void Form1::applyLanguage()
{
    const Language language = languageFor(m_language->currentText());
    for (QLineEdit *box : m_text) {
        box->setProperty(RequestedFaceName, language.faceName);
        if (language.charset >= 0)
            box->setProperty(RequestedCharset, language.charset);
        QFont font = box->font();
        font.setFamilies({installedFamilyFor(language.faceName, box->property(RequestedCharset).toInt())});
        box->setFont(font);
    }
    for (QLineEdit *box : m_text)
        box->update();
}

void Form1::sendMessages()
{
    if (m_sender->refuseWhileSending())
        return;
    const ScriptSettings settings = settingsFromControls();
    const std::array<bool, MessageBank::MessageCount> selected = selectedMessages(settings);
    int sum = 0;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        if (selected[m])
            sum += m_bank.width(m);
    }
    if (sum < 1) {
        m_prompt->notify(QStringLiteral("No Sending Text! Do Not Send!"), QStringLiteral("Note"));
        return;
    }
    if (!m_sender->readComSet(m_port->currentText()))
        return;
    const QStringList searchDirs =
        m_dependencies.fontSearchDirs.isEmpty() ? defaultFontSearchDirs() : m_dependencies.fontSearchDirs;
    const PrepareResult prepared =
        prepareBank(m_bank, messageTexts(settings), selected, settings.language, searchDirs);
    if (!prepared.ok) {
        // Sending blank messages without a word would report a failure as success.
        QStringList folders;
        for (const QString &dir : searchDirs)
            folders << QDir::toNativeSeparators(QDir(dir).absolutePath());
        m_prompt->notify(
            QStringLiteral("Font file \"%1\" not found!").arg(prepared.missingFile), QStringLiteral("Error"),
            QStringLiteral("Scriptlume looks for its dot-font files in these folders, in this order:\n") +
                folders.join(QLatin1Char('\n')));
        return;
    }
    m_sender->startTransfer(m_bank, messageSettingsFor(settings));
}

void Form1::closeEvent(QCloseEvent *event)
{
    bool closing = true;
    if (isSending())
        closing = m_prompt->askYesNo(QStringLiteral("Sending datas to Display! Are you exit?"),
                                     QStringLiteral("Warning"));
    storeSettings(); // whatever the answer
    if (!closing) {
        event->ignore();
        return;
    }
    if (isSending())
        m_sender->cancel(); // stops the transfer and leaves the port closed
    event->accept();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_language || watched == m_language->lineEdit()))
        applyLanguage();
    return QWidget::eventFilter(watched, event);
}

} // namespace lume
