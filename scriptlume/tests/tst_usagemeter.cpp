#include "usagemeter.h"

#include <QTest>

using namespace lume;

namespace {

using Widths = std::array<qint16, MessageBank::MessageCount>;
using Selection = std::array<bool, MessageBank::MessageCount>;

// The meter as runs of colour: "colour from..to" for each run of equal pixels in row 0, and every
// row equal to row 0.
QStringList runs(const QImage &meter)
{
    QStringList result;
    int start = 0;
    for (int x = 1; x <= meter.width(); ++x) {
        if (x == meter.width() || meter.pixel(x, 0) != meter.pixel(start, 0)) {
            result << QStringLiteral("%1 %2..%3")
                          .arg(QColor(meter.pixel(start, 0)).name())
                          .arg(start)
                          .arg(x - 1);
            start = x;
        }
    }
    for (int y = 1; y < meter.height(); ++y)
        for (int x = 0; x < meter.width(); ++x)
            if (meter.pixel(x, y) != meter.pixel(x, 0))
                return {QStringLiteral("rows differ at %1,%2").arg(x).arg(y)};
    return result;
}

QImage blackMeter()
{
    QImage meter(UsageMeter::Columns, UsageMeter::Rows, QImage::Format_RGB32);
    meter.fill(Qt::black); // whatever was there: every column must be repainted
    return meter;
}

} // namespace

class TstUsageMeter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldDrawSelectedBarsSideBySide_data()
    {
        QTest::addColumn<Widths>("widths");
        QTest::addColumn<Selection>("selected");
        QTest::addColumn<QStringList>("expected");
        const Selection all {true, true, true, true, true, true, true, true};
        QTest::newRow("nothing") << Widths {} << all << QStringList {"#ffffff 0..511"};
        QTest::newRow("10, unselected 5, 20")
            << Widths {10, 5, 20} << Selection {true, false, true}
            << QStringList {"#ff0000 0..9", "#c0c000 10..29", "#ffffff 30..511"};
        QTest::newRow("selected but empty takes no room")
            << Widths {0, 3, 0, 4} << all << QStringList {"#cf6000 0..2", "#00cf00 3..6", "#ffffff 7..511"};
        QTest::newRow("every colour")
            << Widths {1, 1, 1, 1, 1, 1, 1, 1} << all
            << QStringList {"#ff0000 0..0", "#cf6000 1..1", "#c0c000 2..2", "#00cf00 3..3",  "#00cfcf 4..4",
                            "#0000ff 5..5", "#cf00cf 6..6", "#800000 7..7", "#ffffff 8..511"};
        QTest::newRow("exactly 512: last column white")
            << Widths {500, 12} << all
            << QStringList {"#ff0000 0..499", "#cf6000 500..510", "#ffffff 511..511"};
        QTest::newRow("beyond 512: bars held at 511")
            << Widths {300, 300, 10} << all
            << QStringList {"#ff0000 0..299", "#cf6000 300..510", "#ffffff 511..511"};
        QTest::newRow("one message of 4000")
            << Widths {4000} << all << QStringList {"#ff0000 0..510", "#ffffff 511..511"};
        QTest::newRow("negative width draws nothing")
            << Widths {-5, 2} << all << QStringList {"#cf6000 0..1", "#ffffff 2..511"};
    }

    void shouldDrawSelectedBarsSideBySide()
    {
        QFETCH(Widths, widths);
        QFETCH(Selection, selected);
        QFETCH(QStringList, expected);
        QImage meter = blackMeter();
        drawUsageMeter(meter, widths, selected);
        QCOMPARE(runs(meter), expected);
    }

    void shouldMoveLaterBarsLeftWhenOneIsDeselected()
    {
        QImage meter = blackMeter();
        const Widths widths {10, 20, 30};
        drawUsageMeter(meter, widths, {true, true, true});
        QCOMPARE(runs(meter),
                 (QStringList {"#ff0000 0..9", "#cf6000 10..29", "#c0c000 30..59", "#ffffff 60..511"}));
        drawUsageMeter(meter, widths, {true, false, true});
        QCOMPARE(runs(meter), (QStringList {"#ff0000 0..9", "#c0c000 10..39", "#ffffff 40..511"}));
    }
};

QTEST_GUILESS_MAIN(TstUsageMeter)
#include "tst_usagemeter.moc"
