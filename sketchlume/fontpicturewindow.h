#pragma once

#include "drawingsurface.h"
#include "fontlist.h"
#include "sketchsettings.h"
#include "surfaceview.h"

#include "messagebank.h"
#include "portbox.h"
#include "sendcontroller.h"
#include "userprompt.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QGroupBox;
class QPlainTextEdit;
class QScrollBar;

namespace Ui {
class FontPictureWindow;
}

namespace lume {

class FileDialogs;
class SerialControl;
class UserPrompt;
class ValueCheckBox;
class WindowTestAccess;

// What the window works with from outside: the program gives the machine's (sketchlume.h), tests
// give fakes.
struct FontPictureDependencies
{
    SerialControl &port;
    UserPrompt &prompt;
    FileDialogs &dialogs;
    QString settingsPath; // Lumeset.ini, read at start and written at close
    PortBox::DeviceOf portDevice {}; // the device behind "COMn", for the port tooltips
    PortBox::Lister listPorts {}; // lists the ports again when the port list opens; empty: never
    FailureExplainer explainFailure {}; // why a port does not open; empty: the failure's own words
};

// Sketchlume's window Form1, drawn in fontpicturewindow.ui. The controls carry the design's names;
// the work is done by the composing functions, the settings functions and the window kit.
class FontPictureWindow final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 673;
    static constexpr int ClientHeight = 507;
    static constexpr int ViewportWidth = 589;
    static constexpr int ScrollMaximum = DrawingSurface::Width - ViewportWidth; // 3507
    // The file dialogs' filters in the Windows form, translated where they are shown.
    static constexpr const char *LoadFilter =
        QT_TR_NOOP("Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico");
    static constexpr const char *SaveFilter = QT_TR_NOOP("Picture(*.bmp)|*.bmp");

    // Sets up the form and runs the start-up sequence: restore, font lists, empty bank, first
    // message shown, port probe and preselection.
    explicit FontPictureWindow(FontPictureDependencies dependencies, QWidget *parent = nullptr);
    ~FontPictureWindow() override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class WindowTestAccess;

    struct Editor
    {
        QGroupBox *frame1 = nullptr;
        QWidget *picture1 = nullptr;
        QWidget *inside = nullptr; // the inner 589 x 12 pixels of Picture1
        QScrollBar *hScroll = nullptr;
        QGroupBox *frame2 = nullptr;
        QPlainTextEdit *txtBox = nullptr;
        QComboBox *fntName = nullptr;
        QComboBox *fntSize = nullptr;
        ValueCheckBox *chkBold = nullptr;
        QComboBox *comMod = nullptr;
        ValueCheckBox *chkFls = nullptr;
        QComboBox *movSpeed = nullptr;
        SurfaceView *picBox = nullptr;
        DrawingSurface surface;
    };

    void setUpControls();
    void connectControls();
    void startUp();
    void restore(const SketchSettings &settings);
    void fillFontList(int message, const QString &fontName);

    void tabClicked(int index);
    void previewFont(int message);
    void upPasteText();
    void loadPicture();
    void loadChosenPicture(const QString &fileName);
    void savePicture();
    void saveChosenPicture(const QString &fileName);
    void send();
    void refreshUsageMeter();
    // The controls as the settings file holds them.
    [[nodiscard]] SketchSettings currentSettings() const;
    void storeSettings();

    FontPictureDependencies m_deps;
    std::unique_ptr<Ui::FontPictureWindow> m_ui; // set up before the members built on its controls
    MessageBank m_bank;
    std::array<Editor, MessageBank::MessageCount> m_editors;
    QStringList m_fontFamilies;
    QImage m_meter;
    QString m_fileName; // the name the file dialogs share
    int m_current = 0;
    SendController m_send;
    PortBox *m_portBox = nullptr;
};

} // namespace lume
