// The loan spread tables: the number texts they are written in, the
// headings and corner cells of each table around the sample loan, the
// estimate option, the placeholders of a cleared table and the clicked cell.

#include "support/Fixtures.h"
#include "support/TestMain.h"

#include "loantools/LoanCalculator.h"
#include "loantools/LoanMath.h"
#include "shell/EditField.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"
#include "shell/Theme.h"

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

const Inputs SampleByMode[] = {
    {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}},
    {{"edtPayment", "1031.86"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}},
    {{"edtLoan", "50000"}, {"edtPayment", "1031.86"}, {"edtTerm", "60"}},
    {{"edtLoan", "50000"}, {"edtPayment", "1031.86"}, {"edtInterest", "8.75"}},
};

} // namespace

class TestSpreadTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { test::dialogs().clear(); }

    void fixedText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("precision");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate cell") << 8.7542 << 5 << 3 << "8.754";
        QTest::newRow("precision before decimals") << 123.4567 << 5 << 3 << "123.460";
        QTest::newRow("term cell") << 60.0001 << 5 << 2 << "60.00";
        QTest::newRow("too many integer digits") << 123456.7 << 5 << 2 << "1.2346E5";
        QTest::newRow("tiny negative") << -0.0001 << 5 << 2 << "0.00";
        QTest::newRow("negative") << -2.5 << 5 << 3 << "-2.500";
    }
    void fixedText()
    {
        QFETCH(double, value);
        QFETCH(int, precision);
        QFETCH(int, decimals);
        QFETCH(QString, expected);
        QCOMPARE(loanmath::fixedText(value, precision, decimals), expected);
    }

    void cellValueReadsTheTablesTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("amount") << " $43,000" << 43000.0;
        QTest::newRow("negative amount") << " ($4,000)" << -4000.0;
        QTest::newRow("rate heading") << "  6.75%" << 6.75;
        QTest::newRow("negative rate") << "  -0.25%" << -0.25;
        QTest::newRow("rate cell") << " 8.754%" << 8.754;
        QTest::newRow("term") << "60.00" << 60.0;
    }
    void cellValueReadsTheTablesTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(loanmath::cellValue(text), expected);
    }

    // Heading column ends, heading row ends, corner and three body cells.
    void tableAroundTheSample_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("expected"); // (0,0) (0,1) (0,15) (1,0) (9,0) (5,8) (1,1) (9,15)
        QTest::newRow("payments") << 0 << QStringList{" Loan / Rate", " $43,000", " $57,000", "  6.75%", "  10.75%", " $1,031.86", " $846.39", " $1,232.22"};
        QTest::newRow("loan amounts") << 1 << QStringList{" Pmt / Rate", " $506.86", " $1,556.86", "  6.75%", "  10.75%", " $50,000", " $25,751", " $72,017"};
        QTest::newRow("rates") << 2 << QStringList{" Loan / Pmt", " $43,000", " $57,000", "  $731.86", "  $1,331.86", " 8.754%", " 0.940%", " 14.190%"};
        QTest::newRow("terms") << 3 << QStringList{" Loan / Pmt", " $43,000", " $57,000", "  $731.86", "  $1,331.86", " 60.00", "76.99", " 51.49"};
    }
    void tableAroundTheSample()
    {
        QFETCH(int, mode);
        QFETCH(QStringList, expected);
        test::MainWindowFixture fx;
        setUpCalculator(fx, mode, SampleByMode[mode]);
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        const QPoint cells[] = {{0, 0}, {0, 1}, {0, 15}, {1, 0}, {9, 0}, {5, 8}, {1, 1}, {9, 15}};
        QStringList actual;
        for (const QPoint& c : cells)
            actual << grid->cell(c.x(), c.y());
        QCOMPARE(actual, expected);
        QCOMPARE(grid->cells().cellColor(5, 1), theme::yellow());
        QCOMPARE(grid->cells().cellColor(9, 8), theme::yellow());
        QVERIFY(!grid->cells().cellColor(4, 7).isValid());
        QCOMPARE(grid->selectedColumn(), 5);
        QCOMPARE(grid->selectedRow(), 8);
    }

    void termTableFirstColumnHasNoBlank()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 3, SampleByMode[3]);
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        for (int r = 1; r <= 15; ++r) {
            QVERIFY(!grid->cell(1, r).startsWith(QLatin1Char(' ')));
            QVERIFY(grid->cell(2, r).startsWith(QLatin1Char(' ')));
        }
    }

    void estimatesAddToPaymentCellsOnly()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, SampleByMode[0]);
        fx.field<TEditField>(QStringLiteral("edtAnnualTaxes"))->setValue(1200);
        fx.field<TEditField>(QStringLiteral("edtAnnualInsurance"))->setValue(600);
        fx.field<QRadioButton>(QStringLiteral("rbUse"))->click();
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        QCOMPARE(grid->cell(5, 8), QStringLiteral(" $1,181.86"));
        QCOMPARE(grid->cell(1, 1), QStringLiteral(" $996.39"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtPayment"))->text(), QStringLiteral("1,031.86"));
        fx.field<TRadioGroup>(QStringLiteral("rgCalculate"))->setItemIndex(2);
        fx.typeAndLeave(QStringLiteral("edtPayment"), QStringLiteral("1031.86"));
        QCOMPARE(grid->cell(5, 8), QStringLiteral(" 8.754%"));
    }

    void cleanGridShowsPlaceholders()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 1, SampleByMode[1]);
        auto* page = fx.window().loanCalculatorPage();
        page->CleanGrid();
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        QCOMPARE(grid->cell(0, 0), QStringLiteral(" Pmt / Rate"));
        QCOMPARE(grid->cell(0, 1), QStringLiteral(" 7.50%"));
        QCOMPARE(grid->cell(0, 11), QStringLiteral("10.00%"));
        QCOMPARE(grid->cell(0, 12), QString());
        QCOMPARE(grid->cell(1, 0), QStringLiteral("$600.00"));
        QCOMPARE(grid->cell(9, 0), QStringLiteral("$1,000.00"));
        QCOMPARE(grid->cell(5, 8), QString());
        QCOMPARE(grid->colWidth(3), 77);
    }

    void stepTextsFollowTheIncrements()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, SampleByMode[0]);
        fx.field<TRadioGroup>(QStringLiteral("rgLoan"))->setItemIndex(5);
        fx.field<TRadioGroup>(QStringLiteral("rgInterest"))->setItemIndex(0);
        QCOMPARE(fx.window().state().SpreadLoanStepText, QStringLiteral("$2500"));
        QCOMPARE(fx.window().state().SpreadRateStepText, QStringLiteral("1/8%"));
        QCOMPARE(fx.field<TStringGrid>(QStringLiteral("grdMG"))->cell(0, 1), QStringLiteral(" $32,500"));
    }

    void mouseUpRecordsTheCell()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, SampleByMode[0]);
        auto* grid = fx.field<TStringGrid>(QStringLiteral("grdMG"));
        const QRect r = grid->visualRect(grid->model()->index(3, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(fx.window().state().ClickedColumn, 2);
        QCOMPARE(fx.window().state().ClickedRow, 3);
    }
};

LARKSPAN_TEST_MAIN(TestSpreadTables)
#include "tst_spreadtables.moc"
