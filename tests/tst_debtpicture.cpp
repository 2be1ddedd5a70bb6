// The debt picture: loan and card tallies, the consolidation list and its
// sort, and the consolidation comparison, first as plain functions, then
// through the real window.
#include "calculators/DebtMath.h"
#include "shell/AmountText.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QLabel>

using namespace larkspan;
using namespace larkspan::debt;

Q_DECLARE_METATYPE(std::vector<larkspan::debt::LoanRow>)
Q_DECLARE_METATYPE(std::vector<larkspan::debt::CardRow>)

namespace {

QString money(double v) { return amounts::currencyText(v, 15, 2); }
QString rate(double v) { return amounts::percentTextFixed(v, 3); }

DebtSource ticked(const QString& name, double payment, double balance)
{
    return DebtSource{name, payment, balance, true};
}

// The names of the array from the top, blank entries as "".
QStringList namesOf(const DebtArray& entries)
{
    QStringList out;
    for (const DebtEntry& e : entries)
        out << e.name;
    return out;
}

QStringList blanks(int n)
{
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QString();
    return out;
}

} // namespace

class TestDebtPicture : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { test::removeSettings(); }

    void loanTally_data();
    void loanTally();
    void cardTally_data();
    void cardTally();

    void sortOrder_data();
    void sortOrder();
    void onlyTickedRowsAndLongNamesAreCut();

    void consolidation_data();
    void consolidation();

    void loanPageThroughWindow();
    void cardPageThroughWindow();
    void consolidationFollowsTickedDebts();
};

// ------------------------------------------------------------ tallies

void TestDebtPicture::loanTally_data()
{
    QTest::addColumn<std::vector<LoanRow>>("rows");
    QTest::addColumn<QString>("totalDebt");
    QTest::addColumn<QString>("principalPaid");
    QTest::addColumn<QString>("average");
    QTest::newRow("all rows empty") << std::vector<LoanRow>(13) << "$0.00" << "$0.00" << "0.000%";
    QTest::newRow("weights 0.25 and 0.75")
        << std::vector<LoanRow>{{12000, 6, 10000}, {40000, 10, 30000}} << "$40,000.00" << "$12,000.00" << "9.000%";
    QTest::newRow("rate without balance does not move the average")
        << std::vector<LoanRow>{{12000, 6, 10000}, {5000, 25, 0}, {40000, 10, 30000}} << "$40,000.00" << "$17,000.00"
        << "9.000%";
    QTest::newRow("balances above amounts borrowed")
        << std::vector<LoanRow>{{1000, 5, 1500}, {0, 5, 250}} << "$1,750.00" << "($750.00)" << "5.000%";
    // The sample loans of the reset menu.
    QTest::newRow("sample loans")
        << std::vector<LoanRow>{{91000, 5.5, 75111.90}, {63000, 8.5, 50590.70}, {50000, 9, 47996.29}, {5000, 13, 3676.91}}
        << "$177,375.80" << "$31,624.20" << "7.458%";
}

void TestDebtPicture::loanTally()
{
    QFETCH(std::vector<LoanRow>, rows);
    const LoanTally t = tallyLoans(rows);
    QTEST(money(t.totalDebt), "totalDebt");
    QTEST(money(t.principalPaid), "principalPaid");
    QTEST(rate(t.averageRate), "average");
}

void TestDebtPicture::cardTally_data()
{
    QTest::addColumn<std::vector<CardRow>>("rows");
    QTest::addColumn<QString>("totalDebt");
    QTest::addColumn<QString>("average");
    QTest::newRow("all rows empty") << std::vector<CardRow>(8) << "$0.00" << "0.000%";
    QTest::newRow("single card") << std::vector<CardRow>{{2500, 18.99}} << "$2,500.00" << "18.990%";
    QTest::newRow("two cards") << std::vector<CardRow>{{1000, 12}, {3000, 20}} << "$4,000.00" << "18.000%";
    QTest::newRow("sample cards") << std::vector<CardRow>{{14000, 19.99}, {4500, 29.98}} << "$18,500.00" << "22.420%";
}

void TestDebtPicture::cardTally()
{
    QFETCH(std::vector<CardRow>, rows);
    const CardTally t = tallyCards(rows);
    QTEST(money(t.totalDebt), "totalDebt");
    QTEST(rate(t.averageRate), "average");
}

// ------------------------------------------------------------ debt array

void TestDebtPicture::sortOrder_data()
{
    QTest::addColumn<QList<double>>("cardBalances");
    QTest::addColumn<QList<double>>("loanBalances");
    QTest::addColumn<QStringList>("order");
    // Names are "c<k>" for card k and "l<k>" for loan k; every row ticked.
    QTest::newRow("equal balances: card before loan")
        << QList<double>{12000} << QList<double>{5000, 12000} << (QStringList{"c1", "l2", "l1"} + blanks(18));
    QTest::newRow("zero balance keeps its place among blanks")
        << QList<double>{0, 0, 300} << QList<double>{} << (QStringList{"c3", "c1", "c2"} + blanks(18));
    QTest::newRow("zero loan stays below the blank card entries")
        << QList<double>{100} << QList<double>{0} << (QStringList{"c1"} + blanks(7) + QStringList{"l1"} + blanks(12));
    QTest::newRow("negative balance sinks below blanks")
        << QList<double>{-50, 200} << QList<double>{} << (QStringList{"c2"} + blanks(19) + QStringList{"c1"});
    QTest::newRow("smallest last among 21 ticked")
        << QList<double>{1, 2, 3, 4, 5, 6, 7, 8} << QList<double>{9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}
        << QStringList{"l13", "l12", "l11", "l10", "l9", "l8", "l7", "l6", "l5", "l4", "l3", "l2", "l1",
                       "c8", "c7", "c6", "c5", "c4", "c3", "c2", "c1"};
}

void TestDebtPicture::sortOrder()
{
    QFETCH(QList<double>, cardBalances);
    QFETCH(QList<double>, loanBalances);
    std::vector<DebtSource> cards, loans;
    for (int i = 0; i < cardBalances.size(); ++i)
        cards.push_back(ticked(QStringLiteral("c%1").arg(i + 1), 1, cardBalances[i]));
    for (int i = 0; i < loanBalances.size(); ++i)
        loans.push_back(ticked(QStringLiteral("l%1").arg(i + 1), 1, loanBalances[i]));
    QTEST(namesOf(buildDebtArray(cards, loans)), "order");
}

void TestDebtPicture::onlyTickedRowsAndLongNamesAreCut()
{
    const QString forty = QStringLiteral("0123456789ABCDEFGHIJ0123456789abcdefghij");
    const std::vector<DebtSource> cards{{QStringLiteral("Not ticked"), 80, 9000, false}, ticked(forty, 25.5, 700)};
    const std::vector<DebtSource> loans{ticked(QStringLiteral("Bank"), 300, 4000)};
    const DebtArray a = buildDebtArray(cards, loans);
    QCOMPARE(a[0], (DebtEntry{QStringLiteral("Bank"), 300, 4000}));
    QCOMPARE(a[1], (DebtEntry{forty.left(30), 25.5, 700}));
    QCOMPARE(a[1].name, QStringLiteral("0123456789ABCDEFGHIJ0123456789"));
    for (std::size_t i = 2; i < a.size(); ++i)
        QCOMPARE(a[i], DebtEntry{});
    QCOMPARE(CalcTotalBalance(a), 4700.0);
    QCOMPARE(totalPayment(a), 325.5);
    QCOMPARE(tickedSum(cards), 700.0);
}

// ------------------------------------------------------------ comparison

void TestDebtPicture::consolidation_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("rate");
    QTest::addColumn<int>("term");
    QTest::addColumn<double>("current");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("reduction");
    QTest::newRow("20000 at 12% over 60") << 20000.0 << 12.0 << 60 << 600.0 << "$444.89" << "$155.11";
    QTest::newRow("sample debts at 5.5% over 60") << 22176.91 << 5.5 << 60 << 813.77 << "$423.60" << "$390.17";
    QTest::newRow("zero rate") << 20000.0 << 0.0 << 60 << 600.0 << "$0.00" << "$600.00";
    QTest::newRow("zero term") << 20000.0 << 12.0 << 0 << 600.0 << "$0.00" << "$600.00";
    QTest::newRow("new loan dearer") << 20000.0 << 12.0 << 60 << 400.0 << "$444.89" << "($44.89)";
}

void TestDebtPicture::consolidation()
{
    QFETCH(double, amount);
    QFETCH(double, rate);
    QFETCH(int, term);
    QFETCH(double, current);
    const ConsolidationResult r = compareConsolidation(amount, rate, term, current);
    QTEST(amounts::currencyText(r.payment, 12, 2), "payment");
    QTEST(amounts::currencyText(r.reduction, 12, 2), "reduction");
    QCOMPARE(r.currentTotal, current);
}

// ------------------------------------------------------------ the window

void TestDebtPicture::loanPageThroughWindow()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnTallyYourLoanDebt"));
    auto text = [&](const char* name) { return fx.field<QLabel>(QLatin1String(name))->text(); };
    QCOMPARE(text("lblTDAverageInterestRate"), QStringLiteral("0.000%"));
    QCOMPARE(text("lblTDTotalDebt"), QStringLiteral("$0.00"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtTDCreditor1"));

    fx.typeAndLeave(QStringLiteral("edtTDAmountBorrowed1"), QStringLiteral("12000"));
    fx.typeAndLeave(QStringLiteral("edtTDIR1"), QStringLiteral("6"));
    fx.typeAndLeave(QStringLiteral("edtTDCurrentBalance1"), QStringLiteral("10000"));
    fx.typeAndLeave(QStringLiteral("edtTDIR2"), QStringLiteral("10"));
    fx.typeAndLeave(QStringLiteral("edtTDCurrentBalance2"), QStringLiteral("30000"));
    QCOMPARE(text("lblTDTotalDebt"), QStringLiteral("$40,000.00"));
    QCOMPARE(text("lblTDPrincipalPaid"), QStringLiteral("($28,000.00)"));
    QCOMPARE(text("lblTDAverageInterestRate"), QStringLiteral("9.000%"));

    // Term and monthly payment leave the results alone.
    fx.typeAndLeave(QStringLiteral("edtTDTerm1"), QStringLiteral("5"));
    fx.typeAndLeave(QStringLiteral("edtTDPayment1"), QStringLiteral("250"));
    QCOMPARE(text("lblTDAverageInterestRate"), QStringLiteral("9.000%"));
    QCOMPARE(text("lblTDTotalDebt"), QStringLiteral("$40,000.00"));

    // Tab runs across the row, then down, skipping the Consolidate box.
    auto* balance1 = fx.field<QLineEdit>(QStringLiteral("edtTDCurrentBalance1"));
    balance1->setFocus();
    QTest::keyClick(balance1, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtTDCreditor2"));
}

void TestDebtPicture::cardPageThroughWindow()
{
    test::MainWindowFixture fx;
    fx.click(QStringLiteral("btnTallyYourCreditCardDebt"));
    auto text = [&](const char* name) { return fx.field<QLabel>(QLatin1String(name))->text(); };
    QCOMPARE(text("lblTCAverageInterestRate"), QStringLiteral("0.000%"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtTCAccount1"));
    fx.typeAndLeave(QStringLiteral("edtTCBalance1"), QStringLiteral("1000"));
    fx.typeAndLeave(QStringLiteral("edtTCIR1"), QStringLiteral("12"));
    fx.typeAndLeave(QStringLiteral("edtTCBalance2"), QStringLiteral("3000"));
    fx.typeAndLeave(QStringLiteral("edtTCIR2"), QStringLiteral("20"));
    fx.typeAndLeave(QStringLiteral("edtTCMinimumPayment2"), QStringLiteral("90"));
    QCOMPARE(text("lblTCAverageInterestRate"), QStringLiteral("18.000%"));
    QCOMPARE(text("lblTCTotalDebt"), QStringLiteral("$4,000.00"));
    QVERIFY(!fx.field<QWidget>(QStringLiteral("edtTCDebtFreeYears"))->isVisible());
}

void TestDebtPicture::consolidationFollowsTickedDebts()
{
    test::MainWindowFixture fx;
    auto text = [&](const QString& name) { return fx.field<QLabel>(name)->text(); };

    // A card of 12000 and loans of 5000 and 12000, all ticked.
    fx.click(QStringLiteral("btnTallyYourCreditCardDebt"));
    fx.typeAndLeave(QStringLiteral("edtTCAccount1"), QStringLiteral("Card"));
    fx.typeAndLeave(QStringLiteral("edtTCBalance1"), QStringLiteral("12000"));
    fx.typeAndLeave(QStringLiteral("edtTCMinimumPayment1"), QStringLiteral("200"));
    fx.click(QStringLiteral("chbTCConsolidate1"));
    fx.click(QStringLiteral("btnTallyYourLoanDebt"));
    fx.typeAndLeave(QStringLiteral("edtTDCreditor1"), QStringLiteral("Small loan"));
    fx.typeAndLeave(QStringLiteral("edtTDPayment1"), QStringLiteral("150"));
    fx.typeAndLeave(QStringLiteral("edtTDCurrentBalance1"), QStringLiteral("5000"));
    fx.typeAndLeave(QStringLiteral("edtTDCreditor2"), QStringLiteral("Big loan"));
    fx.typeAndLeave(QStringLiteral("edtTDPayment2"), QStringLiteral("250"));
    fx.typeAndLeave(QStringLiteral("edtTDCurrentBalance2"), QStringLiteral("12000"));
    fx.click(QStringLiteral("chbTDConsolidate1"));
    fx.click(QStringLiteral("chbTDConsolidate2"));

    fx.click(QStringLiteral("btnConsiderConsolidation"));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtCCConsolidationTotal"));
    QCOMPARE(fx.field<QLineEdit>(QStringLiteral("edtCCConsolidationTotal"))->text(), QStringLiteral("29,000.00"));
    const QStringList expected{QStringLiteral("Card"), QStringLiteral("Big loan"), QStringLiteral("Small loan"), QString()};
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(text(QStringLiteral("lblCCCreditor%1").arg(i + 1)), expected[i]);
    QCOMPARE(text(QStringLiteral("lblCCBalance3")), QStringLiteral("$5,000.00"));
    QCOMPARE(text(QStringLiteral("lblCCPayment21")), QStringLiteral("$0.00"));
    QCOMPARE(text(QStringLiteral("lblCCTotalBalance")), QStringLiteral("$29,000.00"));
    QCOMPARE(text(QStringLiteral("lblCCTotalPayment")), QStringLiteral("$600.00"));

    fx.typeAndLeave(QStringLiteral("edtCCConsolidationTotal"), QStringLiteral("20000"));
    fx.typeAndLeave(QStringLiteral("edtCCInterestRate"), QStringLiteral("12"));
    fx.typeAndLeave(QStringLiteral("edtCCTerm"), QStringLiteral("60"));
    QCOMPARE(text(QStringLiteral("lblCCConsolidationPayment")), QStringLiteral("$444.89"));
    QCOMPARE(text(QStringLiteral("lblCCCurrentTotalPayment")), QStringLiteral("$600.00"));
    QCOMPARE(text(QStringLiteral("lblCCMonthlyPaymentSavings")), QStringLiteral("$155.11"));

    // Re-entering shows the ticked sum again, whatever was typed.
    fx.click(QStringLiteral("btnTallyYourCreditCardDebt"));
    fx.click(QStringLiteral("btnConsiderConsolidation"));
    QCOMPARE(fx.field<QLineEdit>(QStringLiteral("edtCCConsolidationTotal"))->text(), QStringLiteral("29,000.00"));

    // A card edit reaches the list at the next loan recalculation.
    fx.click(QStringLiteral("btnTallyYourCreditCardDebt"));
    fx.typeAndLeave(QStringLiteral("edtTCMinimumPayment1"), QStringLiteral("300"));
    QCOMPARE(text(QStringLiteral("lblCCPayment1")), QStringLiteral("$200.00"));
    fx.click(QStringLiteral("btnTallyYourLoanDebt"));
    QCOMPARE(text(QStringLiteral("lblCCPayment1")), QStringLiteral("$300.00"));
    QCOMPARE(text(QStringLiteral("lblCCTotalPayment")), QStringLiteral("$700.00"));
}

LARKSPAN_TEST_MAIN(TestDebtPicture)
#include "tst_debtpicture.moc"
