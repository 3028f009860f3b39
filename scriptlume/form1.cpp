#include "form1.h"

#include "dotfontrasteriser.h"
#include "language.h"
#include "messageboxpreview.h"
#include "scriptsendprofile.h"
#include "textboxfont.h"
#include "ui_form1.h"
#include "usagemeter.h"

#include "accessibility.h"
#include "captionfit.h"
#include "designcolours.h"
#include "dropdownwidth.h"
#include "formsetup.h"
#include "portbox.h"
#include "profilefile.h"
#include "valuecheckbox.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace lume {

namespace {
constexpr const char *RequestedFaceName = "requestedFaceName";
constexpr const char *RequestedCharset = "requestedCharset";
} // namespace

Form1::Form1(Form1Dependencies dependencies, QWidget *parent)
    : QWidget(parent)
    , m_dependencies(std::move(dependencies))
    , m_ui(setUpForm<Ui::Form1>(this))
    , m_send(m_ui->ProgressBar1, m_dependencies.prompt, m_dependencies.port,
             scriptSendProfile(m_dependencies.explainFailure),
             {tr("No Sending Text! Do Not Send!"), tr("Note"), tr("Sending datas to Display! Are you exit?"),
              tr("Warning")})
{
    setFont(designSystemFont(9.75, true));
    setUpControls();
    fitCaptionFonts(this);
    connectControls();
    startUp();
    // After start-up, so that the restored texts are marked in the restored language.
    new MessageBoxPreview(m_text, m_ui->ComLanguage, fontSearchDirs(), this);
}

Form1::~Form1() = default;

// Token pasting gathers the eight copies the form names ChkSel0 .. ChkSel7.
#define LUME_EIGHT(name)                                                                                     \
    {                                                                                                        \
        m_ui->name##0, m_ui->name##1, m_ui->name##2, m_ui->name##3, m_ui->name##4, m_ui->name##5,            \
            m_ui->name##6, m_ui->name##7                                                                     \
    }

void Form1::setUpControls()
{
    m_select = LUME_EIGHT(ChkSel);
    m_text = LUME_EIGHT(TxtMsg);
    m_speed = LUME_EIGHT(ComSpd);
    m_direction = LUME_EIGHT(ComMod);
    m_flash = LUME_EIGHT(ChkFls);
    // The lists the transfer and the language choice read back as text come from their own tables.
    const QStringList speeds = speedEntries();
    const QStringList directions = scriptDirections();
    for (int k = 0; k < MessageBank::MessageCount; ++k) {
        keepDesignColours(m_text[k], messageColour(k)); // also the colour of its part of the meter
        m_text[k]->setProperty(RequestedFaceName, QStringLiteral("System"));
        m_text[k]->setProperty(RequestedCharset, int(AnsiCharset));
        m_speed[k]->addItems(speeds);
        m_speed[k]->setCurrentIndex(int(speeds.indexOf(QStringLiteral("4"))));
        m_direction[k]->addItems(directions);
    }
    m_ui->ComLanguage->addItems(languageEntries());
    keepDesignColours(m_ui->Label1, m_ui->Label1->palette().color(QPalette::WindowText));
    // No completion: it would change the letter case of a typed language or port.
    for (QComboBox *box : findChildren<QComboBox *>())
        box->setCompleter(nullptr);
    m_timer1 = new QTimer(m_ui->Frame9);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setSingleShot(true);
    m_timer1->setInterval(1);
}

#undef LUME_EIGHT

void Form1::connectControls()
{
    for (int k = 0; k < MessageBank::MessageCount; ++k) {
        connect(m_text[k], &QLineEdit::textChanged, this, [this, k] {
            lowerTextLimit(k);
            updateWidthEstimate(k);
        });
        connect(m_select[k], &QCheckBox::stateChanged, this, &Form1::drawUsageMeter);
    }
    QComboBox *language = m_ui->ComLanguage;
    connect(language, &QComboBox::editTextChanged, this, &Form1::applyLanguage);
    // Every change of the text, also a choice from the list that is not taken as an edit.
    connect(language->lineEdit(), &QLineEdit::textChanged, this, &Form1::followLanguageCodePage);
    // A choice from the list is not an edit on Windows: the fonts follow when the box loses the focus.
    language->installEventFilter(this);
    language->lineEdit()->installEventFilter(this);
    connect(m_ui->CmdSend, &QPushButton::clicked, this, &Form1::sendMessages);
    connect(m_ui->CmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_timer1, &QTimer::timeout, this, &Form1::drawUsageMeter);
    m_portBox =
        new PortBox(m_ui->ComSele, scriptSendProfile(), m_dependencies.portDevice, m_dependencies.listPorts);
}

void Form1::startUp()
{
    restoreSettings();
    m_portBox->probe(m_dependencies.port);
    showTextStarts(this);
    fitListTextFonts(this);
    fitDropDownWidths(this); // the port box fits its own again whenever it lists the ports
    // Its tick comes once the window is on screen, after everything start-up drew while hidden.
    m_timer1->start();
}

void Form1::restoreSettings()
{
    ScriptSettings settings = readScriptSettings(ProfileFile(m_dependencies.settingsPath));
    // Who reads the window in Japanese or Korean most likely writes it too.
    if (!QFileInfo::exists(m_dependencies.settingsPath))
        settings.language = firstStartLanguage(m_dependencies.uiLanguage);
    {
        // The restored texts are estimated in the code page of the restored language, so the meter
        // agrees with what a Send rasterises; the language itself is applied after the messages.
        const QSignalBlocker blocker(m_ui->ComLanguage);
        m_ui->ComLanguage->setEditText(settings.language);
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
            m_select[m]->setValue(message.select);
        }
        drawUsageMeter();
        m_speed[m]->setEditText(message.speed);
        m_direction[m]->setEditText(message.direction);
        m_flash[m]->setValue(message.flash);
    }
    applyLanguage(); // whether or not the restored text differs from the design text
}

void Form1::storeSettings()
{
    ProfileFile file(m_dependencies.settingsPath);
    writeScriptSettings(file, settingsFromControls()); // reports nothing, as the close goes on anyway
}

ScriptSettings Form1::settingsFromControls() const
{
    ScriptSettings settings;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        ScriptMessage &message = settings.messages[m];
        message.text = m_text[m]->text();
        message.select = m_select[m]->value();
        message.speed = m_speed[m]->currentText();
        message.direction = m_direction[m]->currentText();
        message.flash = m_flash[m]->value();
    }
    settings.language = m_ui->ComLanguage->currentText();
    return settings;
}

void Form1::updateWidthEstimate(int message)
{
    const CodePage codePage = languageFor(m_ui->ComLanguage->currentText()).codePage;
    m_bank.setWidth(message, estimateWidth(m_text[message]->text(), codePage));
    drawUsageMeter();
}

void Form1::followLanguageCodePage()
{
    // Character codes come from the language's code page, so a new one changes what a Send
    // rasterises: the meter and the Send guard must see the widths of that page at once.
    const CodePage codePage = languageFor(m_ui->ComLanguage->currentText()).codePage;
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
        selected[m] = isChecked(m_select[m]->value());
    m_ui->Picture2->draw(m_bank.widths(), selected);
}

void Form1::applyLanguage()
{
    const Language language = languageFor(m_ui->ComLanguage->currentText());
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
    const ScriptSettings settings = settingsFromControls();
    const std::array<bool, MessageBank::MessageCount> selected = selectedMessages(settings);
    m_send.send(m_bank, m_ui->ComSele->currentText(),
                {[&] {
                     int sum = 0;
                     for (int m = 0; m < MessageBank::MessageCount; ++m)
                         sum += selected[m] ? m_bank.width(m) : 0;
                     return sum >= 1;
                 },
                 [&] { return rasterise(settings, selected); },
                 [&] { return messageSettingsFor(settings); }});
}

bool Form1::rasterise(const ScriptSettings &settings,
                      const std::array<bool, MessageBank::MessageCount> &selected)
{
    const QStringList searchDirs = fontSearchDirs();
    const PrepareResult prepared =
        prepareBank(m_bank, messageTexts(settings), selected, settings.language, searchDirs);
    if (prepared.ok)
        return true;
    // Sending blank messages without a word would report a failure as success.
    QStringList folders;
    for (const QString &dir : searchDirs)
        folders << QDir::toNativeSeparators(QDir(dir).absolutePath());
    m_dependencies.prompt.notify(tr("Font file \"%1\" not found!").arg(prepared.missingFile), tr("Error"),
                                 {tr("Scriptlume looks for its dot-font files in these folders, in this "
                                     "order:\n") +
                                  folders.join(QLatin1Char('\n'))});
    return false;
}

QStringList Form1::fontSearchDirs() const
{
    return m_dependencies.fontSearchDirs.isEmpty() ? defaultFontSearchDirs() : m_dependencies.fontSearchDirs;
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_send.allowClose([this] { storeSettings(); }))
        event->accept();
    else
        event->ignore();
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut &&
        (watched == m_ui->ComLanguage || watched == m_ui->ComLanguage->lineEdit()))
        applyLanguage();
    return QWidget::eventFilter(watched, event);
}

} // namespace lume
