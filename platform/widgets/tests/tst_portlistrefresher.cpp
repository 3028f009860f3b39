#include "platform/widgets/portlistrefresher.h"

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

} // namespace

class TstPortListRefresher : public QObject
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
        refreshPortsOnDropDown(&box, 16, [&] {
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

    void shouldDoNothingWithoutALister()
    {
        QComboBox box;
        box.addItem("COM1");
        refreshPortsOnDropDown(&box, 16, {});
        QTest::keyClick(&box, Qt::Key_F4);
        box.hidePopup();
        QCOMPARE(box.count(), 1);
    }
};

QTEST_MAIN(TstPortListRefresher)
#include "tst_portlistrefresher.moc"
