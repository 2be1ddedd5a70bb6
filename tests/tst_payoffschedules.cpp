// The payoff schedules: the rows of the sample loan, the annual periods by
// start month, prepayments (single, all, outside the schedule, kept across
// rebuilds), the refused scenarios, and the one-pass build of the
// prepayment list against the line-by-line one.

#include "support/Fixtures.h"
#include "support/TestMain.h"

#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "loantools/ScheduleMath.h"
#include "engine/Errors.h"
#include "shell/AmountText.h"
#include "shell/EditField.h"
#include "shell/Regional.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace larkspan;

namespace {

using Inputs = QList<QPair<QString, QString>>;

void setUpCalculator(test::MainWindowFixture& fx, int mode, const Inputs& inputs)
{
    fx.click(QStringLiteral("btnCompareConsolidationLoans"));
    fx.field<TRadioGroup>(QStringLiteral("rgCalculate"))->setItemIndex(mode);
    for (const auto& [name, text] : inputs)
        fx.typeAndLeave(name, text);
}

void doubleClickCell(TStringGrid* grid, int column, int row)
{
    const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

// The sample loan's schedule, started in `month` 2009.
void openSampleSchedule(test::MainWindowFixture& fx, const QString& month)
{
    setUpCalculator(fx, 0, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
    fx.field<QComboBox>(QStringLiteral("cbMonth"))->setCurrentText(month);
    fx.field<TEditField>(QStringLiteral("edtYear"))->setValue(2009);
    doubleClickCell(fx.field<TStringGrid>(QStringLiteral("grdMG")), 5, 8);
}

QStringList rowOf(const TStringGrid* grid, int row)
{
    QStringList out;
    for (int c = 0; c < grid->colCount(); ++c)
        out << grid->cell(c, row);
    return out;
}

void applyExtra(test::MainWindowFixture& fx, const QString& radio, int from, int to, double amount)
{
    fx.click(QStringLiteral("btnAddExtra"));
    fx.field<QRadioButton>(radio)->click();
    fx.field<TEditField>(QStringLiteral("edtFromPayment"))->setValue(from);
    fx.field<TEditField>(QStringLiteral("edtToPayment"))->setValue(to);
    fx.field<TEditField>(QStringLiteral("edtExtraAmount"))->setValue(amount);
    fx.click(QStringLiteral("btnApplyExtra"));
}

class RecordingObserver final : public TMortgageObserver {
public:
    int messages = 0;
    void information(const std::string&) override { ++messages; }
    void repaintExtraPanel() override {}
};

} // namespace

class TestPayoffSchedules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { test::dialogs().clear(); }

    void sampleScheduleFromJanuary()
    {
        test::MainWindowFixture fx;
        openSampleSchedule(fx, QStringLiteral("Jan"));
        QCOMPARE(fx.window().activePageName(), QStringLiteral("pgAmortization"));
        auto* monthly = fx.field<TStringGrid>(QStringLiteral("grdMonthlyAmortization"));
        QCOMPARE(monthly->rowCount(), 61);
        QCOMPARE(rowOf(monthly, 0), schedule::monthlyHeadings());
        QCOMPARE(rowOf(monthly, 1), QStringList({"1", "Jan 2009", "$667.28", "$364.58", "$667.28", "$364.58", "$0.00", "$49,332.72"}));
        QCOMPARE(monthly->cell(1, 60), QStringLiteral("Dec 2013"));
        QCOMPARE(monthly->cell(7, 60), QStringLiteral("$0.12"));
        auto* annual = fx.field<TStringGrid>(QStringLiteral("grdAnnualAmortization"));
        QCOMPARE(annual->rowCount(), 6);
        QCOMPARE(annual->cell(1, 1), QStringLiteral("Jan - Dec 2009"));
        QCOMPARE(annual->cell(1, 5), QStringLiteral("Jan - Dec 2013"));
        QVERIFY(monthly->isVisible());
        QVERIFY(!annual->isVisible());
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationLoan"))->text(), QStringLiteral("$50,000.00"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationRate"))->text(), QStringLiteral("8.75%"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationTerm"))->text(), QStringLiteral("60"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationPayment"))->text(), QStringLiteral("$1,031.86"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationFrequency"))->text(), QStringLiteral("Monthly 12"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationPaymentPITI"))->text(), QStringLiteral("$0.00"));
        QVERIFY(!fx.field<QWidget>(QStringLiteral("btnReset"))->isEnabled());
    }

    void annualPeriodsByStartMonth_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("periods");
        QTest::newRow("May") << "May" << QStringList{"May - Dec 2009", "Jan - Dec 2010", "Jan - Dec 2011", "Jan - Dec 2012", "Jan - Dec 2013", "Jan - Apr 2014"};
        QTest::newRow("December") << "Dec" << QStringList{"Dec 2009", "Jan - Dec 2010", "Jan - Dec 2011", "Jan - Dec 2012", "Jan - Dec 2013", "Jan - Nov 2014"};
    }
    void annualPeriodsByStartMonth()
    {
        QFETCH(QString, month);
        QFETCH(QStringList, periods);
        test::MainWindowFixture fx;
        openSampleSchedule(fx, QStringLiteral("Jan"));
        // A new start through the update button.
        fx.field<QComboBox>(QStringLiteral("cbMonth"))->setCurrentText(month);
        fx.click(QStringLiteral("btnCalculate"));
        auto* annual = fx.field<TStringGrid>(QStringLiteral("grdAnnualAmortization"));
        QStringList actual;
        for (int r = 1; r < annual->rowCount(); ++r)
            actual << annual->cell(1, r);
        QCOMPARE(actual, periods);
        fx.click(QStringLiteral("btnAnnualMonthly"));
        QVERIFY(annual->isVisible());
        QCOMPARE(fx.field<QPushButton>(QStringLiteral("btnAnnualMonthly"))->text(), QStringLiteral("View Monthly Amortization Schedule"));
    }

    // The schedule's own currency writer agrees with the general one, under
    // United States and other conventions.
    void amountCellsMatchTheCurrencyText_data()
    {
        QTest::addColumn<bool>("european");
        QTest::newRow("united states") << false;
        QTest::newRow("european") << true;
    }
    void amountCellsMatchTheCurrencyText()
    {
        QFETCH(bool, european);
        const RegionalConventions saved = RegionalConventions::current();
        if (european) {
            RegionalConventions e;
            e.currencySymbol = QStringLiteral("€");
            e.positivePattern = QStringLiteral("n ¤");
            e.negativePattern = QStringLiteral("-n ¤");
            e.decimalSeparator = QLatin1Char(',');
            e.thousandsSeparator = QLatin1Char('.');
            RegionalConventions::setCurrent(e);
        }
        const schedule::AmountCellWriter writer;
        for (const double v : {0.0, 0.12, 5.0, 667.28, 1234.5, -1234.5, 49332.72, 999999.99, 1234567890.12, -0.004, 123456789012345.0}) {
            TPayment p;
            p.Balance = v;
            const std::string text = p.GetTexts()[8];
            QCOMPARE(writer(text), amounts::currencyText(QString::fromStdString(text).trimmed().toDouble(), 15, 2));
        }
        RegionalConventions::setCurrent(saved);
    }

    void threePaymentsFromMayMakeOneYear()
    {
        const std::vector<schedule::MonthlyCells> monthly{
            {"May 2009", "$100.00", "$10.00"}, {"Jun 2009", "$100.50", "$9.50"}, {"Jul 2009", "$101.00", "$9.00"}};
        const auto rows = schedule::annualRows(monthly);
        QCOMPARE(rows.size(), std::size_t(1));
        QCOMPARE(rows[0], QStringList({"1", "May - Dec 2009", "$301.50", "$28.50", "$330.00"}));
        QVERIFY(schedule::annualRows({}).empty());
    }

    void prepaymentOnPaymentOnePaysOffAt59AndIsKept()
    {
        test::MainWindowFixture fx;
        openSampleSchedule(fx, QStringLiteral("Jan"));
        applyExtra(fx, QStringLiteral("rbSinglePayment"), 1, 0, 1000);
        auto* monthly = fx.field<TStringGrid>(QStringLiteral("grdMonthlyAmortization"));
        QCOMPARE(monthly->rowCount(), 60);
        QCOMPARE(monthly->cell(6, 1), QStringLiteral("$1,000.00"));
        fx.click(QStringLiteral("btnCancel"));
        fx.field<QComboBox>(QStringLiteral("cbMonth"))->setCurrentText(QStringLiteral("Mar"));
        fx.click(QStringLiteral("btnCalculate"));
        const QStringList lines = fx.field<QPlainTextEdit>(QStringLiteral("memPrepayments"))->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0).trimmed(), QStringLiteral("1 $1,000.00"));
        QCOMPARE(lines.value(59).trimmed(), QStringLiteral("$0.00"));
        QCOMPARE(monthly->rowCount(), 60);
        QCOMPARE(monthly->cell(6, 1), QStringLiteral("$1,000.00"));
        QCOMPARE(monthly->cell(1, 1), QStringLiteral("Mar 2009"));
    }

    void prepaymentOnAllPayments()
    {
        test::MainWindowFixture fx;
        openSampleSchedule(fx, QStringLiteral("Jan"));
        applyExtra(fx, QStringLiteral("rbAllPayments"), 0, 0, 200);
        auto* monthly = fx.field<TStringGrid>(QStringLiteral("grdMonthlyAmortization"));
        const int last = monthly->rowCount() - 1;
        QVERIFY(last < 60);
        for (int r = 1; r < last; ++r)
            QCOMPARE(monthly->cell(6, r), QStringLiteral("$200.00"));
        QCOMPARE(monthly->cell(6, last), QStringLiteral("$0.00"));
        QCOMPARE(monthly->cell(7, last), QStringLiteral("$0.00"));
    }

    void prepaymentOutsideTheScheduleIsRefused()
    {
        test::MainWindowFixture fx;
        openSampleSchedule(fx, QStringLiteral("Jan"));
        test::dialogs().clear();
        applyExtra(fx, QStringLiteral("rbSinglePayment"), 61, 0, 100);
        QCOMPARE(test::dialogs().messages, QStringList{QString::fromLatin1(Rw_mortgage::ExtraPaymentsMessage.data(), qsizetype(Rw_mortgage::ExtraPaymentsMessage.size()))});
        QCOMPARE(fx.field<TStringGrid>(QStringLiteral("grdMonthlyAmortization"))->rowCount(), 61);
        QVERIFY(!fx.field<QComboBox>(QStringLiteral("cbMonth"))->isEnabled());
        fx.click(QStringLiteral("btnReturnToConsolidationComparisons"));
        QCOMPARE(fx.window().activePageName(), QStringLiteral("pgCompareConsolidationLoans"));
        QVERIFY(fx.field<QComboBox>(QStringLiteral("cbMonth"))->isEnabled() || !fx.field<QWidget>(QStringLiteral("pnlExtraPrincipal"))->isVisible());
    }

    void refusedScenarios_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<QString>("message");
        const QString amount = QStringLiteral("The selected loan scenario cannot be amortized because\r\nthe amount borrowed is a negative amount.");
        QTest::newRow("negative amount") << 0 << Inputs{{"edtLoan", "3000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}} << QPoint(5, 1) << amount;
        QTest::newRow("negative payment") << 1 << Inputs{{"edtPayment", "100"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}} << QPoint(5, 1) << amount;
        QTest::newRow("negative payment in rates") << 2 << Inputs{{"edtLoan", "50000"}, {"edtPayment", "100"}, {"edtTerm", "60"}} << QPoint(1, 8)
                                                   << QStringLiteral("The selected loan scenario cannot be amortized because\r\nthe amount borrowed and interest rate are negative values.");
        QTest::newRow("zero term") << 3 << Inputs{{"edtLoan", "50000"}, {"edtPayment", "300"}, {"edtInterest", "8.75"}} << QPoint(5, 8)
                                   << QStringLiteral("The selected loan scenario cannot be amortized because\r\nthe term is 0 or a negative value.");
    }
    void refusedScenarios()
    {
        QFETCH(int, mode);
        QFETCH(Inputs, inputs);
        QFETCH(QPoint, cell);
        QFETCH(QString, message);
        test::MainWindowFixture fx;
        setUpCalculator(fx, mode, inputs);
        test::dialogs().clear();
        doubleClickCell(fx.field<TStringGrid>(QStringLiteral("grdMG")), cell.x(), cell.y());
        QCOMPARE(test::dialogs().messages, QStringList{message});
        QCOMPARE(fx.window().activePageName(), QStringLiteral("pgCompareConsolidationLoans"));
    }

    void headingDoubleClickDoesNothing()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
        test::dialogs().clear();
        fx.window().state().ClickedColumn = 0;
        fx.window().state().ClickedRow = 3;
        fx.window().amortizationPage()->ShowAmortization();
        QVERIFY(test::dialogs().messages.isEmpty());
        QCOMPARE(fx.window().activePageName(), QStringLiteral("pgCompareConsolidationLoans"));
    }

    // A term cell with decimals opens a schedule of its term rounded up; the
    // label says the same number.
    void termScenarioRoundsTheCellUp()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 3, {{"edtLoan", "50000"}, {"edtPayment", "1031.86"}, {"edtInterest", "8.75"}});
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        const double shown = grid->cell(9, 8).trimmed().toDouble();
        QVERIFY(shown != std::floor(shown));
        doubleClickCell(grid, 9, 8);
        const int expected = static_cast<int>(std::ceil(shown));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationTerm"))->text(), QString::number(expected));
        QCOMPARE(fx.window().state().Schedule->NumberOfPayments, expected);
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationPayment"))->text(), QStringLiteral("$1,331.86"));
    }

    void loanAmountScenarioTakesItsColumnsRate()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 1, {{"edtPayment", "1031.86"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
        doubleClickCell(fx.field<TStringGrid>(QStringLiteral("grdMG")), 1, 8);
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationRate"))->text(), QStringLiteral("6.75%"));
        QCOMPARE(fx.window().state().ScenarioRate, 6.75);
    }

    void zeroStartLeavesOnlyHeadings()
    {
        test::MainWindowFixture fx;
        fx.window().state().UseSampleValues = false;
        fx.window().amortizationPage()->SetupAmort();
        fx.window().amortizationPage()->CalcAmortization();
        QCOMPARE(fx.field<TStringGrid>(QStringLiteral("grdMonthlyAmortization"))->rowCount(), 1);
        QCOMPARE(fx.field<TStringGrid>(QStringLiteral("grdAnnualAmortization"))->rowCount(), 1);
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblAmortizationTerm"))->text(), QStringLiteral("0"));
    }

    // The one-pass build gives the rows, messages and, for a line that does
    // not convert, the partly applied schedule of the line-by-line build.
    void oneBuildMatchesLineByLine_data()
    {
        QTest::addColumn<QString>("list");
        QTest::addColumn<bool>("fails");
        QTest::newRow("mixed amounts") << "1 $1,000.00\r\n2 $0.00\r\n7 $250.50\r\n \r\n30 $5,000.00\r\n" << false;
        QTest::newRow("outside the schedule") << "3 $10.00\r\n99 $10.00\r\n0 $1.00\r\n" << false;
        QTest::newRow("bad amount midway") << "1 $500.00\r\n2 $abc\r\n3 $900.00\r\n" << true;
        QTest::newRow("bad number") << "4 $500.00\r\nx4 $1.00\r\n" << true;
    }
    void oneBuildMatchesLineByLine()
    {
        QFETCH(QString, list);
        QFETCH(bool, fails);
        const auto build = [&](schedule::PrepaymentBuild how, RecordingObserver& observer, bool& failed) {
            TMortgage m(60, 50000, 0.0875, 12, 1, 2009);
            failed = false;
            try {
                schedule::applyPrepaymentList(m, list, how, &observer);
            } catch (const ConversionError&) {
                failed = true;
            }
            return m.Payments;
        };
        RecordingObserver linearObserver, perLineObserver;
        bool linearFailed = false, perLineFailed = false;
        const auto linear = build(schedule::PrepaymentBuild::Linear, linearObserver, linearFailed);
        const auto perLine = build(schedule::PrepaymentBuild::PerLine, perLineObserver, perLineFailed);
        QCOMPARE(linearFailed, fails);
        QCOMPARE(perLineFailed, fails);
        QVERIFY(linear == perLine);
        QCOMPARE(linearObserver.messages, perLineObserver.messages);
    }
};

LARKSPAN_TEST_MAIN(TestPayoffSchedules)
#include "tst_payoffschedules.moc"
