#include "fontpicturewindow.h"

#include "bankpreview.h"
#include "composer.h"
#include "filedialogs.h"
#include "pictureio.h"
#include "sketchsendprofile.h"
#include "usagemeter.h"

#include "badgelink/serialcontrol.h"
#include "platform/profilefile.h"
#include "platform/widgets/captionfit.h"
#include "platform/widgets/portlistrefresher.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>

namespace lume {

const QString FontPictureWindow::LoadFilter =
    QStringLiteral("Picture(*.bmp;*.gif;*.jpg;*.ico)|*.bmp;*.gif;*.jpg;*.ico");
const QString FontPictureWindow::SaveFilter = QStringLiteral("Picture(*.bmp)|*.bmp");

namespace {
constexpr int ProbedPorts = 32;
constexpr const char *MessageProperty = "lumeMessage";

// The usage meter Picture2: black, the 512 x 12 meter drawn inside its border.
class MeterView final : public QWidget
{
public:
    MeterView(const QImage &meter, QWidget *parent)
        : QWidget(parent)
        , m_meter(meter)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawImage(QPoint(2, 2), m_meter);
    }

private:
    const QImage &m_meter;
};

QLabel *makeLabel(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QComboBox *makeCombo(const QString &name, const QStringList &entries, const QString &text,
                     const QRect &geometry, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    // A typed text is the setting as it stands; it never joins the list, and no completion turns
    // a typed "1" into "10" or "com1" into "COM1" when the box loses the focus.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(entries);
    combo->setCurrentText(text);
    combo->setGeometry(geometry);
    return combo;
}

QPushButton *makeButton(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    return button;
}

QCheckBox *makeCheckBox(const QString &name, const QString &text, const QRect &geometry, QWidget *parent)
{
    auto *box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setGeometry(geometry);
    // The greyed state comes only from the settings file; a click leaves it for good.
    QObject::connect(box, &QCheckBox::stateChanged, box, [box](int state) {
        if (state != Qt::PartiallyChecked && box->isTristate())
            box->setTristate(false);
    });
    return box;
}

int storedState(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Checked:
        return StoredChecked;
    case Qt::PartiallyChecked:
        return StoredGreyed;
    case Qt::Unchecked:
        break;
    }
    return StoredUnchecked;
}

void setStoredState(QCheckBox *box, int state)
{
    box->setTristate(state == StoredGreyed);
    box->setCheckState(state == StoredGreyed        ? Qt::PartiallyChecked
                           : state == StoredChecked ? Qt::Checked
                                                    : Qt::Unchecked);
}

QStringList numberEntries(int first, int last)
{
    QStringList entries;
    for (int n = first; n <= last; ++n)
        entries << QString::number(n);
    return entries;
}

QFont designFont(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

SurfaceView::SurfaceView(const DrawingSurface &surface, QWidget *parent)
    : QWidget(parent)
    , m_surface(surface)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SurfaceView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect().topLeft(), m_surface.image(), event->rect());
}

FontPictureWindow::FontPictureWindow(FontPictureDependencies dependencies, QWidget *parent)
    : QWidget(parent)
    , m_deps(std::move(dependencies))
    , m_meter(usagemeter::Width, usagemeter::Height, QImage::Format_RGB32)
    , m_sender(m_deps.port, m_deps.prompt, *this, sketchSendProfile())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Sketchlume Ver 2.00"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(designSystemFont(9.75, true));
    m_meter.fill(qRgb(0, 0, 0));

    buildSharedControls();
    fitCaptionFonts(this);
    connectControls();
    startUp();
}

FontPictureWindow::~FontPictureWindow() = default;

void FontPictureWindow::buildSharedControls()
{
    m_label1 = makeLabel(QStringLiteral("Label1"), QStringLiteral("  Sketchlume  "), {8, 4, 657, 39}, this);
    m_label1->setAlignment(Qt::AlignCenter);
    QFont titleFont = designFont(QStringLiteral("Arial Black"), 21.75, true);
    titleFont.setUnderline(true);
    m_label1->setFont(titleFont);
    QPalette titlePalette = m_label1->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    m_label1->setPalette(titlePalette);

    m_tabStrip = new QTabWidget(this);
    m_tabStrip->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip->setGeometry(8, 48, 657, 381);
    // All eight tabs in view, as on the badge's original window, rather than behind scroll arrows.
    m_tabStrip->setUsesScrollButtons(false);
    m_tabStrip->setElideMode(Qt::ElideNone);
    // The style's own tab padding leaves no room for eight captions in 657 pixels.
    m_tabStrip->tabBar()->setStyleSheet(
        QStringLiteral("QTabBar::tab { padding: 3px 5px; margin-right: 1px; border: 1px solid palette(mid);"
                       " border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px;"
                       " background: palette(button); }"
                       "QTabBar::tab:selected { background: palette(window); }"
                       "QTabBar::tab:!selected { margin-top: 2px; }"));
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        m_tabStrip->addTab(new QWidget, QStringLiteral("Message%1").arg(m + 1));

    // The editors lie over the tab strip's page area.
    for (int m = 0; m < MessageBank::MessageCount; ++m)
        buildEditor(m);

    auto *frame5 = new QFrame(this);
    frame5->setObjectName(QStringLiteral("Frame5"));
    frame5->setGeometry(28, 383, 145, 33);
    frame5->setFrameShape(QFrame::NoFrame);
    makeLabel(QStringLiteral("Label6"), QStringLiteral("Top Location Adjust:"), {0, 8, 145, 25}, frame5);
    m_topAdj = makeCombo(QStringLiteral("TopAdj"), numberEntries(-3, 3), QStringLiteral("-1"),
                         {168, 389, 41, 24}, this);
    m_cmdUpText =
        makeButton(QStringLiteral("CmdUpText"), QStringLiteral("Up Paste Text"), {232, 390, 121, 25}, this);
    m_cmdLdPic =
        makeButton(QStringLiteral("CmdLdPic"), QStringLiteral("Load Picture"), {376, 390, 121, 25}, this);
    m_cmdSvPic =
        makeButton(QStringLiteral("CmdSvPic"), QStringLiteral("Save Picture"), {520, 390, 121, 25}, this);

    makeLabel(QStringLiteral("Label4"), QStringLiteral("Port:"), {16, 444, 49, 17}, this);
    QStringList designPorts;
    for (int n = 1; n <= 8; ++n)
        designPorts << QStringLiteral("COM%1").arg(n);
    m_comSele =
        makeCombo(QStringLiteral("ComSele"), designPorts, QStringLiteral("COM1"), {56, 442, 65, 24}, this);
    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    m_progressBar->setGeometry(144, 445, 225, 19);
    m_progressBar->setRange(0, 19);
    m_progressBar->setValue(0);
    m_progressBar->setTextVisible(false);
    m_cmdSend = makeButton(QStringLiteral("CmdSend"), QStringLiteral("Send"), {392, 442, 121, 25}, this);
    m_cmdExit = makeButton(QStringLiteral("CmdExit"), QStringLiteral("Exit"), {536, 442, 121, 25}, this);

    makeLabel(QStringLiteral("Label8"), QStringLiteral("Used->"), {24, 480, 49, 17}, this);
    m_picture2 = new MeterView(m_meter, this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    m_picture2->setGeometry(80, 482, 516, 15);
    makeLabel(QStringLiteral("Label9"), QStringLiteral("<-Free"), {608, 480, 57, 17}, this);
}

void FontPictureWindow::buildEditor(int m)
{
    Editor &e = m_editors[m];
    const QString k = QString::number(m);
    auto name = [&k](const char *base) { return QLatin1String(base) + k; };

    e.frame1 = new QGroupBox(QStringLiteral("Message%1 Show Image:").arg(m + 1), this);
    e.frame1->setObjectName(name("Frame1"));
    e.frame1->setGeometry(24, 76, 625, 81);
    e.frame1->hide();
    e.picture1 = new QFrame(e.frame1);
    e.picture1->setObjectName(name("Picture1"));
    e.picture1->setGeometry(16, 24, 593, 16);
    e.picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    e.picture1->setLineWidth(2);
    e.picture1->setFont(designFont(QStringLiteral("Tahoma"), 9, false));
    // The inner 589 x 12 pixels clip the surface, which moves left as the preview scrolls.
    auto *viewport = new QWidget(e.picture1);
    viewport->setObjectName(name("Picture1Inside"));
    viewport->setGeometry(e.picture1->contentsRect());
    e.picBox = new SurfaceView(e.surface, viewport);
    e.picBox->setObjectName(name("PicBox"));
    e.picBox->setGeometry(0, 0, DrawingSurface::Width, DrawingSurface::Height);
    e.picBox->setFont(designFont(QStringLiteral("Tahoma"), 12, true));
    e.hScroll = new QScrollBar(Qt::Horizontal, e.frame1);
    e.hScroll->setObjectName(name("HScroll1"));
    e.hScroll->setGeometry(16, 48, 593, 17);
    e.hScroll->setRange(0, ScrollMaximum);
    e.hScroll->setSingleStep(50);
    e.hScroll->setPageStep(500);
    e.hScroll->setTracking(false); // the preview follows a dragged thumb when it is released

    e.frame2 = new QGroupBox(this);
    e.frame2->setObjectName(name("Frame2"));
    e.frame2->setGeometry(24, 160, 625, 217);
    e.frame2->hide();
    e.txtBox = new QPlainTextEdit(e.frame2);
    e.txtBox->setObjectName(name("TxtBox"));
    e.txtBox->setGeometry(16, 24, 593, 49);
    e.txtBox->setPlainText(QStringLiteral("Message%1\n").arg(m + 1));

    auto *frame3 = new QGroupBox(e.frame2);
    frame3->setObjectName(name("Frame3"));
    frame3->setGeometry(16, 80, 593, 57);
    makeLabel(name("Label5"), QStringLiteral("Font Name:"), {24, 22, 89, 17}, frame3);
    e.fntName = makeCombo(name("FntName"), {}, QStringLiteral("System"), {104, 20, 193, 24}, frame3);
    makeLabel(name("Label7"), QStringLiteral("Font Size:"), {328, 22, 81, 17}, frame3);
    e.fntSize =
        makeCombo(name("FntSize"), numberEntries(6, 14), QStringLiteral("10"), {400, 20, 49, 24}, frame3);
    e.chkBold = makeCheckBox(name("ChkBold"), QStringLiteral("Font Bold"), {488, 22, 89, 17}, frame3);

    auto *frame4 = new QGroupBox(e.frame2);
    frame4->setObjectName(name("Frame4"));
    frame4->setGeometry(16, 144, 593, 57);
    makeLabel(name("Label3"), QStringLiteral("Move Direction:"), {24, 22, 113, 17}, frame4);
    e.comMod = makeCombo(name("ComMod"), sketchDirections(), QStringLiteral("From right to left"),
                         {136, 20, 145, 24}, frame4);
    e.chkFls = makeCheckBox(name("ChkFls"), QStringLiteral("Flash"), {320, 22, 81, 17}, frame4);
    makeLabel(name("Label2"), QStringLiteral("Move Speed:"), {416, 22, 105, 17}, frame4);
    e.movSpeed = makeCombo(name("MovSpeed"), speedEntries(), QStringLiteral("4"), {512, 20, 49, 24}, frame4);

    // The font preview follows the font-name box losing the focus, which an editable combo box
    // may hand to its line edit.
    for (QObject *watched :
         {static_cast<QObject *>(e.fntName), static_cast<QObject *>(e.fntName->lineEdit())}) {
        watched->setProperty(MessageProperty, m);
        watched->installEventFilter(this);
    }
}

void FontPictureWindow::connectControls()
{
    connect(m_tabStrip, &QTabWidget::currentChanged, this, &FontPictureWindow::tabClicked);
    auto *bankPreview = new BankPreview(m_bank, this);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        bankPreview->watch(m_editors[m].picture1, m);
        connect(m_editors[m].hScroll, &QScrollBar::valueChanged, this,
                [this, m](int value) { scrollPreview(m, value); });
    }
    connect(m_cmdUpText, &QPushButton::clicked, this, &FontPictureWindow::upPasteText);
    connect(m_cmdLdPic, &QPushButton::clicked, this, &FontPictureWindow::loadPicture);
    connect(m_cmdSvPic, &QPushButton::clicked, this, &FontPictureWindow::savePicture);
    connect(m_cmdSend, &QPushButton::clicked, this, &FontPictureWindow::send);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_comSele, &QComboBox::currentTextChanged, this, &FontPictureWindow::showPortDevice);
}

void FontPictureWindow::startUp()
{
    m_fontFamilies = composerFontFamilies();
    restore(restoreSketchSettings(ProfileFile(m_deps.settingsPath)));

    // Every message starts empty, whatever texts were restored.
    m_bank.setWidths({});
    m_bank.setUsedTotal(0);

    m_current = 0;
    m_editors[0].frame1->show();
    m_editors[0].frame2->show();

    runPortProbe();
    showTextStarts(this);
}

void FontPictureWindow::restore(const SketchSettings &settings)
{
    m_topAdj->setCurrentText(settings.topLocationAdjust);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const SketchMessageSettings &s = settings.messages[m];
        Editor &e = m_editors[m];
        e.fntSize->setCurrentText(s.fontSize);
        setStoredState(e.chkBold, s.fontBold);
        fillFontList(m, s.fontName);
        e.comMod->setCurrentText(s.moveDirection);
        setStoredState(e.chkFls, s.flash);
        e.movSpeed->setCurrentText(s.moveSpeed);
        e.txtBox->setPlainText(s.text);
    }
}

void FontPictureWindow::fillFontList(int m, const QString &fontName)
{
    Editor &e = m_editors[m];
    e.fntName->clear();
    e.fntName->addItems(m_fontFamilies);
    const qsizetype index = fontListSelection(m_fontFamilies, fontName);
    if (index < 0) {
        e.fntName->setCurrentText(fontName); // no fonts at all: keep the name as it was
        return;
    }
    e.fntName->setCurrentIndex(int(index));
    QFont font = e.txtBox->font();
    font.setFamily(drawingFamily(m_fontFamilies[index]));
    e.txtBox->setFont(font);
    // The box reports the family it was given; "System" stays the name the list and the settings hold.
    e.fntName->setCurrentText(m_fontFamilies[index]);
}

void FontPictureWindow::runPortProbe()
{
    m_comSele->clear();
    m_comSele->clearEditText();
    const ProbeResult probe = probePorts(m_deps.port, ProbedPorts);
    for (const QString &port : probe.ports) {
        m_comSele->addItem(port);
        const QString device = m_deps.portDevice ? m_deps.portDevice(port.mid(3).toInt()) : QString();
        if (!device.isEmpty())
            m_comSele->setItemData(m_comSele->count() - 1, device, Qt::ToolTipRole);
    }
    const QString chosen = sketchPreselectedPort(probe);
    if (chosen.isEmpty()) {
        m_comSele->setCurrentIndex(-1);
        m_comSele->clearEditText();
    } else {
        m_comSele->setCurrentIndex(m_comSele->findText(chosen));
    }
    showPortDevice(m_comSele->currentText()); // the first entry became current before it had its device
    refreshPortsOnDropDown(m_comSele, ProbedPorts, m_deps.listPorts);
}

void FontPictureWindow::showPortDevice(const QString &portText)
{
    const int index = m_comSele->findText(portText, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    m_comSele->setToolTip(index >= 0 ? m_comSele->itemData(index, Qt::ToolTipRole).toString() : QString());
}

void FontPictureWindow::tabClicked(int index)
{
    if (index < 0 || index >= MessageBank::MessageCount || index == m_current)
        return;
    m_editors[index].frame1->show();
    m_editors[index].frame2->show();
    m_editors[m_current].frame1->hide();
    m_editors[m_current].frame2->hide();
    m_current = index;
}

void FontPictureWindow::scrollPreview(int m, int value)
{
    m_editors[m].picBox->move(-value, 0);
}

bool FontPictureWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Opening the box's own list or switching to another program leaves the user in the box.
    const auto focusLost = [event] {
        if (event->type() != QEvent::FocusOut)
            return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
    };
    if (focusLost()) {
        const QVariant message = watched->property(MessageProperty);
        if (message.isValid())
            previewFont(message.toInt());
    }
    return QWidget::eventFilter(watched, event);
}

void FontPictureWindow::previewFont(int m)
{
    Editor &e = m_editors[m];
    QFont font = e.txtBox->font();
    font.setFamily(drawingFamily(e.fntName->currentText()));
    e.txtBox->setFont(font);
}

void FontPictureWindow::upPasteText()
{
    if (m_sender.refuseWhileSending())
        return;
    Editor &e = m_editors[m_current];
    composeText(m_bank, m_current, e.surface, e.txtBox->toPlainText(),
                drawingFamily(e.fntName->currentText()), e.fntSize->currentText(),
                e.chkBold->checkState() != Qt::Unchecked, m_topAdj->currentText());
    e.picBox->update();
    refreshUsageMeter();
}

void FontPictureWindow::loadPicture()
{
    if (m_sender.refuseWhileSending())
        return;
    m_fileName.clear();
    QPointer<FontPictureWindow> window(this);
    m_deps.dialogs.chooseOpenFile(LoadFilter, m_fileName, [window](const QString &fileName) {
        if (window)
            window->loadChosenPicture(fileName);
    });
}

void FontPictureWindow::loadChosenPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return; // cancelled: the name stays ""
    m_fileName = fileName;
    // The dialog does not block a transfer that was already waiting to start.
    if (m_sender.refuseWhileSending())
        return;
    const PictureLoad picture = lume::loadPicture(fileName);
    if (!picture.ok()) {
        m_deps.prompt.notify(QStringLiteral("Cannot open picture"), QStringLiteral("Load Picture"),
                             picture.error);
        return;
    }
    Editor &e = m_editors[m_current];
    composePicture(m_bank, m_current, e.surface, picture.image);
    e.picBox->update();
    refreshUsageMeter();
}

void FontPictureWindow::savePicture()
{
    QPointer<FontPictureWindow> window(this);
    m_deps.dialogs.chooseSaveFile(SaveFilter, m_fileName, [window](const QString &fileName) {
        if (window)
            window->saveChosenPicture(fileName);
    });
}

void FontPictureWindow::saveChosenPicture(const QString &fileName)
{
    if (fileName.isEmpty())
        return; // cancelled: the last name stays for the next dialog
    m_fileName = fileName;
    const QString error = lume::savePicture(m_editors[m_current].surface.image(), fileName);
    if (!error.isEmpty())
        m_deps.prompt.notify(QStringLiteral("Cannot save picture"), QStringLiteral("Save Picture"), error);
}

void FontPictureWindow::send()
{
    if (m_sender.refuseWhileSending())
        return;
    if (m_bank.usedTotal() < 1) {
        m_deps.prompt.notify(QStringLiteral("Not Images or Text! Don't Sending!"), QStringLiteral("Notice"));
        return;
    }
    if (!m_sender.readComSet(m_comSele->currentText()))
        return;
    m_sender.startTransfer(m_bank, messageSettingsList(currentSettings()));
}

void FontPictureWindow::refreshUsageMeter()
{
    m_bank.setUsedTotal(drawUsageMeter(m_bank, m_meter));
    m_picture2->update();
}

SketchSettings FontPictureWindow::currentSettings() const
{
    SketchSettings s;
    s.topLocationAdjust = m_topAdj->currentText();
    s.commPort = m_comSele->currentText();
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const Editor &e = m_editors[m];
        SketchMessageSettings &ms = s.messages[m];
        ms.text = e.txtBox->toPlainText();
        ms.fontName = e.fntName->currentText();
        ms.fontSize = e.fntSize->currentText();
        ms.fontBold = storedState(e.chkBold);
        ms.moveDirection = e.comMod->currentText();
        ms.flash = storedState(e.chkFls);
        ms.moveSpeed = e.movSpeed->currentText();
    }
    return s;
}

void FontPictureWindow::storeSettings()
{
    ProfileFile file(m_deps.settingsPath);
    storeSketchSettings(file, currentSettings()); // nothing is reported, whatever the outcome
}

void FontPictureWindow::closeEvent(QCloseEvent *event)
{
    const bool sending = m_sender.isSending();
    const bool exit = !sending ||
        m_deps.prompt.askYesNo(QStringLiteral("Sending! Are you exit?"), QStringLiteral("Warning"));
    storeSettings();
    if (!exit) {
        event->ignore();
        return;
    }
    if (m_sender.isSending())
        m_sender.cancel();
    event->accept();
}

void FontPictureWindow::setProgressRange(int minimum, int maximum)
{
    m_progressBar->setRange(minimum, maximum);
}

void FontPictureWindow::setProgressValue(int value)
{
    m_progressBar->setValue(value);
}

} // namespace lume
