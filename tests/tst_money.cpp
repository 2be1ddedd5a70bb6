// Time-value functions and the frequency table.
#include "engine/Errors.h"
#include "engine/Rw_money.h"
#include "support/TestMain.h"

#include <cmath>
#include <optional>

using namespace larkspan;
using namespace larkspan::Rw_money;

namespace {

// A value to a fixed number of decimals, for comparing with the rounded
// figures quoted for the loan arithmetic.
qint64 scaled(double value, int decimals)
{
    return qRound64(value * std::pow(10.0, decimals));
}

} // namespace

class TestMoney : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frequencyCodes_data();
    void frequencyCodes();
    void frequencyTextIsExact();
    void periodicRate_data();
    void periodicRate();

    void powerCapped_data();
    void powerCapped();
    void powerCappedNegativeBaseIsInvalid();

    void paymentForPeriods_data();
    void paymentForPeriods();
    void amountForPayment_data();
    void amountForPayment();
    void periodsForPayment_data();
    void periodsForPayment();
    void rateForPayment_data();
    void rateForPayment();

    void rateBelowMinusOneHundredPercentPerPeriodIsInvalid();
};

void TestMoney::frequencyCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("divisor");
    QTest::newRow("daily 365") << 1 << "Daily 365" << 365;
    QTest::newRow("daily 360") << 2 << "Daily 360" << 360;
    QTest::newRow("weekly") << 3 << "Weekly 52" << 52;
    QTest::newRow("biweekly") << 4 << "Biweekly 26" << 26;
    QTest::newRow("bimonthly") << 5 << "Bimonthly 24" << 24;
    QTest::newRow("monthly") << 6 << "Monthly 12" << 12;
    QTest::newRow("quarterly") << 7 << "Quarterly 4" << 4;
    QTest::newRow("biannually") << 8 << "Biannually 2" << 2;
    QTest::newRow("annually") << 9 << "Annually 1" << 1;
}

void TestMoney::frequencyCodes()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, divisor);

    const Frequency* byCode = frequencyForCode(code);
    QVERIFY(byCode);
    QCOMPARE(QString::fromUtf8(byCode->text.data(), qsizetype(byCode->text.size())), text);
    QCOMPARE(byCode->divisor, divisor);
    QCOMPARE(byCode->k, long(divisor) * 100000L);
    QCOMPARE(&frequencyTable()[std::size_t(code - 1)], byCode);

    const QByteArray utf8 = text.toUtf8();
    QCOMPARE(frequencyCodeForText(std::string_view(utf8.constData(), std::size_t(utf8.size()))), std::optional<int>(code));
}

void TestMoney::frequencyTextIsExact()
{
    QCOMPARE(frequencyTable().size(), std::size_t(9));
    QVERIFY(!frequencyCodeForText("monthly 12"));
    QVERIFY(!frequencyCodeForText("Monthly"));
    QVERIFY(!frequencyCodeForText("Monthly 12 "));
    QVERIFY(!frequencyCodeForText(""));
    QVERIFY(!frequencyCodeForText("Constant"));
    QVERIFY(!frequencyForCode(0));
    QVERIFY(!frequencyForCode(10));
}

void TestMoney::periodicRate_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("annualRate");
    QTest::addColumn<double>("expected");
    QTest::newRow("monthly") << 6 << 12.0 << 0.01;
    QTest::newRow("quarterly") << 7 << 8.0 << 0.02;
    QTest::newRow("daily 365") << 1 << 36.5 << 0.001;
    QTest::newRow("annually") << 9 << 5.0 << 0.05;
    QTest::newRow("code 0 undivided") << 0 << 12.0 << 0.12;
    QTest::newRow("code 10 undivided") << 10 << 12.0 << 0.12;
    QTest::newRow("negative code undivided") << -1 << 12.0 << 0.12;
}

void TestMoney::periodicRate()
{
    QFETCH(int, code);
    QFETCH(double, annualRate);
    QFETCH(double, expected);
    QCOMPARE(Rw_money::periodicRate(code, annualRate), expected);
}

void TestMoney::powerCapped_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("exponent");
    QTest::addColumn<double>("expected");
    QTest::newRow("zero base") << 0.0 << 5.0 << 0.0;
    QTest::newRow("zero base, negative exponent") << 0.0 << -5.0 << 0.0;
    QTest::newRow("square root") << 4.0 << 0.5 << 2.0;
    QTest::newRow("power of two") << 2.0 << 10.0 << 1024.0;
    QTest::newRow("reciprocal") << 1.25 << -1.0 << 0.8;
    QTest::newRow("exponent 88 of e stands") << std::exp(1.0) << 88.0 << std::exp(88.0);
    QTest::newRow("exponent 100 of e capped at 88") << std::exp(1.0) << 100.0 << std::exp(88.0);
    QTest::newRow("large negative exponent not capped") << 2.0 << -200.0 << std::pow(2.0, -200.0);
}

void TestMoney::powerCapped()
{
    QFETCH(double, base);
    QFETCH(double, exponent);
    QFETCH(double, expected);
    QCOMPARE(PowerCapped(base, exponent), expected);
}

void TestMoney::powerCappedNegativeBaseIsInvalid()
{
    try {
        PowerCapped(-0.5, 2.0);
        QFAIL("no error raised");
    } catch (const ArithmeticError& error) {
        QCOMPARE(error.kind(), ArithmeticError::Kind::InvalidOperation);
    }
}

void TestMoney::paymentForPeriods_data()
{
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("annualRate");
    QTest::addColumn<qint64>("expected"); // ten-thousandths
    QTest::newRow("sample loan") << 60 << 6 << 50000.0 << 8.75 << qint64(10318616);
    QTest::newRow("rate 0 gives 0, not amount / periods") << 60 << 6 << 50000.0 << 0.0 << qint64(0);
    QTest::newRow("periods 0") << 0 << 6 << 50000.0 << 8.75 << qint64(0);
    // One period repays amount × (1 + r).
    QTest::newRow("one annual period") << 1 << 9 << 1000.0 << 10.0 << qint64(11000000);
    QTest::newRow("one monthly period") << 1 << 6 << 1000.0 << 12.0 << qint64(10100000);
    QTest::newRow("code 0 uses the annual fraction") << 1 << 0 << 1000.0 << 10.0 << qint64(11000000);
}

void TestMoney::paymentForPeriods()
{
    QFETCH(int, periods);
    QFETCH(int, code);
    QFETCH(double, amount);
    QFETCH(double, annualRate);
    QFETCH(qint64, expected);
    QCOMPARE(scaled(PaymentForPeriods(periods, code, amount, annualRate), 4), expected);
}

void TestMoney::amountForPayment_data()
{
    QTest::addColumn<int>("periods");
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("finalValue");
    QTest::addColumn<double>("annualRate");
    QTest::addColumn<double>("payment");
    QTest::addColumn<qint64>("expected"); // cents
    QTest::newRow("sample payment") << 60 << 6 << 0.0 << 8.75 << 1031.86 << qint64(4999992);
    QTest::newRow("rate 0") << 60 << 6 << 0.0 << 0.0 << 1031.86 << qint64(6191160);
    QTest::newRow("one annual period") << 1 << 9 << 0.0 << 10.0 << 1100.0 << qint64(100000);
    // payment × (1 − P) / r − finalValue × P with P = 1 / 1.1.
    QTest::newRow("final value discounted") << 1 << 9 << 110.0 << 10.0 << 0.0 << qint64(-10000);
}

void TestMoney::amountForPayment()
{
    QFETCH(int, periods);
    QFETCH(int, code);
    QFETCH(double, finalValue);
    QFETCH(double, annualRate);
    QFETCH(double, payment);
    QFETCH(qint64, expected);
    QCOMPARE(scaled(AmountForPayment(periods, code, finalValue, annualRate, payment), 2), expected);
}

void TestMoney::periodsForPayment_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("payment");
    QTest::addColumn<double>("annualRate");
    QTest::addColumn<qint64>("expected"); // ten-thousandths
    QTest::newRow("sample payment") << 6 << 50000.0 << 1031.86 << 8.75 << qint64(600001);
    QTest::newRow("payment 0") << 6 << 50000.0 << 0.0 << 8.75 << qint64(0);
    QTest::newRow("rate 0") << 6 << 50000.0 << 1000.0 << 0.0 << qint64(500000);
    // The first month's interest on 50,000.00 at 8.75 % is 364.583…
    QTest::newRow("payment just below the interest") << 6 << 50000.0 << 364.58 << 8.75 << qint64(0);
    QTest::newRow("one annual period") << 9 << 1000.0 << 1100.0 << 10.0 << qint64(10000);
}

void TestMoney::periodsForPayment()
{
    QFETCH(int, code);
    QFETCH(double, amount);
    QFETCH(double, payment);
    QFETCH(double, annualRate);
    QFETCH(qint64, expected);
    QCOMPARE(scaled(PeriodsForPayment(code, amount, payment, annualRate), 4), expected);
}

void TestMoney::rateForPayment_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<double>("periods");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("fraction");
    QTest::addColumn<double>("payment");
    QTest::addColumn<qint64>("expected"); // ten-thousandths of a percent
    // The stopping rule acts on the periodic rate, so the result stays about
    // 0.004 above the exact 8.75.
    QTest::newRow("sample, 60 months") << 6 << 60.0 << 50000.0 << 0.0 << 1031.86 << qint64(87542);
    QTest::newRow("30 years") << 6 << 360.0 << 100000.0 << 0.0 << 786.70 << qint64(87502);
    QTest::newRow("periods 0") << 6 << 0.0 << 50000.0 << 0.0 << 1031.86 << qint64(0);
    QTest::newRow("amount 0") << 6 << 60.0 << 0.0 << 0.0 << 1031.86 << qint64(0);
    QTest::newRow("fraction 1 leaves nothing to repay") << 6 << 60.0 << 50000.0 << 1.0 << 1031.86 << qint64(0);
    QTest::newRow("payment 0") << 6 << 60.0 << 50000.0 << 0.0 << 0.0 << qint64(0);
    QTest::newRow("code 0") << 0 << 60.0 << 50000.0 << 0.0 << 1031.86 << qint64(0);
    QTest::newRow("code 10") << 10 << 60.0 << 50000.0 << 0.0 << 1031.86 << qint64(0);
}

void TestMoney::rateForPayment()
{
    QFETCH(int, code);
    QFETCH(double, periods);
    QFETCH(double, amount);
    QFETCH(double, fraction);
    QFETCH(double, payment);
    QFETCH(qint64, expected);
    QCOMPARE(scaled(RateForPayment(code, periods, amount, fraction, payment), 4), expected);
}

void TestMoney::rateBelowMinusOneHundredPercentPerPeriodIsInvalid()
{
    // −2400 % a year monthly is −200 % per period: 1 + r is negative.
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, PaymentForPeriods(12, 6, 1000.0, -2400.0));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, AmountForPayment(12, 6, 0.0, -2400.0, 100.0));
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, PeriodsForPayment(6, 1000.0, 100.0, -2400.0));
    // A negative payment drives the periodic rate guess below −100 %.
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, RateForPayment(6, 12.0, 1000.0, 0.0, -5000.0));
}

LARKSPAN_TEST_MAIN(TestMoney)
#include "tst_money.moc"
