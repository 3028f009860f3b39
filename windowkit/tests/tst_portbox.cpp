#include "portbox.h"

#include "fakeserialcontrol.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

using namespace lume;

namespace {

using Ports = QList<std::pair<int, QString>>;

QStringList entriesOf(const QComboBox &box)
{
    QStringList entries;
    for (int i = 0; i < box.count(); ++i)
        entries << box.itemText(i) + u' ' + box.itemData(i, Qt::ToolTipRole).toString();
    return entries;
}

// A program that takes COM1 to COM16, preselecting the first or the last port that opened.
SendProfile upTo16(bool last = false)
{
    SendProfile profile;
    profile.maxPort = 16;
    profile.preselect = [last](const ProbeResult &p) {
        return p.ports.isEmpty() ? QString() : last ? p.ports.last() : p.ports.first();
    };
    return profile;
}

} // namespace

class TstPortBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldListThePortsAgainWhenTheListOpens_data()
    {
        QTest::addColumn<QString>("text"); // the box's text before the list opens
        QTest::addColumn<int>("opening"); // 0: F4, 1: Alt+Down, 2: a click on the box
        QTest::newRow("chosen port stays") << "COM1" << 0;
        QTest::newRow("chosen port that went away") << "COM2" << 1;
        QTest::newRow("typed text") << "com7 " << 2;
        QTest::newRow("empty") << "" << 0;
    }

    void shouldListThePortsAgainWhenTheListOpens()
    {
        QFETCH(QString, text);
        QFETCH(int, opening);
        QComboBox box;
        box.setEditable(true);
        box.addItems({"COM1", "COM2"});
        box.setEditText(text);
        Ports ports {{1, "/dev/ttyS0  built-in serial port (serial8250)"},
                     {3, "/dev/ttyUSB0  QinHeng CH340 serial converter (1a86:7523, ch341)"},
                     {17, "/dev/pts/3  virtual badge (badgesim, pid 42)"}};
        int listings = 0;
        new PortBox(&box, upTo16(), {}, [&] {
            ++listings;
            return ports;
        });
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        if (opening == 0)
            QTest::keyClick(&box, Qt::Key_F4);
        else if (opening == 1)
            QTest::keyClick(&box, Qt::Key_Down, Qt::AltModifier);
        else
            QTest::mouseClick(&box, Qt::LeftButton);
        box.hidePopup();
        QCOMPARE(listings, 1);
        QCOMPARE(entriesOf(box),
                 (QStringList {"COM1 /dev/ttyS0  built-in serial port (serial8250)",
                               "COM3 /dev/ttyUSB0  QinHeng CH340 serial converter (1a86:7523, ch341)"}));
        QCOMPARE(box.currentText(), text);

        // Unplugged and plugged between two openings.
        ports = {{4, "/dev/ttyACM0  USB serial adapter (2341:0043, cdc_acm)"}};
        QTest::keyClick(&box, Qt::Key_F4);
        box.hidePopup();
        QCOMPARE(listings, 2);
        QCOMPARE(entriesOf(box), QStringList {"COM4 /dev/ttyACM0  USB serial adapter (2341:0043, cdc_acm)"});
        QCOMPARE(box.currentText(), text);
    }

    void shouldProbeAndPreselectByTheProgramsRule_data()
    {
        QTest::addColumn<QList<int>>("openable");
        QTest::addColumn<bool>("last"); // the rule: the last entry, else the first
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("first") << QList<int> {2, 5} << false << QStringList {"COM2", "COM5"} << "COM2";
        QTest::newRow("last") << QList<int> {2, 5} << true << QStringList {"COM2", "COM5"} << "COM5";
        QTest::newRow("above the maximum") << QList<int> {3, 17} << true << QStringList {"COM3"} << "COM3";
        QTest::newRow("none") << QList<int> {40} << true << QStringList {} << "";
    }

    void shouldProbeAndPreselectByTheProgramsRule()
    {
        QFETCH(QList<int>, openable);
        QFETCH(bool, last);
        QFETCH(QStringList, entries);
        QFETCH(QString, chosen);
        FakeSerialControl port;
        port.setOpenablePorts(QSet<int>(openable.begin(), openable.end()));
        QComboBox box;
        box.setEditable(true);
        box.addItems({"COM1", "COM8"});
        auto *ports =
            new PortBox(&box, upTo16(last), [](int n) { return QStringLiteral("/dev/fake%1").arg(n); });
        const ProbeResult probe = ports->probe(port);
        QCOMPARE(probe.ports, entries);
        QStringList shown;
        for (int i = 0; i < box.count(); ++i)
            shown << box.itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(box.currentText(), chosen);
        QCOMPARE(box.toolTip(), chosen.isEmpty() ? QString() : "/dev/fake" + chosen.mid(3));
        QVERIFY(!port.isOpen());
    }

    void shouldShowTheDeviceOfTheTextAsTooltip()
    {
        QComboBox box;
        box.setEditable(true);
        Ports ports {{1, "/dev/ttyS1"}, {3, "/dev/ttyUSB0"}};
        auto *portBox = new PortBox(&box, upTo16(), {}, [&] { return ports; });
        portBox->refresh();
        box.setCurrentIndex(1);
        QCOMPARE(box.toolTip(), QStringLiteral("/dev/ttyUSB0"));
        box.setEditText("com3"); // no entry: no device
        QCOMPARE(box.toolTip(), QString());
        box.setEditText("COM3");
        QCOMPARE(box.toolTip(), QStringLiteral("/dev/ttyUSB0"));
        // Listed again, COM3 now stands for another device.
        ports = {{3, "/dev/ttyACM0"}};
        portBox->refresh();
        QCOMPARE(box.toolTip(), QStringLiteral("/dev/ttyACM0"));
    }

    void shouldDoNothingWithoutALister()
    {
        QComboBox box;
        box.addItem("COM1");
        new PortBox(&box, upTo16());
        QTest::keyClick(&box, Qt::Key_F4);
        box.hidePopup();
        QCOMPARE(box.count(), 1);
    }
};

QTEST_MAIN(TstPortBox)
#include "tst_portbox.moc"
