#pragma once

#include "drawingsurface.h"
#include "fontlist.h"
#include "sketchsettings.h"

#include "badgelink/badgesender.h"
#include "badgelink/messagebank.h"
#include "badgelink/userprompt.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollBar;
class QTabWidget;

namespace lume {

class FileDialogs;
class SerialControl;
class UserPrompt;

// What the window needs from outside; tests give fakes for all of it.
struct FontPictureDependencies
{
    SerialControl &port;
    UserPrompt &prompt;
    FileDialogs &dialogs;
    QString settingsPath; // Lumeset.ini
    std::function<QString(int comNumber)> portDevice; // the device behind "COMn", for tooltips
    // Lists the ports again when the port list opens: (n, tooltip) of every "COMn"; empty: never.
    std::function<QList<std::pair<int, QString>>()> listPorts {};
};

// Shows one drawing surface, its left edge moved by the preview's scroll value.
class SurfaceView final : public QWidget
{
public:
    SurfaceView(const DrawingSurface &surface, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const DrawingSurface &m_surface;
};

// Sketchlume's window Form1. The controls carry the design's names; the work is done by the
// composing functions, the settings functions and BadgeSender.
class FontPictureWindow final : public QWidget, private ProgressDisplay
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 673;
    static constexpr int ClientHeight = 507;
    static constexpr int ViewportWidth = 589;
    static constexpr int ScrollMaximum = DrawingSurface::Width - ViewportWidth; // 3507
    static const QString LoadFilter;
    static const QString SaveFilter;

    // Builds the controls and runs the start-up sequence: restore, font lists, empty bank, first
    // message shown, port probe and preselection.
    explicit FontPictureWindow(FontPictureDependencies dependencies, QWidget *parent = nullptr);
    ~FontPictureWindow() override;

    [[nodiscard]] const MessageBank &bank() const { return m_bank; }
    [[nodiscard]] int currentMessage() const { return m_current; }
    [[nodiscard]] const DrawingSurface &surface(int message) const { return m_editors[message].surface; }
    [[nodiscard]] const QImage &usageMeter() const { return m_meter; }
    // The name the file dialogs share.
    [[nodiscard]] const QString &dialogFileName() const { return m_fileName; }
    [[nodiscard]] bool isSending() const { return m_sender.isSending(); }

    // The controls as the settings file holds them.
    [[nodiscard]] SketchSettings currentSettings() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Editor
    {
        DrawingSurface surface;
        QGroupBox *frame1 = nullptr;
        QFrame *picture1 = nullptr;
        SurfaceView *picBox = nullptr;
        QScrollBar *hScroll = nullptr;
        QGroupBox *frame2 = nullptr;
        QPlainTextEdit *txtBox = nullptr;
        QComboBox *fntName = nullptr;
        QComboBox *fntSize = nullptr;
        QCheckBox *chkBold = nullptr;
        QComboBox *comMod = nullptr;
        QCheckBox *chkFls = nullptr;
        QComboBox *movSpeed = nullptr;
    };

    void buildSharedControls();
    void buildEditor(int message);
    void connectControls();
    void startUp();
    void restore(const SketchSettings &settings);
    void fillFontList(int message, const QString &fontName);
    void runPortProbe();
    void showPortDevice(const QString &portText);

    void tabClicked(int index);
    void scrollPreview(int message, int value);
    void previewFont(int message);
    void upPasteText();
    void loadPicture();
    void loadChosenPicture(const QString &fileName);
    void savePicture();
    void saveChosenPicture(const QString &fileName);
    void send();
    void refreshUsageMeter();
    void storeSettings();

    void setProgressRange(int minimum, int maximum) override;
    void setProgressValue(int value) override;

    FontPictureDependencies m_deps;
    MessageBank m_bank;
    std::array<Editor, MessageBank::MessageCount> m_editors;
    QStringList m_fontFamilies;
    QImage m_meter;
    QString m_fileName;
    int m_current = 0;
    BadgeSender m_sender;

    QLabel *m_label1 = nullptr;
    QTabWidget *m_tabStrip = nullptr;
    QComboBox *m_topAdj = nullptr;
    QPushButton *m_cmdUpText = nullptr;
    QPushButton *m_cmdLdPic = nullptr;
    QPushButton *m_cmdSvPic = nullptr;
    QComboBox *m_comSele = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QPushButton *m_cmdSend = nullptr;
    QPushButton *m_cmdExit = nullptr;
    QWidget *m_picture2 = nullptr;
};

} // namespace lume
