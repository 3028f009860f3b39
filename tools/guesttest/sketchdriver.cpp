// Drives Sketchlume's window in the guest: an adapter plugged in while the window runs must appear
// in ComSele when its list opens, with its identity in the tooltip, and a Send to it must arrive.
//   sketchdriver SETTINGS_FILE TEXT PLUG_REQUEST
// Controls are found by their object names only. Exit status 0 when the transfer ran to its end;
// the caller compares what arrived with what lumesend makes of the settings the window left.
#include "sketchlumeprogram.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

[[noreturn]] void fail(const QString &why)
{
    std::printf("sketchdriver: %s\n", qPrintable(why));
    std::fflush(stdout);
    std::_Exit(1);
}

template<typename T> T *control(QWidget *window, const char *name)
{
    auto *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        fail(QStringLiteral("no control %1").arg(QLatin1String(name)));
    return found;
}

QSet<QString> usbDevices()
{
    QSet<QString> devices;
    for (const QString &name : QDir(QStringLiteral("/sys/class/tty")).entryList({QStringLiteral("ttyUSB*")}))
        devices.insert(QStringLiteral("/dev/") + name);
    return devices;
}

// Waits on the event loop, the window kept alive, until the condition holds.
bool waitFor(const std::function<bool()> &condition, int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4)
        fail(QStringLiteral("usage: sketchdriver SETTINGS_FILE TEXT PLUG_REQUEST"));
    // A message box would wait for a click that never comes: name it and fail.
    QTimer boxWatch;
    QObject::connect(&boxWatch, &QTimer::timeout, &app, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            fail(QStringLiteral("a message box appeared: %1 %2")
                     .arg(box->windowTitle(), box->property("text").toString()));
    });
    boxWatch.start(100);

    // Sketchlume as its program builds it, with the settings file given.
    lume::SketchlumeProgram sketch(QString::fromLocal8Bit(argv[1]));
    QWidget *window = &sketch.window();
    window->show();
    control<QPlainTextEdit>(window, "TxtBox0")->setPlainText(QString::fromLocal8Bit(argv[2]));
    // Empty messages stay empty in lumesend's reading of the settings, as in the window.
    for (int m = 1; m < 8; ++m) {
        const QByteArray name = "TxtBox" + QByteArray::number(m);
        control<QPlainTextEdit>(window, name.constData())->setPlainText(QString());
    }
    QTest::mouseClick(control<QPushButton>(window, "CmdUpText"), Qt::LeftButton);

    const QSet<QString> before = usbDevices();
    std::printf("%s\n", argv[3]);
    std::fflush(stdout);
    QString device;
    if (!waitFor(
            [&] {
                const QSet<QString> now = usbDevices() - before;
                device = now.isEmpty() ? QString() : *now.begin();
                return !device.isEmpty() && QFile::exists(device);
            },
            20000))
        fail(QStringLiteral("no adapter appeared"));

    auto *box = control<QComboBox>(window, "ComSele");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F4); // opens the list, which lists the ports again
    int entry = -1;
    for (int i = 0; i < box->count(); ++i) {
        const QString tip = box->itemData(i, Qt::ToolTipRole).toString();
        std::printf("sketchdriver: %s  %s\n", qPrintable(box->itemText(i)), qPrintable(tip));
        if (tip.startsWith(device + QLatin1Char(' ')) && tip.contains(QLatin1String("0403:6001")) &&
            tip.contains(QLatin1String("ftdi_sio")))
            entry = i;
    }
    box->hidePopup();
    if (entry < 0)
        fail(QStringLiteral("%1 is not in the open list with its identity").arg(device));
    box->setCurrentIndex(entry);

    QTest::mouseClick(control<QPushButton>(window, "CmdSend"), Qt::LeftButton);
    if (!waitFor([&] { return sketch.port().isOpen(); }, 5000))
        fail(QStringLiteral("Send did not open %1").arg(device));
    if (!waitFor([&] { return !sketch.port().isOpen(); }, 30000))
        fail(QStringLiteral("the transfer to %1 did not end").arg(device));
    std::printf("sketchdriver: sent to %s as %s\n", qPrintable(device), qPrintable(box->currentText()));
    window->close(); // writes the settings file
    return 0;
}
