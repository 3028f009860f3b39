#include "leadingnumber.h"

#include <QTest>

#include <limits>

using lume::leadingIntegerClamped;
using lume::leadingNumberWithFraction;
using lume::roundHalfEven;

namespace {

// How the composer turns a typed number into whole pixels.
int roundedLeadingNumber(QStringView text)
{
    return roundHalfEven(leadingNumberWithFraction(text)).value_or(0);
}

} // namespace

class TstLeadingNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldReadTheNumberATextStartsWith_data();
    void shouldReadTheNumberATextStartsWith();
    void shouldRoundHalvesToEven_data();
    void shouldRoundHalvesToEven();
    void shouldRefuseValuesBeyondInt_data();
    void shouldRefuseValuesBeyondInt();
    void shouldGiveZeroForIntegersOutOfRange_data();
    void shouldGiveZeroForIntegersOutOfRange();
    void shouldReadAnIntegerAsTheProfileFunctionsDo_data();
    void shouldReadAnIntegerAsTheProfileFunctionsDo();
};

void TstLeadingNumber::shouldReadTheNumberATextStartsWith_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("plain") << "12" << 12.0;
    QTest::newRow("trailing text") << "12abc" << 12.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("leading blanks and tabs") << " \t -3.25pt" << -3.25;
    QTest::newRow("plus sign") << "+7" << 7.0;
    QTest::newRow("fraction without integer part") << "-.5" << -0.5;
    QTest::newRow("point without fraction") << "4." << 4.0;
    QTest::newRow("second point ends it") << "1.2.3" << 1.2;
    QTest::newRow("no exponent") << "1e3" << 1.0;
    QTest::newRow("no hex") << "0x10" << 0.0;
    QTest::newRow("comma ends it") << "1,5" << 1.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("sign alone") << "-" << 0.0;
    QTest::newRow("point alone") << "." << 0.0;
    QTest::newRow("blank between sign and digits") << "- 5" << 0.0;
    QTest::newRow("line break is no blank") << "\n5" << 0.0;
    QTest::newRow("fullwidth digit is no digit") << QString::fromUtf8("\xEF\xBC\x95") << 0.0;
    QTest::newRow("overflowing digits") << QString(400, u'9') << 0.0;
}

void TstLeadingNumber::shouldReadTheNumberATextStartsWith()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(leadingNumberWithFraction(text), number);
}

void TstLeadingNumber::shouldRoundHalvesToEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");

    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("below half") << 2.4999 << 2;
    QTest::newRow("above half") << 2.5001 << 3;
    QTest::newRow("largest below one half") << 0.49999999999999994 << 0;
    QTest::newRow("negative above half") << -2.6 << -3;
    QTest::newRow("int max") << double(std::numeric_limits<int>::max()) << std::numeric_limits<int>::max();
    QTest::newRow("int min") << double(std::numeric_limits<int>::min()) << std::numeric_limits<int>::min();
    QTest::newRow("half below int min rounds up to it")
        << double(std::numeric_limits<int>::min()) - 0.5 << std::numeric_limits<int>::min();
    QTest::newRow("half below int max rounds to even")
        << double(std::numeric_limits<int>::max()) - 0.5 << std::numeric_limits<int>::max() - 1;
}

void TstLeadingNumber::shouldRoundHalvesToEven()
{
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(roundHalfEven(value), std::optional<int>(rounded));
}

void TstLeadingNumber::shouldRefuseValuesBeyondInt_data()
{
    QTest::addColumn<double>("value");

    QTest::newRow("half above int max rounds to 2^31") << double(std::numeric_limits<int>::max()) + 0.5;
    QTest::newRow("int max + 1") << double(std::numeric_limits<int>::max()) + 1;
    QTest::newRow("int min - 1") << double(std::numeric_limits<int>::min()) - 1;
    QTest::newRow("huge") << 1e300;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN();
}

void TstLeadingNumber::shouldRefuseValuesBeyondInt()
{
    QFETCH(double, value);
    QCOMPARE(roundHalfEven(value), std::nullopt);
}

void TstLeadingNumber::shouldGiveZeroForIntegersOutOfRange_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");

    QTest::newRow("top adjust") << "-2" << -2;
    QTest::newRow("half to even") << "2.5" << 2;
    QTest::newRow("odd half up") << "3.5" << 4;
    QTest::newRow("negative half") << "-2.5px" << -2;
    QTest::newRow("int max") << "2147483647" << 2147483647;
    QTest::newRow("int min") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("beyond int max") << "2147483648" << 0;
    QTest::newRow("beyond int min") << "-2147483649" << 0;
    QTest::newRow("many digits") << QString(400, u'9') << 0;
    QTest::newRow("no number") << "x" << 0;
}

void TstLeadingNumber::shouldGiveZeroForIntegersOutOfRange()
{
    QFETCH(QString, text);
    QFETCH(int, integer);
    QCOMPARE(roundedLeadingNumber(text), integer);
}

void TstLeadingNumber::shouldReadAnIntegerAsTheProfileFunctionsDo_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");

    QTest::newRow("plain") << "1" << 1;
    QTest::newRow("no fraction") << "2.9" << 2;
    QTest::newRow("vertical tab and form feed are blanks") << "\v\f\r 7x" << 7;
    QTest::newRow("line feed is no blank") << "\n7" << 0;
    QTest::newRow("negative") << "-12" << -12;
    QTest::newRow("clamped up") << "99999999999" << std::numeric_limits<int>::max();
    QTest::newRow("clamped down") << "-99999999999" << std::numeric_limits<int>::min();
    QTest::newRow("many digits") << QString(400, u'9') << std::numeric_limits<int>::max();
    QTest::newRow("sign alone") << "+" << 0;
    QTest::newRow("no number") << "x1" << 0;
}

void TstLeadingNumber::shouldReadAnIntegerAsTheProfileFunctionsDo()
{
    QFETCH(QString, text);
    QFETCH(int, integer);
    QCOMPARE(leadingIntegerClamped(text), integer);
}

QTEST_GUILESS_MAIN(TstLeadingNumber)
#include "tst_leadingnumber.moc"
