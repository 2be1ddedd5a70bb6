// The payoff schedule of one loan, its prepayments and its row texts.
#include "engine/Errors.h"
#include "engine/Rw_mortgage.h"
#include "support/TestMain.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

using namespace larkspan;

namespace {

qint64 cents(double value)
{
    return qRound64(value * 100.0);
}

// The program's sample loan: 50,000.00 at 8.75 % over 60 monthly payments.
TMortgage sampleLoan(std::int32_t startMonth = 1, std::int32_t startYear = 2009)
{
    return TMortgage(60, 50000.0, 0.0875, 12, startMonth, startYear);
}

// Stands in for the page: records the messages and repaint requests.
class PageRecorder : public TMortgageObserver {
public:
    std::vector<std::string> messages;
    int repaints = 0;

    void attach(TMortgage& schedule) { schedule.setObserver(this); }
    void information(const std::string& text) override { messages.push_back(text); }
    void repaintExtraPanel() override { ++repaints; }
};

const TPayment& payment(const TMortgage& schedule, int number)
{
    return schedule.row(number - 1);
}

} // namespace

class TestMortgage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void periodicPayment_data();
    void periodicPayment();

    void sampleLoanSchedule();
    void calendar_data();
    void calendar();
    void zeroRateLeavesRoundingRemainder();
    void interestNearHalfCentIsNotRoundedTwice();
    void degenerateSchedules();
    void periodsPerYearZeroIsDivisionByZero();

    void prepaymentOnFirstPayment();
    void prepaymentRange_data();
    void prepaymentRange();
    void prepaymentOutsideScheduleChangesNothing_data();
    void prepaymentOutsideScheduleChangesNothing();
    void prepaymentFromClearsStalePrepayments_data();
    void prepaymentFromClearsStalePrepayments();
    void prepaymentFromOutsideScheduleThrows();
    void clearAndCreateDropPrepayments();
    void assignThenRecalculateMatchesSetPrepayment_data();
    void assignThenRecalculateMatchesSetPrepayment();
    void assignPrepaymentOutsideScheduleThrows();
    void arithmeticErrorStillRequestsRepaint();

    void rowTexts_data();
    void rowTexts();
};

void TestMortgage::periodicPayment_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<qint64>("expected"); // ten-thousandths
    QTest::newRow("sample loan") << 60 << 50000.0 << 0.0875 / 12.0 << qint64(10318616);
    QTest::newRow("count 0") << 0 << 50000.0 << 0.01 << qint64(0);
    QTest::newRow("rate 0 divides evenly") << 3 << 1000.0 << 0.0 << qint64(3333333);
    QTest::newRow("one period repays amount plus interest") << 1 << 1000.0 << 0.01 << qint64(10100000);
}

void TestMortgage::periodicPayment()
{
    QFETCH(int, count);
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(qint64, expected);
    QCOMPARE(qRound64(Rw_mortgage::PeriodicPayment(count, amount, rate) * 10000.0), expected);
}

void TestMortgage::sampleLoanSchedule()
{
    const TMortgage schedule = sampleLoan();
    QCOMPARE(cents(schedule.Payment), qint64(103186));
    QCOMPARE(schedule.NumberOfPayments, 60);
    QCOMPARE(schedule.Payments.size(), std::size_t(60));

    const TPayment& first = payment(schedule, 1);
    QCOMPARE(first.Number, 1);
    QCOMPARE(first.Month, 1);
    QCOMPARE(first.Year, 2009);
    QCOMPARE(cents(first.Principal), qint64(66728));
    QCOMPARE(cents(first.Interest), qint64(36458));
    QCOMPARE(cents(first.Balance), qint64(4933272));
    QCOMPARE(first.Prepayment, 0.0);

    const TPayment& last = payment(schedule, 60);
    QCOMPARE(last.Number, 60);
    QCOMPARE(last.Month, 12);
    QCOMPARE(last.Year, 2013);
    QCOMPARE(cents(last.Principal), qint64(102439));
    QCOMPARE(cents(last.Interest), qint64(747));
    QCOMPARE(cents(last.TotalInterest), qint64(1191172));
    // The last payment is not adjusted: a rounding remainder stays.
    QCOMPARE(cents(last.Balance), qint64(12));
    QCOMPARE(schedule.CurrentMonth, 12);
    QCOMPARE(schedule.CurrentYear, 2013);

    // No cent goes missing: on every row the principal repaid so far and the
    // balance left add up to the amount borrowed.
    for (const TPayment& p : schedule.Payments)
        QCOMPARE(cents(p.TotalPrincipal + p.Balance), qint64(5000000));
}

void TestMortgage::calendar_data()
{
    QTest::addColumn<int>("startMonth");
    QTest::addColumn<int>("startYear");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("January start, first") << 1 << 2009 << 1 << 1 << 2009;
    QTest::newRow("January start, twelfth") << 1 << 2009 << 12 << 12 << 2009;
    QTest::newRow("January start, thirteenth") << 1 << 2009 << 13 << 1 << 2010;
    QTest::newRow("May start, eighth") << 5 << 2009 << 8 << 12 << 2009;
    QTest::newRow("May start, ninth") << 5 << 2009 << 9 << 1 << 2010;
    QTest::newRow("December start, first") << 12 << 2009 << 1 << 12 << 2009;
    QTest::newRow("December start, second") << 12 << 2009 << 2 << 1 << 2010;
    QTest::newRow("year 0, first") << 1 << 0 << 1 << 1 << 0;
    QTest::newRow("year 0, after a roll-over") << 1 << 0 << 13 << 1 << 0;
    QTest::newRow("year 0, last") << 1 << 0 << 60 << 12 << 0;
    QTest::newRow("negative year kept") << 6 << -5 << 40 << 9 << -5;
}

void TestMortgage::calendar()
{
    QFETCH(int, startMonth);
    QFETCH(int, startYear);
    QFETCH(int, number);
    QFETCH(int, month);
    QFETCH(int, year);
    const TMortgage schedule = sampleLoan(startMonth, startYear);
    QCOMPARE(payment(schedule, number).Month, month);
    QCOMPARE(payment(schedule, number).Year, year);
}

void TestMortgage::zeroRateLeavesRoundingRemainder()
{
    const TMortgage schedule(3, 1000.0, 0.0, 12, 1, 2020);
    QCOMPARE(cents(schedule.Payment), qint64(33333));
    for (const TPayment& p : schedule.Payments)
        QCOMPARE(p.Interest, 0.0);
    QCOMPARE(cents(payment(schedule, 3).Balance), qint64(1));
}

void TestMortgage::interestNearHalfCentIsNotRoundedTwice()
{
    // The balance after payment 17 is 11,179.20. Its interest in cents,
    // 11,179.20 × (0.0875 / 12) × 100, lies about 3e-13 below 8,151.5 when
    // the two doubles are multiplied exactly (checked with rational
    // arithmetic, Python's fractions module); a product rounded to double
    // precision first lands on 8,151.5 and would give 81.52.
    const TMortgage schedule(120, 12345.67, 0.0875, 12, 1, 2009);
    QCOMPARE(cents(payment(schedule, 17).Balance), qint64(1117920));
    QCOMPARE(cents(payment(schedule, 18).Interest), qint64(8151));
}

void TestMortgage::degenerateSchedules()
{
    const TMortgage empty;
    QCOMPARE(empty.NumberOfPayments, 0);
    QCOMPARE(empty.Payment, 0.0);
    QVERIFY(empty.Payments.empty());
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, empty.row(0));

    const TMortgage noPayments(0, 50000.0, 0.0875, 12, 1, 2009);
    QCOMPARE(noPayments.Payment, 0.0);
    QVERIFY(noPayments.Payments.empty());

    const TMortgage negativeTerm(-5, 50000.0, 0.0875, 12, 1, 2009);
    QCOMPARE(negativeTerm.NumberOfPayments, 0);
    QVERIFY(negativeTerm.Payments.empty());

    const TMortgage nothingBorrowed(12, 0.0, 0.0875, 12, 1, 2009);
    QCOMPARE(nothingBorrowed.Payment, 0.0);
    for (const TPayment& p : nothingBorrowed.Payments) {
        QCOMPARE(p.Principal, 0.0);
        QCOMPARE(p.Interest, 0.0);
        QCOMPARE(p.TotalPrincipal, 0.0);
        QCOMPARE(p.TotalInterest, 0.0);
        QCOMPARE(p.Balance, 0.0);
    }
    QCOMPARE(nothingBorrowed.Payments.back().Number, 12);
}

void TestMortgage::periodsPerYearZeroIsDivisionByZero()
{
    try {
        TMortgage(12, 1000.0, 0.1, 0, 1, 2020);
        QFAIL("no error raised");
    } catch (const ArithmeticError& error) {
        QCOMPARE(error.kind(), ArithmeticError::Kind::DivisionByZero);
    }
}

void TestMortgage::prepaymentOnFirstPayment()
{
    TMortgage schedule = sampleLoan();
    PageRecorder page;
    page.attach(schedule);

    QVERIFY(schedule.SetPrepayment(1, 1000.0));
    QVERIFY(page.messages.empty());
    QCOMPARE(page.repaints, 1);

    const TPayment& first = payment(schedule, 1);
    QCOMPARE(cents(first.Prepayment), qint64(100000));
    QCOMPARE(cents(first.Principal), qint64(166728));
    QCOMPARE(cents(first.Balance), qint64(4833272));

    // Payment 59 is capped at what is left and clears the loan.
    const TPayment& payoff = payment(schedule, 59);
    QCOMPARE(cents(payoff.Principal), qint64(52847));
    QCOMPARE(cents(payoff.Interest), qint64(385));
    QCOMPARE(payoff.Balance, 0.0);

    const TPayment& after = payment(schedule, 60);
    QCOMPARE(after.Principal, 0.0);
    QCOMPARE(after.Interest, 0.0);
    QCOMPARE(after.Balance, 0.0);
    QCOMPARE(cents(after.TotalInterest), qint64(1138020));
    QCOMPARE(after.TotalPrincipal, payoff.TotalPrincipal);

    // The recomputation starts from the original month and year again.
    QCOMPARE(payment(schedule, 13).Month, 1);
    QCOMPARE(payment(schedule, 13).Year, 2010);
    QCOMPARE(schedule.CurrentMonth, 12);
    QCOMPARE(schedule.CurrentYear, 2013);
}

void TestMortgage::prepaymentRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("prepaid");
    QTest::newRow("three payments") << 10 << 12 << QList<int>{10, 11, 12};
    QTest::newRow("one payment") << 30 << 30 << QList<int>{30};
    QTest::newRow("reversed range sets the first number only") << 12 << 10 << QList<int>{12};
    QTest::newRow("ten payments") << 40 << 49 << QList<int>{40, 41, 42, 43, 44, 45, 46, 47, 48, 49};
}

void TestMortgage::prepaymentRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, prepaid);

    TMortgage schedule = sampleLoan();
    const double balanceBefore = payment(schedule, prepaid.last()).Balance;
    PageRecorder page;
    page.attach(schedule);

    QVERIFY(schedule.SetPrepaymentRange(from, to, 100.0));
    QVERIFY(page.messages.empty());
    QCOMPARE(page.repaints, 1);

    QList<int> actual;
    for (const TPayment& p : schedule.Payments) {
        if (p.Prepayment != 0.0) {
            QCOMPARE(p.Prepayment, 100.0);
            actual.append(p.Number);
        }
    }
    QCOMPARE(actual, prepaid);
    // The extra principal (less the interest it saves) shows in the balance.
    const double reduction = balanceBefore - payment(schedule, prepaid.last()).Balance;
    QVERIFY2(reduction >= 100.0 * prepaid.size() && reduction < 105.0 * prepaid.size(),
             qPrintable(QString::number(reduction)));
}

void TestMortgage::prepaymentOutsideScheduleChangesNothing_data()
{
    QTest::addColumn<int>("kind"); // 0 single, 1 range
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("single, payment 0") << 0 << 0 << 0;
    QTest::newRow("single, one past the last") << 0 << 61 << 0;
    QTest::newRow("range starting at 0") << 1 << 0 << 5;
    QTest::newRow("range starting past the last") << 1 << 61 << 65;
    // The rows up to the last one are not touched either: the figures and
    // the prepayments they were computed from stay in agreement.
    QTest::newRow("range running past the last") << 1 << 55 << 61;
}

void TestMortgage::prepaymentOutsideScheduleChangesNothing()
{
    QFETCH(int, kind);
    QFETCH(int, from);
    QFETCH(int, to);

    TMortgage schedule = sampleLoan();
    QVERIFY(schedule.SetPrepayment(3, 50.0));
    const std::vector<TPayment> before = schedule.Payments;
    const double paymentBefore = schedule.Payment;
    PageRecorder page;
    page.attach(schedule);

    const bool applied = kind == 0 ? schedule.SetPrepayment(from, 500.0) : schedule.SetPrepaymentRange(from, to, 500.0);

    QVERIFY(!applied);
    QCOMPARE(page.messages, std::vector<std::string>{std::string(Rw_mortgage::ExtraPaymentsMessage)});
    QCOMPARE(page.repaints, 1);
    QVERIFY(schedule.Payments == before);
    QCOMPARE(schedule.Payment, paymentBefore);
}

void TestMortgage::prepaymentFromClearsStalePrepayments_data()
{
    QTest::addColumn<double>("extra");
    QTest::newRow("200 on every payment") << 200.0;
    QTest::newRow("5,000 on every payment") << 5000.0;
}

void TestMortgage::prepaymentFromClearsStalePrepayments()
{
    QFETCH(double, extra);

    TMortgage schedule = sampleLoan();
    PageRecorder page;
    page.attach(schedule);
    schedule.SetPrepaymentFrom(1, extra);
    QVERIFY(page.messages.empty());

    const auto& rows = schedule.Payments;
    const auto payoff = std::find_if(rows.begin(), rows.end(), [](const TPayment& p) { return p.Balance == 0.0; });
    QVERIFY(payoff != rows.end());
    QVERIFY(payoff != rows.begin());

    // The payment that clears the loan is capped at the balance left and
    // shows no prepayment.
    QCOMPARE(payoff->Prepayment, 0.0);
    QCOMPARE(payoff->Principal, std::prev(payoff)->Balance);
    for (auto it = std::next(payoff); it != rows.end(); ++it) {
        QCOMPARE(it->Prepayment, 0.0);
        QCOMPARE(it->Principal, 0.0);
    }

    // Before payoff: the rows that can still take the amount keep it; the
    // rows whose balance fell below it lose it, with their figures intact.
    for (auto it = rows.begin(); it != payoff; ++it) {
        const bool keeps = it->Balance >= extra;
        QCOMPARE(it->Prepayment, keeps ? extra : 0.0);
        QVERIFY(it->Principal > schedule.Payment - it->Interest + extra - 0.005);
    }
    if (extra > 1000.0)
        QVERIFY(std::any_of(rows.begin(), payoff, [](const TPayment& p) { return p.Prepayment == 0.0; }));
}

void TestMortgage::prepaymentFromOutsideScheduleThrows()
{
    TMortgage schedule = sampleLoan();
    PageRecorder page;
    page.attach(schedule);
    const std::vector<TPayment> before = schedule.Payments;

    QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.SetPrepaymentFrom(0, 100.0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.SetPrepaymentFrom(61, 100.0));
    QVERIFY(schedule.Payments == before);
    QVERIFY(page.messages.empty());

    TMortgage empty;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, empty.SetPrepaymentFrom(1, 100.0));
}

void TestMortgage::clearAndCreateDropPrepayments()
{
    const TMortgage fresh = sampleLoan(5, 2010);

    TMortgage schedule = sampleLoan(5, 2010);
    schedule.SetPrepayment(7, 2500.0);
    schedule.SetPrepaymentRange(20, 24, 300.0);
    QVERIFY(!(schedule.Payments == fresh.Payments));
    schedule.ClearPrepayments();
    QVERIFY(schedule.Payments == fresh.Payments);
    QCOMPARE(schedule.CurrentMonth, fresh.CurrentMonth);
    QCOMPARE(schedule.CurrentYear, fresh.CurrentYear);

    schedule.SetPrepaymentFrom(10, 150.0);
    schedule.Create(60, 50000.0, 0.0875, 12, 5, 2010);
    QVERIFY(schedule.Payments == fresh.Payments);
}

using Prepayments = QList<QPair<int, double>>;

void TestMortgage::assignThenRecalculateMatchesSetPrepayment_data()
{
    QTest::addColumn<Prepayments>("prepayments");
    QTest::newRow("one") << Prepayments{{1, 1000.0}};
    QTest::newRow("several, out of order, one overwritten")
        << Prepayments{{30, 250.0}, {2, 75.5}, {59, 10.0}, {30, 400.0}, {12, 0.0}};
    Prepayments everyPayment;
    for (int number = 1; number <= 60; ++number)
        everyPayment.append({number, number % 3 == 0 ? 0.0 : 150.0});
    QTest::newRow("every payment, paid off early") << everyPayment;
}

void TestMortgage::assignThenRecalculateMatchesSetPrepayment()
{
    QFETCH(Prepayments, prepayments);

    TMortgage stepByStep = sampleLoan(7, 2011);
    TMortgage linear = sampleLoan(7, 2011);
    for (const auto& [number, amount] : prepayments) {
        QVERIFY(stepByStep.SetPrepayment(number, amount));
        linear.AssignPrepayment(number, amount);
    }
    linear.Recalculate();

    QVERIFY(linear.Payments == stepByStep.Payments);
    QCOMPARE(linear.Payment, stepByStep.Payment);
    QCOMPARE(linear.CurrentMonth, stepByStep.CurrentMonth);
    QCOMPARE(linear.CurrentYear, stepByStep.CurrentYear);
}

void TestMortgage::assignPrepaymentOutsideScheduleThrows()
{
    TMortgage schedule = sampleLoan();
    const std::vector<TPayment> before = schedule.Payments;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.AssignPrepayment(0, 100.0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, schedule.AssignPrepayment(61, 100.0));
    QVERIFY(schedule.Payments == before);
}

void TestMortgage::arithmeticErrorStillRequestsRepaint()
{
    TMortgage schedule = sampleLoan();
    PageRecorder page;
    page.attach(schedule);
    // A huge negative prepayment makes the balance grow with its interest
    // until it overflows a few rows later.
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, schedule.SetPrepayment(1, -1.7e308));
    QVERIFY(page.messages.empty());
    QCOMPARE(page.repaints, 1);
}

void TestMortgage::rowTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("cents") << 667.28 << "      667.28";
    QTest::newRow("zero") << 0.0 << "        0.00";
    QTest::newRow("no thousands separator") << 49332.72 << "    49332.72";
    QTest::newRow("negative") << -12.5 << "      -12.50";
    QTest::newRow("negative residue shows as zero") << -0.001 << "        0.00";
    QTest::newRow("wider than the field") << 1234567890123.456 << "1234567890123.46";
}

void TestMortgage::rowTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    TPayment row;
    row.Number = 7;
    row.Month = 11;
    row.Year = 2009;
    row.Balance = value;
    const auto texts = row.GetTexts();
    QCOMPARE(QString::fromStdString(texts[0]), QStringLiteral("7"));
    QCOMPARE(QString::fromStdString(texts[1]), QStringLiteral("11"));
    QCOMPARE(QString::fromStdString(texts[2]), QStringLiteral("2009"));
    for (std::size_t i = 3; i < 8; ++i)
        QCOMPARE(QString::fromStdString(texts[i]), QStringLiteral("        0.00"));
    QCOMPARE(QString::fromStdString(texts[8]), text);
}

LARKSPAN_TEST_MAIN(TestMortgage)
#include "tst_mortgage.moc"
