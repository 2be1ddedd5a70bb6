// The four-way loan calculator through the real window: each mode's single
// result with its totals, the mode set-up, the term in years, the frequency
// check, and the recovery from an arithmetic error.

#include "support/Fixtures.h"
#include "support/TestMain.h"

#include "loantools/LoanCalculator.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Main.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace larkspan;

namespace {

using Inputs = QList<QPair<QString, QString>>;

// The current data row's value of a column.
template <class T>
T fetched(const char* column)
{
    return *static_cast<T*>(QTest::qData(column, qMetaTypeId<T>()));
}

// Opens the comparison page, chooses the mode and types the inputs (field
// name, text), leaving each one.
void setUpCalculator(test::MainWindowFixture& fx, int mode, const Inputs& inputs)
{
    fx.click(QStringLiteral("btnCompareConsolidationLoans"));
    fx.field<TRadioGroup>(QStringLiteral("rgCalculate"))->setItemIndex(mode);
    for (const auto& [name, text] : inputs)
        fx.typeAndLeave(name, text);
}

} // namespace

class TestLoanCalculator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { test::dialogs().clear(); }

    void singleResult_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<Inputs>("inputs");
        QTest::addColumn<QString>("resultField");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("total");
        QTest::addColumn<QString>("interest");
        const auto in = [](QString a, QString b, QString c, QString d, QString e, QString f) {
            return Inputs{{a, b}, {c, d}, {e, f}};
        };
        QTest::newRow("payment") << 0 << in("edtLoan", "50000", "edtInterest", "8.75", "edtTerm", "60")
                                 << "edtPayment" << "1,031.86" << "61,911.70" << "11,911.70";
        QTest::newRow("loan amount") << 1 << in("edtPayment", "1031.86", "edtInterest", "8.75", "edtTerm", "60")
                                     << "edtLoan" << "49,999.92" << "61,911.60" << "11,911.68";
        QTest::newRow("rate stops short of 8.75")
            << 2 << in("edtLoan", "50000", "edtPayment", "1031.86", "edtTerm", "60") << "edtInterest" << "8.7542"
            << "61,911.60" << "11,911.60";
        QTest::newRow("term from 60.0001") << 3 << in("edtLoan", "50000", "edtPayment", "1031.86", "edtInterest", "8.75")
                                           << "edtTerm" << "60" << "61,911.72" << "11,911.72";
        QTest::newRow("rate 0 pays nothing") << 0 << in("edtLoan", "50000", "edtInterest", "0", "edtTerm", "60")
                                             << "edtPayment" << "0.00" << "0.00" << "-50,000.00";
        QTest::newRow("payment below interest")
            << 3 << in("edtLoan", "50000", "edtPayment", "300", "edtInterest", "8.75") << "edtTerm" << "0" << "0.00"
            << "-50,000.00";
    }
    void singleResult()
    {
        QFETCH(int, mode);
        QFETCH(Inputs, inputs);
        QFETCH(QString, resultField);
        test::MainWindowFixture fx;
        setUpCalculator(fx, mode, inputs);
        QCOMPARE(fx.field<TEditField>(resultField)->text(), fetched<QString>("result"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtTotalPaid"))->text(), fetched<QString>("total"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtInterestPaid"))->text(), fetched<QString>("interest"));
        QVERIFY(fx.field<TEditField>(resultField)->hasResultLook());
        for (const auto& [name, text] : inputs)
            QVERIFY2(!fx.field<TEditField>(name)->hasResultLook(), qPrintable(name));
    }

    void modeSetUpPlacesGroupsHintsAndFocus_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addColumn<QString>("hidden");
        QTest::addColumn<QString>("resultField");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("focus");
        QTest::newRow("payments") << 0 << "rgLoan" << "rgInterest" << "rgPayments" << "edtPayment" << "Calculated Monthly Payment" << "edtLoan";
        QTest::newRow("loan amounts") << 1 << "rgPayments" << "rgInterest" << "rgLoan" << "edtLoan" << "Calculated Loan Amount" << "edtInterest";
        QTest::newRow("rates") << 2 << "rgLoan" << "rgPayments" << "rgInterest" << "edtInterest" << "Calculated Interest Rate" << "edtLoan";
        QTest::newRow("term") << 3 << "rgLoan" << "rgPayments" << "rgInterest" << "edtTerm" << "Calculated Term in Months" << "edtLoan";
    }
    void modeSetUpPlacesGroupsHintsAndFocus()
    {
        QFETCH(int, mode);
        QFETCH(QString, left);
        QFETCH(QString, right);
        QFETCH(QString, hidden);
        QFETCH(QString, resultField);
        test::MainWindowFixture fx;
        fx.click(QStringLiteral("btnCompareConsolidationLoans"));
        fx.field<TRadioGroup>(QStringLiteral("rgCalculate"))->setItemIndex(mode == 0 ? 1 : 0);
        fx.field<TRadioGroup>(QStringLiteral("rgCalculate"))->setItemIndex(mode);
        QCOMPARE(fx.window().state().ComputeChoice, mode);
        QCOMPARE(fx.field<TRadioGroup>(left)->pos(), QPoint(294, 9));
        QCOMPARE(fx.field<TRadioGroup>(right)->pos(), QPoint(460, 9));
        QVERIFY(fx.field<TRadioGroup>(left)->isVisible());
        QVERIFY(!fx.field<TRadioGroup>(hidden)->isVisible());
        QVERIFY(fx.field<TEditField>(resultField)->hasResultLook());
        QCOMPARE(hintOf(fx.field<TEditField>(resultField)), fetched<QString>("hint"));
        QCOMPARE(QApplication::focusWidget()->objectName(), fetched<QString>("focus"));
    }

    void enteringThePageFocusesByMode()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 1, {});
        fx.click(QStringLiteral("btnReturnToMainMenu"));
        fx.click(QStringLiteral("btnCompareConsolidationLoans"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtPayment"));
    }

    void termInYears_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("term");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one year") << "Monthly 12" << "12" << "1.00 year.";
        QTest::newRow("five years") << "Monthly 12" << "60" << "5.00 years.";
        QTest::newRow("biannual") << "Biannually 2" << "6" << "3.00 years.";
    }
    void termInYears()
    {
        QFETCH(QString, frequency);
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}});
        fx.field<QComboBox>(QStringLiteral("cbFrequency"))->setCurrentText(frequency);
        fx.typeAndLeave(QStringLiteral("edtTerm"), fetched<QString>("term"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblTerm"))->text(), fetched<QString>("expected"));
    }

    void termLabelUsesTheTermBeforeModeThreeReplacesIt()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 3, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtPayment", "1031.86"}});
        fx.field<TEditField>(QStringLiteral("edtTerm"))->setValue(12);
        fx.typeAndLeave(QStringLiteral("edtLoan"), QStringLiteral("50000"));
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblTerm"))->text(), QStringLiteral("1.00 year."));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtTerm"))->text(), QStringLiteral("60"));
    }

    void leavingThePaymentInModeOneComputesNothing()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 1, {{"edtPayment", "1031.86"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
        fx.typeAndLeave(QStringLiteral("edtPayment"), QStringLiteral("2000"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtLoan"))->text(), QStringLiteral("49,999.92"));
        fx.typeAndLeave(QStringLiteral("edtInterest"), QStringLiteral("8.75"));
        QVERIFY(fx.field<TEditField>(QStringLiteral("edtLoan"))->text() != QStringLiteral("49,999.92"));
    }

    void frequencyCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("perYear");
        QTest::newRow("partial text") << "Mon" << "Monthly 12" << 6 << 12.0;
        QTest::newRow("constant pasted whole") << "Constant" << "Constant" << 0 << 24.0;
        QTest::newRow("weekly") << "Weekly 52" << "Weekly 52" << 3 << 52.0;
    }
    void frequencyCheck()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
        auto* box = fx.field<QComboBox>(QStringLiteral("cbFrequency"));
        box->setEditText(fetched<QString>("typed"));
        QCOMPARE(box->currentText(), fetched<QString>("shown"));
        QCOMPARE(fx.window().state().FrequencyCode, fetched<int>("code"));
        QCOMPARE(fx.window().state().PeriodsPerYear, fetched<double>("perYear"));
    }

    void fractionFormatRelabelsOnly()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, {});
        auto* rates = fx.field<TRadioGroup>(QStringLiteral("rgInterest"));
        rates->setItemIndex(2);
        fx.field<TRadioGroup>(QStringLiteral("rgChooseFormat"))->setItemIndex(1);
        QCOMPARE(rates->itemIndex(), 2);
        QCOMPARE(rates->items(), QStringList({"1/8's", "1/4's", "3/8's", "1/2's", "5/8's", "3/4's", "7/8's", "1"}));
        fx.field<TRadioGroup>(QStringLiteral("rgChooseFormat"))->setItemIndex(0);
        QCOMPARE(rates->items().first(), QStringLiteral(".125"));
    }

    void estimatesStayOffUnlessSwitched()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 0, {{"edtLoan", "50000"}, {"edtInterest", "8.75"}, {"edtTerm", "60"}});
        QVERIFY(!fx.field<QWidget>(QStringLiteral("gbEstimated"))->isVisible());
        QVERIFY(!fx.window().state().UseEstimates);
        QCOMPARE(fx.window().state().TaxesAndInsurancePerPayment, 0.0);
        QCOMPARE(fx.field<QLabel>(QStringLiteral("lblDisplaying"))->text(), QStringLiteral("Showing P & I Only"));
    }

    // A rate table whose rows reach negative amounts makes the rate
    // iteration take the logarithm of a negative number.
    void arithmeticErrorRestoresSamplesByMode()
    {
        test::MainWindowFixture fx;
        setUpCalculator(fx, 2, {{"edtPayment", "1031.86"}, {"edtTerm", "60"}});
        test::dialogs().clear();
        fx.typeAndLeave(QStringLiteral("edtLoan"), QStringLiteral("5000"));
        QCOMPARE(test::dialogs().messages, QStringList{TfrmMain::arithmeticErrorMessage()});
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtLoan"))->text(), QStringLiteral("50,000.00"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtTerm"))->text(), QStringLiteral("60"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtPayment"))->text(), QStringLiteral("1,031.86"));
        QCOMPARE(fx.field<TEditField>(QStringLiteral("edtInterest"))->text(), QStringLiteral("8.7542"));
        QCOMPARE(fx.field<TStringGrid>(QStringLiteral("grdMG"))->cell(5, 8), QStringLiteral(" 8.754%"));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("edtLoan"));
    }
};

LARKSPAN_TEST_MAIN(TestLoanCalculator)
#include "tst_loancalculator.moc"
