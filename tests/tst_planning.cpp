// The planning pages: payoff or save, the savings plan table and the budget,
// through their arithmetic and through the real window.
#include "calculators/Budget.h"
#include "calculators/PlanningMath.h"
#include "calculators/SavingsPlan.h"
#include "shell/AmountText.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"
#include "shell/Theme.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace larkspan;
using namespace larkspan::planning;

namespace {

QString money2(double value)
{
    return amounts::currencyText(value, 10, 2);
}

QColor textColour(const QWidget* w, QPalette::ColorRole role)
{
    return w->palette().color(role);
}

} // namespace

class TestPlanning : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each window starts from the built-in values, not from the settings the
    // previous window wrote when it closed.
    void init() { test::removeSettings(); }

    void payVsInvest_data();
    void payVsInvest();
    void payoffPageComputesAndColours();

    void calcFV_data();
    void calcFV();
    void wholePeriodRoutes_data();
    void wholePeriodRoutes();
    void monthsBetween_data();
    void monthsBetween();
    void columnRatesAndHeadings_data();
    void columnRatesAndHeadings();
    void savingsPageTable();
    void continuousCompoundingAllowsOnlyOrdinary();

    void budgetBalances_data();
    void budgetBalances();
    void budgetPageBalancesAndColours();
    void budgetEditModeAndRestore();
};

// ------------------------------------------------------------ payoff or save

void TestPlanning::payVsInvest_data()
{
    QTest::addColumn<double>("cash");
    QTest::addColumn<double>("debtRate");
    QTest::addColumn<double>("returnRate");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("investment");
    QTest::addColumn<QString>("debt");
    QTest::addColumn<QString>("difference");
    QTest::newRow("18% debt, 6% return, year 1") << 10000.0 << 18.0 << 6.0 << 1 << "$10,600.00" << "$11,800.00" << "($1,200.00)";
    QTest::newRow("18% debt, 6% return, year 10") << 10000.0 << 18.0 << 6.0 << 10 << "$17,908.48" << "$52,338.36" << "($34,429.88)";
    QTest::newRow("sample set, year 4") << 3000.0 << 19.0 << 8.0 << 4 << "$4,081.47" << "$6,016.02" << "($1,934.55)";
    QTest::newRow("equal rates") << 5000.0 << 7.5 << 7.5 << 10 << "$10,305.16" << "$10,305.16" << "$0.00";
    QTest::newRow("cash 0") << 0.0 << 18.0 << 6.0 << 10 << "$0.00" << "$0.00" << "$0.00";
    QTest::newRow("return above debt rate") << 1000.0 << 3.0 << 10.0 << 2 << "$1,210.00" << "$1,060.90" << "$149.10";
}

void TestPlanning::payVsInvest()
{
    QFETCH(double, cash);
    QFETCH(double, debtRate);
    QFETCH(double, returnRate);
    QFETCH(int, year);
    const auto years = planning::payVsInvest(cash, debtRate, returnRate);
    const PayoffYear& y = years[static_cast<std::size_t>(year - 1)];
    QTEST(money2(y.investment), "investment");
    QTEST(money2(y.debt), "debt");
    QTEST(money2(y.difference), "difference");
}

void TestPlanning::payoffPageComputesAndColours()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnPayoffOrSave"));
    QCOMPARE(QApplication::focusWidget(), fx.field<QWidget>(QStringLiteral("edtCash")));

    fx.typeAndLeave(QStringLiteral("edtCash"), QStringLiteral("10000"));
    fx.typeAndLeave(QStringLiteral("edtDebtInterest"), QStringLiteral("18"));
    fx.typeAndLeave(QStringLiteral("edtInvestmentReturn"), QStringLiteral("6"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtInvestment1"))->text(), QStringLiteral("10,600.00"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtDebt1"))->text(), QStringLiteral("11,800.00"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtdebt8"))->text(), QStringLiteral("37,588.59"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtDifference10"))->text(), QStringLiteral("-34,429.88"));
    for (int y = 1; y <= PayoffYears; ++y)
        QCOMPARE(textColour(fx.field<QWidget>(QStringLiteral("edtDifference%1").arg(y)), QPalette::Text), theme::red());

    // Equal rates: every difference is zero, in navy.
    fx.typeAndLeave(QStringLiteral("edtInvestmentReturn"), QStringLiteral("18"));
    for (int y = 1; y <= PayoffYears; ++y) {
        auto* d = fx.field<TEditField>(QStringLiteral("edtDifference%1").arg(y));
        QCOMPARE(d->text(), QStringLiteral("0.00"));
        QCOMPARE(textColour(d, QPalette::Text), theme::navy());
    }
    QVERIFY(fx.field<TEditField>(QStringLiteral("edtInvestment5"))->isReadOnly());
}

// -------------------------------------------------------------- savings plan

void TestPlanning::calcFV_data()
{
    QTest::addColumn<double>("balance");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("months");
    QTest::addColumn<double>("payment");
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<QString>("expected");
    QTest::newRow("ordinary") << 1000.0 << 6.0 << 12 << 100.0 << "Ordinary" << "$2,295.23";
    QTest::newRow("due") << 1000.0 << 6.0 << 12 << 100.0 << "Due" << "$2,301.40";
    QTest::newRow("no annuity chosen counts as due") << 1000.0 << 6.0 << 12 << 100.0 << "" << "$2,301.40";
    QTest::newRow("rate 0: balance plus payments") << 1000.0 << 0.0 << 12 << 100.0 << "Ordinary" << "$2,200.00";
    QTest::newRow("balance and payment 0") << 0.0 << 6.0 << 12 << 0.0 << "Due" << "$0.00";
    QTest::newRow("payments only") << 0.0 << 6.0 << 12 << 100.0 << "Ordinary" << "$1,233.56";
    QTest::newRow("balance only") << 1000.0 << 6.0 << 12 << 0.0 << "Ordinary" << "$1,061.68";
    QTest::newRow("end before start") << 1000.0 << 6.0 << -12 << 0.0 << "Ordinary" << "$941.91";
}

void TestPlanning::calcFV()
{
    QFETCH(double, balance);
    QFETCH(double, rate);
    QFETCH(int, months);
    QFETCH(double, payment);
    QFETCH(QString, annuity);
    const double v = CalcFV(QStringLiteral("Monthly 12"), QStringLiteral("Monthly 12"), balance, rate, months, payment, annuity, 0);
    QTEST(money2(v), "expected");
}

// Hand-worked: 1000, 100 a month, 12 % a year, 365 days: n = 12 periods of
// q = 1 %. Simple interest: 1000 × 1.12 + 100 × (12 + 0.01 × (0 + … + 11))
// = 2,386.00 (ordinary; payments at the end earn 0..11 periods) and
// 1120 + 100 × (12 + 0.01 × (1 + … + 12)) = 2,398.00 (due). Continuously:
// 1000 × e^0.12 + 100 × Σ e^(0.01 k), k = 0..11 or 1..12.
void TestPlanning::wholePeriodRoutes_data()
{
    QTest::addColumn<QString>("compounding");
    QTest::addColumn<QString>("annuity");
    QTest::addColumn<qint64>("days");
    QTest::addColumn<QString>("expected");
    QTest::newRow("simple, ordinary") << "Simple Interest" << "Ordinary" << qint64(365) << "$2,386.00";
    QTest::newRow("simple, due") << "Simple Interest" << "Due" << qint64(365) << "$2,398.00";
    QTest::newRow("continuously, ordinary") << "Continuously" << "Ordinary" << qint64(365) << "$2,396.10";
    QTest::newRow("continuously, due") << "Continuously" << "Due" << qint64(365) << "$2,408.85";
    QTest::newRow("part period counts nothing") << "Simple Interest" << "Ordinary" << qint64(30) << "$1,000.00";
    QTest::newRow("end before start: no payments") << "Simple Interest" << "Due" << qint64(-365) << "$880.00";
}

void TestPlanning::wholePeriodRoutes()
{
    QFETCH(QString, compounding);
    QFETCH(QString, annuity);
    QFETCH(qint64, days);
    // The month count plays no part in these routes.
    const double v = CalcFV(QStringLiteral("Monthly 12"), compounding, 1000, 12, 99, 100, annuity, days);
    QTEST(money2(v), "expected");
}

void TestPlanning::monthsBetween_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<int>("months");
    QTest::newRow("15 March to 1 April next year") << QDate(2023, 3, 15) << QDate(2024, 4, 1) << 13;
    QTest::newRow("31 March to 1 April") << QDate(2024, 3, 31) << QDate(2024, 4, 1) << 1;
    QTest::newRow("same month") << QDate(2024, 5, 1) << QDate(2024, 5, 31) << 0;
    QTest::newRow("end in an earlier month") << QDate(2024, 5, 1) << QDate(2023, 11, 30) << -6;
}

void TestPlanning::monthsBetween()
{
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QTEST(planning::monthsBetween(start, end), "months");
}

void TestPlanning::columnRatesAndHeadings_data()
{
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("stepIndex");
    QTest::addColumn<QStringList>("headings");
    QTest::newRow("0.2 with step .25")
        << 0.2 << 3
        << QStringList{"  -0.55%", "  -0.3%", "  -0.05%", "  0.2%", "  0.45%", "  0.7%", "  0.95%"};
    QTest::newRow("8 with step .333")
        << 8.0 << 4 << QStringList{"  7%", "  7.3333%", "  7.6667%", "  8%", "  8.3333%", "  8.6667%", "  9%"};
    QTest::newRow("8.25 with no step chosen")
        << 8.25 << -1 << QStringList{"  8.25%", "  8.25%", "  8.25%", "  8.25%", "  8.25%", "  8.25%", "  8.25%"};
}

void TestPlanning::columnRatesAndHeadings()
{
    QFETCH(double, rate);
    QFETCH(int, stepIndex);
    QFETCH(QStringList, headings);
    SavingsPlanInputs in;
    in.rate = rate;
    in.rateStep = stepAt(rateSteps(), stepIndex).value_or(SavingsStep{}).step;
    in.begin = QDate(2024, 1, 1);
    in.end = QDate(2025, 1, 1);
    const SavingsPlanTable t = savingsPlanTable(in);
    QStringList shown;
    for (const double r : t.rates)
        shown << savingsRateHeading(r);
    QCOMPARE(shown, headings);
    QCOMPARE(t.rates[3], rate);
}

void TestPlanning::savingsPageTable()
{
    test::MainWindowFixture fx;
    AppState& state = fx.window().state();
    fx.click(QStringLiteral("btnExploreASavingsPlan"));
    QCOMPARE(QApplication::focusWidget(), fx.field<QWidget>(QStringLiteral("edtFVBalance")));

    auto* grid = fx.field<TStringGrid>(QStringLiteral("grdFV"));
    QCOMPARE(grid->colCount(), 8);
    QCOMPARE(grid->rowCount(), 12);
    QCOMPARE(grid->selectedColumn(), 4);
    QCOMPARE(grid->selectedRow(), 1);

    fx.field<TRadioGroup>(QStringLiteral("rgFVAnnuity"))->setItemIndex(0);
    fx.field<TRadioGroup>(QStringLiteral("rgFVSavings"))->setItemIndex(2);
    fx.field<TRadioGroup>(QStringLiteral("rgFVInterest"))->setItemIndex(3);
    fx.field<QDateEdit>(QStringLiteral("dtpBeginDate"))->setDate(QDate(2024, 3, 15));
    fx.field<QDateEdit>(QStringLiteral("dtpEndDate"))->setDate(QDate(2025, 3, 1));
    fx.typeAndLeave(QStringLiteral("edtFVSavings"), QStringLiteral("100"));
    fx.typeAndLeave(QStringLiteral("edtFVInterest"), QStringLiteral("6"));
    fx.typeAndLeave(QStringLiteral("edtFVBalance"), QStringLiteral("1000"));

    QCOMPARE(grid->cell(0, 0), QStringLiteral(" Savings / Rate"));
    QCOMPARE(grid->cell(0, 1), QStringLiteral(" $100"));
    QCOMPARE(grid->cell(0, 11), QStringLiteral(" $600"));
    QCOMPARE(grid->cell(1, 0), QStringLiteral("  5.25%"));
    QCOMPARE(grid->cell(4, 0), QStringLiteral("  6%"));
    QCOMPARE(grid->cell(4, 1), QStringLiteral(" $2,295.23"));
    QCOMPARE(grid->cells().cellColor(4, 1), theme::yellow());
    QVERIFY(grid->cells().data(grid->cells().index(1, 4), Qt::FontRole).value<QFont>().bold());
    QCOMPARE(state.SavingsPaymentStepText, QStringLiteral("$50"));
    QCOMPARE(state.SavingsRateStepText, QStringLiteral("1/4%"));
    // Every cell agrees with the arithmetic.
    for (int c = 1; c <= SavingsColumns; ++c)
        for (int r = 1; r <= SavingsRows; ++r) {
            const double rate = 6 + (c - 4) * 0.25;
            const double payment = 100 + (r - 1) * 50;
            QCOMPARE(grid->cell(c, r), savingsValueCell(CalcFV(QStringLiteral("Monthly 12"), QStringLiteral("Monthly 12"), 1000, rate, 12, payment, QStringLiteral("Ordinary"), 0)));
        }

    // Clicking "Due" recomputes.
    fx.field<TRadioGroup>(QStringLiteral("rgFVAnnuity"))->button(1)->click();
    QCOMPARE(grid->cell(4, 1), QStringLiteral(" $2,301.40"));

    // No step chosen: the texts keep their last values, the rows do not step.
    fx.field<TRadioGroup>(QStringLiteral("rgFVSavings"))->setItemIndex(-1);
    QCOMPARE(state.SavingsPaymentStepText, QStringLiteral("$50"));
    QCOMPARE(grid->cell(0, 11), QStringLiteral(" $100"));
}

void TestPlanning::continuousCompoundingAllowsOnlyOrdinary()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnExploreASavingsPlan"));
    auto* annuity = fx.field<TRadioGroup>(QStringLiteral("rgFVAnnuity"));
    auto* compounding = fx.field<QComboBox>(QStringLiteral("cbFVCompoundingFrequency"));
    QVERIFY(compounding->isHidden());
    QVERIFY(fx.field<QComboBox>(QStringLiteral("cbFVPaymentFrequency"))->isHidden());
    QCOMPARE(compounding->count(), 12);
    annuity->setItemIndex(1);

    compounding->setCurrentText(QStringLiteral("Continuously"));
    fx.field<TRadioGroup>(QStringLiteral("rgFVInterest"))->setItemIndex(6);
    QCOMPARE(annuity->itemIndex(), 0);
    QVERIFY(!annuity->isEnabled());

    compounding->setCurrentText(QStringLiteral("Monthly 12"));
    fx.field<TRadioGroup>(QStringLiteral("rgFVInterest"))->setItemIndex(3);
    QVERIFY(annuity->isEnabled());
}

// -------------------------------------------------------------------- budget

void TestPlanning::budgetBalances_data()
{
    QTest::addColumn<QList<double>>("incomes");
    QTest::addColumn<QList<double>>("expenses");
    QTest::addColumn<QList<double>>("debtReductions");
    QTest::addColumn<QString>("expenditureBalance");
    QTest::addColumn<QString>("budgetBalance");
    QTest::newRow("all empty") << QList<double>{} << QList<double>{} << QList<double>{} << "$0.00" << "$0.00";
    QTest::newRow("worked example")
        << QList<double>{3600, 800}
        << QList<double>{600, 600, 180, 180, 250, 200, 150, 250, 500, 200, 20, 300, 200, 150}
        << QList<double>{300, 200} << "$620.00" << "$120.00";
    QTest::newRow("expenses above income") << QList<double>{1000, 0} << QList<double>{800, 300} << QList<double>{}
                                           << "($100.00)" << "($100.00)";
    QTest::newRow("item 22 counts") << QList<double>{500, 0}
                                    << QList<double>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 400}
                                    << QList<double>{50, 80} << "$100.00" << "($30.00)";
}

void TestPlanning::budgetBalances()
{
    QFETCH(QList<double>, incomes);
    QFETCH(QList<double>, expenses);
    QFETCH(QList<double>, debtReductions);
    BudgetFigures f;
    std::copy(incomes.begin(), incomes.end(), f.incomes.begin());
    std::copy(expenses.begin(), expenses.end(), f.expenses.begin());
    std::copy(debtReductions.begin(), debtReductions.end(), f.debtReductions.begin());
    const BudgetBalances b = planning::budgetBalances(f);
    QTEST(amounts::currencyText(b.expenditureBalance, 15, 2), "expenditureBalance");
    QTEST(amounts::currencyText(b.budgetBalance, 15, 2), "budgetBalance");
}

void TestPlanning::budgetPageBalancesAndColours()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnCreateABudget"));
    QCOMPARE(QApplication::focusWidget(), fx.field<QWidget>(QStringLiteral("edtCABIncome1")));
    auto* expenditure = fx.field<QLabel>(QStringLiteral("lblExpenditureBalance"));
    auto* budget = fx.field<QLabel>(QStringLiteral("lblBudgetBalance"));
    const QColor windowText = fx.field<QWidget>(QStringLiteral("pgCreateABudget"))->palette().color(QPalette::WindowText);
    QCOMPARE(expenditure->textFormat(), Qt::PlainText);

    fx.typeAndLeave(QStringLiteral("edtCABIncome1"), QStringLiteral("1000"));
    fx.typeAndLeave(QStringLiteral("edtCABExpense13"), QStringLiteral("900"));
    fx.typeAndLeave(QStringLiteral("edtCABDebtReduction2"), QStringLiteral("150"));
    QCOMPARE(expenditure->text(), QStringLiteral("$100.00"));
    QCOMPARE(budget->text(), QStringLiteral("($50.00)"));
    QCOMPARE(textColour(expenditure, QPalette::WindowText), windowText);
    QCOMPARE(textColour(budget, QPalette::WindowText), theme::red());

    fx.typeAndLeave(QStringLiteral("edtCABExpense1"), QStringLiteral("200"));
    QCOMPARE(expenditure->text(), QStringLiteral("($100.00)"));
    QCOMPARE(textColour(expenditure, QPalette::WindowText), theme::red());

    fx.typeAndLeave(QStringLiteral("edtCABIncome2"), QStringLiteral("400"));
    QCOMPARE(budget->text(), QStringLiteral("$150.00"));
    QCOMPARE(textColour(budget, QPalette::WindowText), windowText);
}

void TestPlanning::budgetEditModeAndRestore()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnCreateABudget"));
    auto* edit = fx.field<QPushButton>(QStringLiteral("btnEditBudgetLabels"));
    auto* restore = fx.field<QPushButton>(QStringLiteral("btnRestoreDefaultBudgetItems"));
    auto* item1 = fx.field<TEditField>(QStringLiteral("edtBudgetItem1"));
    auto* item22 = fx.field<TEditField>(QStringLiteral("edtBudgetItem22"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtBudgetItem11"))->text(), QStringLiteral("Pet Expenses"));
    QCOMPARE(item22->text(), QStringLiteral("Other"));

    // Locked: the names are read-only and Tab goes from the incomes to the
    // expense amounts.
    QVERIFY(item1->isReadOnly());
    QVERIFY(restore->isHidden());
    fx.field<QWidget>(QStringLiteral("edtCABIncome2"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), fx.field<QWidget>(QStringLiteral("edtCABExpense1")));

    edit->click();
    QCOMPARE(edit->text(), QStringLiteral("Lock Labels"));
    QVERIFY(!item1->isReadOnly());
    QVERIFY(!restore->isHidden());
    QCOMPARE(QApplication::focusWidget(), item1);
    fx.field<QWidget>(QStringLiteral("edtCABIncome2"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), item1);

    fx.typeAndLeave(QStringLiteral("edtBudgetItem1"), QStringLiteral("Groceries"));
    QCOMPARE(item1->text(), QStringLiteral("Groceries"));
    // A debt item name changed from a file survives the restore.
    fx.field<TEditField>(QStringLiteral("edtDebtItem1"))->setText(QStringLiteral("Card Paydown"));
    item22->setText(QStringLiteral("Gifts"));
    restore->click();
    QCOMPARE(item1->text(), QStringLiteral("Food"));
    QCOMPARE(item22->text(), QStringLiteral("Other"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtDebtItem1"))->text(), QStringLiteral("Card Paydown"));
    QCOMPARE(fx.field<TEditField>(QStringLiteral("edtDebtItem2"))->text(), QStringLiteral("Savings"));

    edit->click();
    QCOMPARE(edit->text(), QStringLiteral("Edit Labels"));
    QVERIFY(item1->isReadOnly());
    QVERIFY(restore->isHidden());
    QCOMPARE(QApplication::focusWidget(), fx.field<QWidget>(QStringLiteral("edtCABExpense1")));
}

LARKSPAN_TEST_MAIN(TestPlanning)
#include "tst_planning.moc"
