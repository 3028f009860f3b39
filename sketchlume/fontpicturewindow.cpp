#include "fontpicturewindow.h"

#include "bankpreview.h"
#include "composer.h"
#include "filedialogs.h"
#include "meterview.h"
#include "pictureio.h"
#include "sketchsendprofile.h"
#include "sketchusagemeter.h"
#include "ui_fontpicturewindow.h"

#include "accessibility.h"
#include "captionfit.h"
#include "compacttabstyle.h"
#include "designcolours.h"
#include "dropdownwidth.h"
#include "formsetup.h"
#include "pagekeys.h"
#include "portbox.h"
#include "profilefile.h"
#include "valuecheckbox.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QLineEdit>

#include <numeric>

namespace lume {

namespace {
constexpr const char *MessageProperty = "lumeMessage";
} // namespace

FontPictureWindow::FontPictureWindow(FontPictureDependencies dependencies, QWidget *parent)
    : QWidget(parent)
    , m_deps(std::move(dependencies))
    , m_ui(setUpForm<Ui::FontPictureWindow>(this))
    , m_meter(usagemeter::Width, usagemeter::Height, QImage::Format_RGB32)
    , m_send(m_ui->ProgressBar1, m_deps.prompt, m_deps.port, sketchSendProfile(m_deps.explainFailure),
             {tr("Not Images or Text! Don't Sending!"), tr("Notice"), tr("Sending! Are you exit?"),
              tr("Warning")})
{
    setFont(designSystemFont(9.75, true));
    m_meter.fill(qRgb(0, 0, 0));
    setUpControls();
    fitCaptionFonts(this);
    connectControls();
    startUp();
}

FontPictureWindow::~FontPictureWindow() = default;

// Token pasting gathers the eight copies the form names Frame10 .. Frame17, TxtBox0 .. TxtBox7.
#define LUME_EDITOR(k)                                                                                       \
    Editor                                                                                                   \
    {                                                                                                        \
        m_ui->Frame1##k, m_ui->Picture1##k, m_ui->Picture1Inside##k, m_ui->HScroll1##k, m_ui->Frame2##k,     \
            m_ui->TxtBox##k, m_ui->FntName##k, m_ui->FntSize##k, m_ui->ChkBold##k, m_ui->ComMod##k,          \
            m_ui->ChkFls##k, m_ui->MovSpeed##k, nullptr, DrawingSurface()                                    \
    }

void FontPictureWindow::setUpControls()
{
    m_editors = {LUME_EDITOR(0), LUME_EDITOR(1), LUME_EDITOR(2), LUME_EDITOR(3),
                 LUME_EDITOR(4), LUME_EDITOR(5), LUME_EDITOR(6), LUME_EDITOR(7)};
    // A form holds whole points only; the design's title has 21.75.
    QFont title = m_ui->Label1->font();
    title.setPointSizeF(21.75);
    m_ui->Label1->setFont(title);
    // The style's own tab padding leaves no room for eight captions in 657 pixels.
    CompactTabStyle::applyTo(m_ui->TabStrip1->tabBar());
    keepDesignColours(m_ui->Label1, m_ui->Label1->palette().color(QPalette::WindowText));
    QFont picBoxFont(QStringLiteral("Tahoma"));
    picBoxFont.setPointSizeF(12);
    picBoxFont.setBold(true);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        Editor &e = m_editors[m];
        // The surface, 4096 pixels wide, moves left inside Picture1 as the preview scrolls.
        e.picBox = new SurfaceView(e.surface, e.inside);
        e.picBox->setObjectName(QStringLiteral("PicBox%1").arg(m));
        e.picBox->setGeometry(0, 0, DrawingSurface::Width, DrawingSurface::Height);
        e.picBox->setFont(picBoxFont);
        // The lists the transfer reads back as text come from its own tables.
        e.comMod->addItems(sketchDirections());
        e.movSpeed->addItems(speedEntries());
        e.movSpeed->setCurrentText(QStringLiteral("4"));
    }
    m_ui->Picture2->setMeter(&m_meter);
    // A typed text is the setting as it stands; no completion turns a typed "1" into "10" or
    // "com1" into "COM1" when the box loses the focus.
    for (QComboBox *box : findChildren<QComboBox *>())
        box->setCompleter(nullptr);
}

#undef LUME_EDITOR

void FontPictureWindow::connectControls()
{
    connect(m_ui->TabStrip1, &QTabWidget::currentChanged, this, &FontPictureWindow::tabClicked);
    focusPageOnKeys(m_ui->TabStrip1, [this](int page) { return m_editors[page].txtBox; });
    auto *bankPreview = new BankPreview(m_bank, this);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        Editor &e = m_editors[m];
        bankPreview->watch(e.picture1, m);
        connect(e.hScroll, &QScrollBar::valueChanged, e.picBox,
                [&e](int value) { e.picBox->move(-value, 0); });
        // The font preview follows the font-name box losing the focus, which an editable combo box
        // may hand to its line edit.
        for (QObject *watched :
             {static_cast<QObject *>(e.fntName), static_cast<QObject *>(e.fntName->lineEdit())}) {
            watched->setProperty(MessageProperty, m);
            watched->installEventFilter(this);
        }
    }
    connect(m_ui->CmdUpText, &QPushButton::clicked, this, &FontPictureWindow::upPasteText);
    connect(m_ui->CmdLdPic, &QPushButton::clicked, this, &FontPictureWindow::loadPicture);
    connect(m_ui->CmdSvPic, &QPushButton::clicked, this, &FontPictureWindow::savePicture);
    connect(m_ui->CmdSend, &QPushButton::clicked, this, &FontPictureWindow::send);
    connect(m_ui->CmdExit, &QPushButton::clicked, this, &QWidget::close);
    m_portBox = new PortBox(m_ui->ComSele, sketchSendProfile(), m_deps.portDevice, m_deps.listPorts);
}

void FontPictureWindow::startUp()
{
    m_fontFamilies = composerFontFamilies();
    restore(readSketchSettings(ProfileFile(m_deps.settingsPath)));

    // Every message starts empty, whatever texts were restored.
    m_bank.setWidths({});
    m_bank.setUsedTotal(0);

    m_current = 0;
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        m_editors[m].frame1->setVisible(m == 0);
        m_editors[m].frame2->setVisible(m == 0);
    }

    m_portBox->probe(m_deps.port);
    showTextStarts(this);
    fitListTextFonts(this);
    fitDropDownWidths(this); // the font lists are filled now; the port box fits its own
}

void FontPictureWindow::restore(const SketchSettings &settings)
{
    m_ui->TopAdj->setCurrentText(settings.topLocationAdjust);
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const SketchMessageSettings &s = settings.messages[m];
        Editor &e = m_editors[m];
        e.fntSize->setCurrentText(s.fontSize);
        e.chkBold->setValue(s.fontBold);
        fillFontList(m, s.fontName);
        e.comMod->setCurrentText(s.moveDirection);
        e.chkFls->setValue(s.flash);
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

bool FontPictureWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Opening the box's own list or switching to another program leaves the user in the box.
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        const QVariant message = watched->property(MessageProperty);
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && message.isValid())
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
    if (m_send.refuseWhileSending())
        return;
    Editor &e = m_editors[m_current];
    composeText(m_bank, m_current, e.surface, e.txtBox->toPlainText(),
                drawingFamily(e.fntName->currentText()), e.fntSize->currentText(),
                isChecked(e.chkBold->value()), m_ui->TopAdj->currentText());
    e.picBox->update();
    refreshUsageMeter();
}

void FontPictureWindow::loadPicture()
{
    if (m_send.refuseWhileSending())
        return;
    m_fileName.clear();
    QPointer<FontPictureWindow> window(this);
    const QString filter = pictureOpenFilter(tr(LoadFilter));
    m_deps.dialogs.chooseOpenFile(filter, m_fileName, [window](const QString &fileName) {
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
    if (m_send.refuseWhileSending())
        return;
    const PictureLoad picture = lume::loadPicture(fileName);
    if (!picture.ok()) {
        m_deps.prompt.notify(tr("Cannot open picture"), tr("Load Picture"), {picture.error});
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
    m_deps.dialogs.chooseSaveFile(tr(SaveFilter), m_fileName, [window](const QString &fileName) {
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
        m_deps.prompt.notify(tr("Cannot save picture"), tr("Save Picture"), {error});
}

void FontPictureWindow::send()
{
    m_send.send(m_bank, m_ui->ComSele->currentText(),
                {[this] { return m_bank.usedTotal() >= 1; },
                 {},
                 [this] { return messageSettingsList(currentSettings()); }});
}

void FontPictureWindow::refreshUsageMeter()
{
    m_bank.setUsedTotal(drawUsageMeter(m_bank, m_meter));
    m_ui->Picture2->update();
    describeUsage(m_ui->Picture2, std::accumulate(m_bank.widths().cbegin(), m_bank.widths().cend(), 0));
}

SketchSettings FontPictureWindow::currentSettings() const
{
    SketchSettings s;
    s.topLocationAdjust = m_ui->TopAdj->currentText();
    s.commPort = m_ui->ComSele->currentText();
    for (int m = 0; m < MessageBank::MessageCount; ++m) {
        const Editor &e = m_editors[m];
        SketchMessageSettings &ms = s.messages[m];
        ms.text = e.txtBox->toPlainText();
        ms.fontName = e.fntName->currentText();
        ms.fontSize = e.fntSize->currentText();
        ms.fontBold = e.chkBold->value();
        ms.moveDirection = e.comMod->currentText();
        ms.flash = e.chkFls->value();
        ms.moveSpeed = e.movSpeed->currentText();
    }
    return s;
}

void FontPictureWindow::storeSettings()
{
    ProfileFile file(m_deps.settingsPath);
    writeSketchSettings(file, currentSettings()); // nothing is reported, whatever the outcome
}

void FontPictureWindow::closeEvent(QCloseEvent *event)
{
    if (m_send.allowClose([this] { storeSettings(); }))
        event->accept();
    else
        event->ignore();
}

} // namespace lume
