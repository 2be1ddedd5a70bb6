#include "persistence/CalcFileTable.h"

#include <QStringList>

namespace larkspan {

namespace {

class LineBuilder {
public:
    explicit LineBuilder(QVector<CalcLine>& lines) : lines_(lines) {}

    void state(LineKind kind, StateValue value) { lines_.append({kind, {}, value}); }
    void control(LineKind kind, const QString& name) { lines_.append({kind, name}); }
    // name1..nameN, one line each.
    void numbered(LineKind kind, const QString& name, int count)
    {
        for (int i = 1; i <= count; ++i)
            control(kind, name + QString::number(i));
    }
    void each(LineKind kind, const QStringList& names)
    {
        for (const QString& name : names)
            control(kind, name);
    }

private:
    QVector<CalcLine>& lines_;
};

QVector<CalcLine> buildTable()
{
    using enum LineKind;
    QVector<CalcLine> lines;
    lines.reserve(kCalcValueLines);
    LineBuilder t(lines);

    t.control(Header, {});                                  // 0
    t.state(StateWhole, StateValue::UseSampleValues);       // 1
    t.state(StateReal, StateValue::StoredLoan);             // 2
    t.state(StateReal, StateValue::StoredInterest);         // 3
    t.state(StateWhole, StateValue::StoredTerm);            // 4
    t.state(StateReal, StateValue::StoredPayment);          // 5
    t.state(StateReal, StateValue::StoredDownpayment);      // 6

    t.numbered(FieldText, QStringLiteral("edtAsset"), 24);      // 7-30
    t.numbered(FieldText, QStringLiteral("edtLiability"), 24);  // 31-54
    t.each(Label, {QStringLiteral("lblNWAssets"), QStringLiteral("lblNWLiabilities"), QStringLiteral("lblNWNetworth")}); // 55-57

    t.numbered(FieldText, QStringLiteral("edtTDCreditor"), 13);       // 58-70
    t.numbered(FieldText, QStringLiteral("edtTDAmountBorrowed"), 13); // 71-83
    t.numbered(FieldText, QStringLiteral("edtTDIR"), 13);             // 84-96
    t.numbered(FieldText, QStringLiteral("edtTDTerm"), 13);           // 97-109
    t.numbered(FieldText, QStringLiteral("edtTDPayment"), 13);        // 110-122
    t.numbered(FieldText, QStringLiteral("edtTDCurrentBalance"), 13); // 123-135
    t.numbered(Tick, QStringLiteral("chbTDConsolidate"), 13);         // 136-148

    t.numbered(FieldText, QStringLiteral("edtTCAccount"), 8);        // 149-156
    t.numbered(FieldText, QStringLiteral("edtTCBalance"), 8);        // 157-164
    t.numbered(FieldText, QStringLiteral("edtTCIR"), 8);             // 165-172
    t.numbered(FieldText, QStringLiteral("edtTCMinimumPayment"), 8); // 173-180
    t.numbered(Tick, QStringLiteral("chbTCConsolidate"), 8);         // 181-188

    t.control(FieldText, QStringLiteral("edtCCConsolidationTotal")); // 189
    t.control(FieldText, QStringLiteral("edtCCInterestRate"));       // 190
    t.control(FieldWhole, QStringLiteral("edtCCTerm"));              // 191

    t.control(FieldText, QStringLiteral("edtLoan"));       // 192
    t.control(BoxText, QStringLiteral("cbFrequency"));     // 193
    t.control(FieldText, QStringLiteral("edtInterest"));   // 194
    t.control(FieldText, QStringLiteral("edtTerm"));       // 195
    t.control(FieldText, QStringLiteral("edtPayment"));    // 196
    t.control(ChosenItem, QStringLiteral("rgCalculate"));  // 197

    t.each(Label, {QStringLiteral("lblAmortizationLoan"), QStringLiteral("lblAmortizationRate"),
                   QStringLiteral("lblAmortizationTerm"), QStringLiteral("lblAmortizationFrequency"),
                   QStringLiteral("lblAmortizationPayment"), QStringLiteral("lblAmortizationPaymentTI"),
                   QStringLiteral("lblAmortizationPaymentPITI"), QStringLiteral("lblAmortizationInterestPaid"),
                   QStringLiteral("lblAmortizationTotalTIPaid"), QStringLiteral("lblAmortizationTotalPaid")}); // 198-207
    t.control(BoxText, QStringLiteral("cbMonth"));    // 208
    t.control(FieldWhole, QStringLiteral("edtYear")); // 209

    t.control(FieldText, QStringLiteral("edtCash"));              // 210
    t.control(FieldText, QStringLiteral("edtDebtInterest"));      // 211
    t.control(FieldText, QStringLiteral("edtInvestmentReturn"));  // 212
    t.numbered(FieldText, QStringLiteral("edtInvestment"), 10);   // 213-222
    // The eighth debt field's name is spelt in lower case on its page.
    for (int i = 1; i <= 10; ++i)                                 // 223-232
        t.control(FieldText, (i == 8 ? QStringLiteral("edtdebt") : QStringLiteral("edtDebt")) + QString::number(i));
    t.numbered(FieldText, QStringLiteral("edtDifference"), 10);   // 233-242

    t.control(FieldText, QStringLiteral("edtFVBalance"));              // 243
    t.control(FieldText, QStringLiteral("edtFVSavings"));              // 244
    t.control(Date, QStringLiteral("dtpBeginDate"));                   // 245
    t.control(Date, QStringLiteral("dtpEndDate"));                     // 246
    t.control(FieldText, QStringLiteral("edtFVInterest"));             // 247
    t.control(BoxText, QStringLiteral("cbFVPaymentFrequency"));        // 248
    t.control(BoxText, QStringLiteral("cbFVCompoundingFrequency"));    // 249
    t.control(ChosenItem, QStringLiteral("rgFVAnnuity"));              // 250
    t.control(ChosenItem, QStringLiteral("rgFVSavings"));              // 251
    t.control(ChosenItem, QStringLiteral("rgFVInterest"));             // 252

    t.control(FieldText, QStringLiteral("edtCABIncome1"));      // 253
    t.control(FieldText, QStringLiteral("edtCABIncome2"));      // 254
    // The eleventh budget item name has no line of its own.
    for (int i = 1; i <= 22; ++i)                               // 255-275
        if (i != 11)
            t.control(FieldText, QStringLiteral("edtBudgetItem") + QString::number(i));
    t.numbered(FieldText, QStringLiteral("edtCABExpense"), 22); // 276-297
    t.control(FieldText, QStringLiteral("edtDebtItem1"));       // 298
    t.control(FieldText, QStringLiteral("edtDebtItem2"));       // 299
    t.control(FieldText, QStringLiteral("edtCABDebtReduction1")); // 300
    t.control(FieldText, QStringLiteral("edtCABDebtReduction2")); // 301
    t.control(Label, QStringLiteral("lblExpenditureBalance"));  // 302
    t.control(Label, QStringLiteral("lblBudgetBalance"));       // 303
    return lines;
}

} // namespace

const QVector<CalcLine>& calcFileTable()
{
    static const QVector<CalcLine> table = buildTable();
    return table;
}

} // namespace larkspan
