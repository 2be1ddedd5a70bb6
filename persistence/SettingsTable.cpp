#include "persistence/SettingsTable.h"

namespace larkspan {

namespace {

class TableBuilder {
public:
    explicit TableBuilder(QVector<SettingsKey>& keys) : keys_(keys) {}

    void section(const QString& name) { section_ = name; }

    void state(const QString& key, IniType type, const QString& def, StateValue value)
    {
        keys_.append({section_, key, type, def, Binding::State, {}, value});
    }
    void control(const QString& key, IniType type, const QString& def, Binding binding, const QString& name,
                 Direction direction = Direction::ReadWrite)
    {
        keys_.append({section_, key, type, def, binding, name, StateValue::None, direction});
    }
    void field(const QString& key, IniType type, const QString& def, const QString& name)
    {
        control(key, type, def, Binding::Field, name);
    }
    // key1..keyN into name1..nameN.
    void numbered(const QString& key, int count, IniType type, const QString& def, Binding binding, const QString& name)
    {
        for (int i = 1; i <= count; ++i)
            control(key + QString::number(i), type, def, binding, name + QString::number(i));
    }

private:
    QVector<SettingsKey>& keys_;
    QString section_;
};

QVector<SettingsKey> buildTable()
{
    using enum IniType;
    QVector<SettingsKey> keys;
    TableBuilder t(keys);
    const QString zero = QStringLiteral("0");
    const QString none;

    t.section(QStringLiteral("GeneralValues"));
    t.state(QStringLiteral("DefaultValueSet"), Integer, QStringLiteral("1"), StateValue::UseSampleValues);
    t.state(QStringLiteral("Loan"), Real, QStringLiteral("50000"), StateValue::StoredLoan);
    t.state(QStringLiteral("Interest"), Real, QStringLiteral("8.75"), StateValue::StoredInterest);
    t.state(QStringLiteral("Term"), Integer, QStringLiteral("60"), StateValue::StoredTerm);
    t.state(QStringLiteral("Payment"), Real, QStringLiteral("1031.86"), StateValue::StoredPayment);
    t.state(QStringLiteral("Month"), Integer, QStringLiteral("1"), StateValue::StoredMonth);
    t.state(QStringLiteral("Year"), Integer, QStringLiteral("2010"), StateValue::StoredYear);
    t.state(QStringLiteral("Downpayment"), Real, QStringLiteral("20000"), StateValue::StoredDownpayment);
    t.state(QStringLiteral("Run"), Truth, zero, StateValue::FirstRunDone);
    t.state(QStringLiteral("LastUpdate"), DateTime, none, StateValue::LastUpdate);

    t.section(QStringLiteral("Networth"));
    t.numbered(QStringLiteral("Asset"), 24, Real, zero, Binding::Field, QStringLiteral("edtAsset"));
    t.numbered(QStringLiteral("Liability"), 24, Real, zero, Binding::Field, QStringLiteral("edtLiability"));
    // The totals are kept for whoever reads the file; they are computed
    // again, never read back.
    t.control(QStringLiteral("Assets"), Text, none, Binding::Label, QStringLiteral("lblNWAssets"), Direction::WriteOnly);
    t.control(QStringLiteral("Liabilities"), Text, none, Binding::Label, QStringLiteral("lblNWLiabilities"), Direction::WriteOnly);
    t.control(QStringLiteral("Networth"), Text, none, Binding::Label, QStringLiteral("lblNWNetworth"), Direction::WriteOnly);

    t.section(QStringLiteral("TallyLoanDebt"));
    for (int i = 1; i <= 13; ++i) {
        const QString n = QString::number(i);
        t.field(QStringLiteral("Creditor") + n, Text, none, QStringLiteral("edtTDCreditor") + n);
        t.field(QStringLiteral("AmountBorrowed") + n, Real, zero, QStringLiteral("edtTDAmountBorrowed") + n);
        t.field(QStringLiteral("InterestRate") + n, Real, zero, QStringLiteral("edtTDIR") + n);
        t.field(QStringLiteral("Term") + n, Integer, zero, QStringLiteral("edtTDTerm") + n);
        t.field(QStringLiteral("Payment") + n, Real, zero, QStringLiteral("edtTDPayment") + n);
        t.field(QStringLiteral("CurrentBalance") + n, Real, zero, QStringLiteral("edtTDCurrentBalance") + n);
        t.control(QStringLiteral("Consolidate") + n, Truth, zero, Binding::Tick, QStringLiteral("chbTDConsolidate") + n);
    }

    t.section(QStringLiteral("TallyCreditCardDebt"));
    for (int i = 1; i <= 8; ++i) {
        const QString n = QString::number(i);
        t.field(QStringLiteral("Account") + n, Text, none, QStringLiteral("edtTCAccount") + n);
        t.field(QStringLiteral("CurrentBalance") + n, Real, zero, QStringLiteral("edtTCBalance") + n);
        t.field(QStringLiteral("InterestRate") + n, Real, zero, QStringLiteral("edtTCIR") + n);
        t.field(QStringLiteral("MinimumPayment") + n, Real, zero, QStringLiteral("edtTCMinimumPayment") + n);
        t.control(QStringLiteral("Consolidate") + n, Truth, zero, Binding::Tick, QStringLiteral("chbTCConsolidate") + n);
    }
    t.field(QStringLiteral("DebtFreeMinimum"), Real, zero, QStringLiteral("edtTCDebtFreeMinimum"));
    t.field(QStringLiteral("DebtFreeYears"), IntegerAsReal, zero, QStringLiteral("edtTCDebtFreeYears"));
    t.field(QStringLiteral("DebtFreeMonths"), IntegerAsReal, zero, QStringLiteral("edtTCDebtFreeMonths"));

    t.section(QStringLiteral("ConsiderConsolidation"));
    t.field(QStringLiteral("ConsolidationTotal"), Real, zero, QStringLiteral("edtCCConsolidationTotal"));
    t.field(QStringLiteral("InterestRate"), Real, zero, QStringLiteral("edtCCInterestRate"));
    t.field(QStringLiteral("Term"), Integer, zero, QStringLiteral("edtCCTerm"));

    t.section(QStringLiteral("CompareConsolidationLoans"));
    t.field(QStringLiteral("Loan"), Real, zero, QStringLiteral("edtLoan"));
    t.control(QStringLiteral("Frequency"), Text, QStringLiteral("Monthly"), Binding::BoxText, QStringLiteral("cbFrequency"));
    t.field(QStringLiteral("Interest"), Real, zero, QStringLiteral("edtInterest"));
    t.field(QStringLiteral("Term"), Integer, zero, QStringLiteral("edtTerm"));
    t.field(QStringLiteral("Payment"), Real, zero, QStringLiteral("edtPayment"));
    t.control(QStringLiteral("Calculate"), Integer, zero, Binding::ChosenItem, QStringLiteral("rgCalculate"));

    t.section(QStringLiteral("Amortization"));
    const QString money0 = QStringLiteral("$0.00");
    t.control(QStringLiteral("Loan"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationLoan"));
    t.control(QStringLiteral("Rate"), Text, QStringLiteral("0.0000%"), Binding::Label, QStringLiteral("lblAmortizationRate"));
    t.control(QStringLiteral("Term"), Text, QStringLiteral("60"), Binding::Label, QStringLiteral("lblAmortizationTerm"));
    t.control(QStringLiteral("Frequency"), Text, QStringLiteral("Monthly"), Binding::Label, QStringLiteral("lblAmortizationFrequency"));
    t.control(QStringLiteral("Payment"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationPayment"));
    t.control(QStringLiteral("PaymentTI"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationPaymentTI"));
    t.control(QStringLiteral("PaymentPITI"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationPaymentPITI"));
    t.control(QStringLiteral("InterestPaid"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationInterestPaid"));
    t.control(QStringLiteral("TotalTIPaid"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationTotalTIPaid"));
    t.control(QStringLiteral("TotalPaid"), Text, money0, Binding::Label, QStringLiteral("lblAmortizationTotalPaid"));
    t.control(QStringLiteral("Month"), Text, QStringLiteral("Jan"), Binding::BoxText, QStringLiteral("cbMonth"));
    t.field(QStringLiteral("Year"), Integer, QStringLiteral("2010"), QStringLiteral("edtYear"));

    t.section(QStringLiteral("PayoffOrSave"));
    t.field(QStringLiteral("Cash"), Real, zero, QStringLiteral("edtCash"));
    t.field(QStringLiteral("DebtInterest"), Real, zero, QStringLiteral("edtDebtInterest"));
    t.field(QStringLiteral("InvestmentReturn"), Real, zero, QStringLiteral("edtInvestmentReturn"));
    t.numbered(QStringLiteral("Investment"), 10, Real, zero, Binding::Field, QStringLiteral("edtInvestment"));
    for (int i = 1; i <= 10; ++i)
        // The eighth debt field's name is spelt in lower case on its page.
        t.field(QStringLiteral("Debt") + QString::number(i), Real, zero,
                (i == 8 ? QStringLiteral("edtdebt") : QStringLiteral("edtDebt")) + QString::number(i));
    t.numbered(QStringLiteral("Difference"), 10, Real, zero, Binding::Field, QStringLiteral("edtDifference"));

    t.section(QStringLiteral("FutureValue"));
    t.field(QStringLiteral("Savings"), Real, zero, QStringLiteral("edtFVSavings"));
    t.field(QStringLiteral("Balance"), Real, zero, QStringLiteral("edtFVBalance"));
    // A working value of the savings plan that start-up clears again.
    t.control(QStringLiteral("Term"), Integer, zero, Binding::None, {}, Direction::ReadOnly);
    t.field(QStringLiteral("Interest"), Real, zero, QStringLiteral("edtFVInterest"));
    t.control(QStringLiteral("CompoundingFrequency"), Text, QStringLiteral("Monthly 12"), Binding::BoxText, QStringLiteral("cbFVCompoundingFrequency"));
    t.control(QStringLiteral("PaymentFrequency"), Text, QStringLiteral("Monthly 12"), Binding::BoxText, QStringLiteral("cbFVPaymentFrequency"));
    t.control(QStringLiteral("BeginDate"), DateTime, none, Binding::DatePicker, QStringLiteral("dtpBeginDate"));
    t.control(QStringLiteral("EndDate"), DateTime, none, Binding::DatePicker, QStringLiteral("dtpEndDate"));
    t.control(QStringLiteral("Annuity"), Integer, zero, Binding::ChosenItem, QStringLiteral("rgFVAnnuity"));
    t.control(QStringLiteral("SavingsIncrement"), Integer, zero, Binding::ChosenItem, QStringLiteral("rgFVSavings"));
    t.control(QStringLiteral("InterestIncrement"), Integer, QStringLiteral("3"), Binding::ChosenItem, QStringLiteral("rgFVInterest"));

    t.section(QStringLiteral("Budget"));
    t.field(QStringLiteral("Income1"), Real, zero, QStringLiteral("edtCABIncome1"));
    t.field(QStringLiteral("Income2"), Real, zero, QStringLiteral("edtCABIncome2"));
    t.numbered(QStringLiteral("Expense"), 22, Real, zero, Binding::Field, QStringLiteral("edtCABExpense"));
    t.field(QStringLiteral("DebtReduction1"), Real, zero, QStringLiteral("edtCABDebtReduction1"));
    t.field(QStringLiteral("DebtReduction2"), Real, zero, QStringLiteral("edtCABDebtReduction2"));
    const QStringList labels = {
        QStringLiteral("Food"), QStringLiteral("Housing"), QStringLiteral("Utilities"), QStringLiteral("Insurance"),
        QStringLiteral("Car Payment"), QStringLiteral("Gasoline"), QStringLiteral("Clothing"), QStringLiteral("Education"),
        QStringLiteral("Household"), QStringLiteral("Medical"), QStringLiteral("Pet Expenses"), QStringLiteral("Charity"),
        QStringLiteral("Personal Care"), QStringLiteral("Entertainment"),
    };
    for (int i = 1; i <= 22; ++i)
        t.field(QStringLiteral("Label") + QString::number(i), Text, i <= labels.size() ? labels.at(i - 1) : QStringLiteral("Other"),
                QStringLiteral("edtBudgetItem") + QString::number(i));
    return keys;
}

} // namespace

const QVector<SettingsKey>& settingsTable()
{
    static const QVector<SettingsKey> table = buildTable();
    return table;
}

} // namespace larkspan
