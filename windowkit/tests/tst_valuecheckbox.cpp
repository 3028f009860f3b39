#include "valuecheckbox.h"

#include <QTest>

using namespace lume;

class TstValueCheckBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldHoldTheStoredValue_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("state");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("clicked"); // the value after one click
        QTest::newRow("clear") << 0 << int(Qt::Unchecked) << 0 << 1;
        QTest::newRow("checked") << 1 << int(Qt::Checked) << 1 << 0;
        QTest::newRow("greyed") << 2 << int(Qt::PartiallyChecked) << 2 << 1;
        QTest::newRow("out of range") << 7 << int(Qt::Unchecked) << 0 << 1;
        QTest::newRow("negative") << -1 << int(Qt::Unchecked) << 0 << 1;
    }

    void shouldHoldTheStoredValue()
    {
        QFETCH(int, stored);
        QFETCH(int, state);
        QFETCH(int, value);
        QFETCH(int, clicked);
        ValueCheckBox box;
        box.setValue(checkValueFromStored(stored));
        QCOMPARE(int(box.checkState()), state);
        QCOMPARE(storedNumber(box.value()), value);
        box.click();
        QCOMPARE(storedNumber(box.value()), clicked);
        // The third state never comes back by clicking.
        for (int i = 0; i < 3; ++i) {
            box.click();
            QVERIFY(box.value() != CheckValue::Greyed);
        }
        QVERIFY(!box.isTristate());
    }

    void shouldLeaveTheGreyedStateWhenTheProgramClearsIt()
    {
        ValueCheckBox box;
        box.setValue(CheckValue::Greyed);
        box.setCheckState(Qt::Unchecked);
        QVERIFY(!box.isTristate());
        box.click();
        QCOMPARE(box.value(), CheckValue::Checked);
    }
};

QTEST_MAIN(TstValueCheckBox)
#include "tst_valuecheckbox.moc"
