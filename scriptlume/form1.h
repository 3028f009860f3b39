#pragma once

#include "codepage.h"
#include "messagebank.h"
#include "portbox.h"
#include "scriptsettings.h"
#include "sendcontroller.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLineEdit;
class QTimer;

namespace Ui {
class Form1;
}

namespace lume {

class SerialControl;
class UserPrompt;
class ValueCheckBox;
class WindowTestAccess;

// What the window works with from outside: the program gives the machine's (scriptlume.h), tests
// give fakes.
struct Form1Dependencies
{
    SerialControl &port;
    UserPrompt &prompt;
    QString settingsPath; // Scriptlume.ini, read at start and written at close
    QStringList fontSearchDirs {}; // empty: defaultFontSearchDirs()
    PortBox::DeviceOf portDevice {}; // the device behind "COMn", for the port tooltips
    PortBox::Lister listPorts {}; // lists the ports again when the port list opens; empty: never
    FailureExplainer explainFailure {}; // why a port does not open; empty: the failure's own words
    QString uiLanguage {}; // the language of the texts (UiTranslations); empty: English
};

// Scriptlume's window, drawn in form1.ui: eight messages in one table, the language, the port, Send and Exit,
// the progress bar and the usage meter. Constructing it runs the start-up: restore the settings, apply the
// language, probe COM1..COM16 and preselect a port; the meter is drawn once more right after the window
// shows.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int TextLimit = 512;

    explicit Form1(Form1Dependencies dependencies, QWidget *parent = nullptr);
    ~Form1() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WindowTestAccess;

    void setUpControls();
    void connectControls();
    void startUp();
    void restoreSettings();
    void storeSettings();
    // The controls' values as the settings file and the transfer take them.
    [[nodiscard]] ScriptSettings settingsFromControls() const;
    bool rasterise(const ScriptSettings &settings,
                   const std::array<bool, MessageBank::MessageCount> &selected);
    void updateWidthEstimate(int message);
    void followLanguageCodePage();
    void lowerTextLimit(int message);
    // CmdSend: the guards, ReadComSet, the bank rebuilt from the texts, then the transfer.
    void sendMessages();
    // The language of ComLanguage's text to the eight text boxes.
    void applyLanguage();
    void drawUsageMeter();
    [[nodiscard]] QStringList fontSearchDirs() const;

    MessageBank m_bank;
    Form1Dependencies m_dependencies;
    std::unique_ptr<Ui::Form1> m_ui; // set up before the members built on its controls
    SendController m_send;
    PortBox *m_portBox = nullptr;

    std::array<ValueCheckBox *, MessageBank::MessageCount> m_select {};
    std::array<QLineEdit *, MessageBank::MessageCount> m_text {};
    std::array<QComboBox *, MessageBank::MessageCount> m_speed {};
    std::array<QComboBox *, MessageBank::MessageCount> m_direction {};
    std::array<ValueCheckBox *, MessageBank::MessageCount> m_flash {};
    QTimer *m_timer1 = nullptr;
    CodePage m_widthCodePage = CodePage::Gbk; // the code page the eight widths were estimated in
};

} // namespace lume
