// Makes the guide's screenshots from the real windows, offscreen: each window is built as its
// main.cpp builds it, driven through its controls by their object names, and grabbed.
//   guideshots OUTPUT_FOLDER
// The ports lead to devices that do not exist, so a Send shows the port failure and opens nothing.
#include "filedialogs.h"
#include "fontpicturewindow.h"
#include "form1.h"
#include "messageboxprompt.h"

#include "badgesender.h"
#include "portdiagnosis.h"
#include "qtserialcontrol.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <cstdio>

namespace {

QString g_output;

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "guideshots: %s\n", qPrintable(why));
    std::exit(1);
}

template<typename T> T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        fail(QStringLiteral("no %1 in %2").arg(QLatin1String(name), window->objectName()));
    return found;
}

void save(QWidget *widget, const QString &name)
{
    QCoreApplication::processEvents();
    const QString path = g_output + u'/' + name;
    if (!widget->grab().save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s\n", qPrintable(path));
}

// The failure box that a Send left on the window, with its details shown, then closed.
void saveFailureBox(QWidget *window, const QString &name)
{
    QMessageBox *box = nullptr;
    for (int i = 0; i < 100 && !box; ++i) {
        for (QMessageBox *candidate : window->findChildren<QMessageBox *>()) {
            if (candidate->isVisible())
                box = candidate;
        }
        if (!box)
            QTest::qWait(50); // the Send reports on the event loop
    }
    if (!box)
        fail(QStringLiteral("no message box after Send"));
    for (QAbstractButton *button : box->buttons()) {
        if (box->buttonRole(button) == QMessageBox::ActionRole)
            button->click(); // "Show Details..."
    }
    // Wide enough to read the explanation without scrolling (the box fits itself to a screen
    // that offscreen is small), grabbed before it fits itself again.
    QCoreApplication::processEvents();
    for (QWidget *details : box->findChildren<QTextEdit *>())
        details->setMinimumHeight(150);
    box->setFixedSize(640, box->layout()->totalMinimumSize().height());
    box->layout()->activate();
    const QString path = g_output + u'/' + name;
    if (!box->grab().save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s\n", qPrintable(path));
    box->done(QMessageBox::Ok);
}

// The port that the Send is to use; its device does not exist.
void choosePort(QWidget *window)
{
    auto *port = child<QComboBox>(window, "ComSele");
    if (port->findText(QStringLiteral("COM1")) < 0)
        port->addItem(QStringLiteral("COM1"));
    port->setCurrentIndex(port->findText(QStringLiteral("COM1")));
}

// The start of a preview, magnified so that single LEDs show.
void saveMagnified(QWidget *preview, int width, const QString &name)
{
    QCoreApplication::processEvents();
    const QImage strip = preview->grab(QRect(0, 0, width, preview->height())).toImage();
    const QString path = g_output + u'/' + name;
    if (!strip.scaled(strip.size() * 6, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    std::printf("%s\n", qPrintable(path));
}

// A picture of the badge's height as a drawing program would save it: a heart and a word.
QString makePicture(const QString &folder)
{
    QImage image(64, 12, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    const QPoint heart[] = {{5, 10}, {0, 4}, {0, 2}, {2, 0},  {4, 0},
                            {5, 2},  {6, 0}, {8, 0}, {10, 2}, {10, 4}};
    painter.drawPolygon(heart, int(std::size(heart)));
    QFont font(QStringLiteral("DejaVu Sans"), 7, QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias); // a badge picture has no shades
    painter.setFont(font);
    painter.drawText(QRect(14, 0, 50, 12), Qt::AlignCenter, QStringLiteral("LUME"));
    painter.end();
    const QString path = folder + QStringLiteral("/heart.png");
    if (!image.save(path))
        fail(QStringLiteral("cannot write %1").arg(path));
    return path;
}

class PictureDialogs final : public lume::FileDialogs
{
public:
    explicit PictureDialogs(QString picture)
        : m_picture(std::move(picture))
    { }
    void chooseOpenFile(const QString &, const QString &, Done done) override { done(m_picture); }
    void chooseSaveFile(const QString &, const QString &, Done done) override { done({}); }

private:
    QString m_picture;
};

QString missingDevice(int comNumber)
{
    return QStringLiteral("/dev/lume-guide/ttyUSB%1").arg(comNumber - 1);
}

QList<std::pair<int, QString>> onePort()
{
    return {{1, QStringLiteral("/dev/ttyUSB0: USB serial adapter")}};
}

void sketchlume(const QString &folder)
{
    lume::QtSerialControl port(missingDevice);
    lume::MessageBoxPrompt prompt;
    PictureDialogs dialogs(makePicture(folder));
    lume::FontPictureWindow window({port, prompt, dialogs, folder + QStringLiteral("/Lumeset.ini"),
                                    [](int) { return QStringLiteral("/dev/ttyUSB0"); }, onePort,
                                    lume::PortDiagnostics::systemExplainer()});
    prompt.setParentWidget(&window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("Sketchlume's window did not show"));

    child<QPlainTextEdit>(&window, "TxtBox0")->setPlainText(QStringLiteral("Hello, badge!"));
    save(&window, QStringLiteral("sketchlume-typed.png"));
    child<QPushButton>(&window, "CmdUpText")->click();
    save(&window, QStringLiteral("sketchlume-pasted.png"));

    child<QTabWidget>(&window, "TabStrip1")->setCurrentIndex(1);
    child<QPushButton>(&window, "CmdLdPic")->click();
    save(&window, QStringLiteral("sketchlume-picture.png"));
    saveMagnified(child<QWidget>(&window, "Picture1Inside1"), 80,
                  QStringLiteral("sketchlume-picture-leds.png"));

    choosePort(&window);
    child<QPushButton>(&window, "CmdSend")->click();
    saveFailureBox(&window, QStringLiteral("sketchlume-port-failure.png"));
}

void scriptlume(const QString &folder)
{
    lume::QtSerialControl serial(missingDevice);
    lume::MessageBoxPrompt prompt;
    lume::Form1 window({.port = serial,
                        .prompt = prompt,
                        .settingsPath = folder + QStringLiteral("/Scriptlume.ini"),
                        .fontSearchDirs = {},
                        .portDevice = [](int) { return QStringLiteral("/dev/ttyUSB0"); },
                        .listPorts = onePort,
                        .explainFailure = lume::PortDiagnostics::systemExplainer()});
    prompt.setParentWidget(&window);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        fail(QStringLiteral("Scriptlume's window did not show"));
    child<QLineEdit>(&window, "TxtMsg0")->setText(QStringLiteral("Hello 你好"));
    child<QLineEdit>(&window, "TxtMsg1")->setText(QStringLiteral("Welcome 欢迎光临"));
    child<QLineEdit>(&window, "TxtMsg2")->setText(QStringLiteral("Café 안녕"));
    save(&window, QStringLiteral("scriptlume-compose.png"));

    choosePort(&window);
    child<QPushButton>(&window, "CmdSend")->click();
    saveFailureBox(&window, QStringLiteral("scriptlume-port-failure.png"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    if (argc != 2)
        fail(QStringLiteral("usage: guideshots OUTPUT_FOLDER"));
    g_output = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir work;
    if (!work.isValid())
        fail(QStringLiteral("no temporary folder"));
    sketchlume(work.path());
    scriptlume(work.path());
    return 0;
}
