#pragma once
// The page "pgCompareConsolidationLoans": the four-way loan calculator in
// pnlEntry and the 15 x 9 spread table grdMG of neighbouring scenarios
// below it. The arithmetic lives in LoanMath.h; this page reads its fields,
// calls it and writes the results.

#include "loantools/LoanMath.h"
#include "shell/CalculatorPage.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace larkspan {

class TEditField;
class TRadioGroup;
class TStringGrid;

class LoanCalculatorPage : public CalculatorPage {
    Q_OBJECT
public:
    LoanCalculatorPage(ShellServices& shell, QWidget* parent = nullptr);

    // Empties the table and shows the placeholder headings of the choice.
    void CleanGrid();
    // Settles the frequency, writes the term in years and fills the table
    // of the compute choice (which computes the single result first).
    void ChooseMarigridCalculator();
    // The same; when `sender` is the frequency box, a text that is no
    // frequency becomes "Monthly 12" first.
    void ChooseMarigridCalculator(const QObject* sender);
    // Sets the estimates group from UseEstimates, without recomputing.
    void applyEstimatesChoice();
    // Start-up widths of the table's columns 0..8, and the first column's
    // width after a resize of the window.
    void setSpreadColumnWidths();
    void setSpreadFirstColumnWidth();

    // Mode set-up of rgCalculate (bound to the compute and increment
    // choices), then CleanGrid and ChooseMarigridCalculator.
    void rgCalculateClick();
    // Relabels the rate increments for the chosen format.
    void ChooseDisplayFormat();
    // The estimate option switched by rbUse / rbDontUse.
    void UseAnnuals();

    // The four table fills, by compute choice.
    void FillPaymentSpread() { fillSpread(loanmath::ComputeChoice::Payments); }
    void FillLoanAmountSpread() { fillSpread(loanmath::ComputeChoice::LoanAmounts); }
    void FillRateSpread() { fillSpread(loanmath::ComputeChoice::Rates); }
    void FillTermSpread() { fillSpread(loanmath::ComputeChoice::Term); }

    void grdMGMouseUp(int column, int row);
    void grdMGMouseMove();

    void enterPage() override;
    void recoverFromArithmeticError() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildEntryPanel();
    void buildGrid();
    void applyMode(loanmath::ComputeChoice choice);
    void focusForMode();
    void fillSpread(loanmath::ComputeChoice choice);
    loanmath::LoanInputs storeInputs();
    void writeSingleResult(loanmath::ComputeChoice choice, const loanmath::LoanInputs& in);
    void writeTable(const loanmath::SpreadTable& table);
    void setEstimateFields(bool use);

    QFrame* pnlEntry_ = nullptr;
    TEditField* edtLoan_ = nullptr;
    QComboBox* cbFrequency_ = nullptr;
    TEditField* edtInterest_ = nullptr;
    TEditField* edtTerm_ = nullptr;
    TEditField* edtPayment_ = nullptr;
    TEditField* edtTotalPaid_ = nullptr;
    TEditField* edtInterestPaid_ = nullptr;
    QLabel* lblTerm_ = nullptr;
    TRadioGroup* rgCalculate_ = nullptr;
    TRadioGroup* rgLoan_ = nullptr;
    TRadioGroup* rgPayments_ = nullptr;
    TRadioGroup* rgInterest_ = nullptr;
    TRadioGroup* rgChooseFormat_ = nullptr;
    QGroupBox* gbEstimated_ = nullptr;
    QRadioButton* rbUse_ = nullptr;
    QRadioButton* rbDontUse_ = nullptr;
    TEditField* edtAnnualTaxes_ = nullptr;
    TEditField* edtAnnualInsurance_ = nullptr;
    QLabel* lblDisplaying_ = nullptr;
    TStringGrid* grdMG_ = nullptr;
};

} // namespace larkspan
