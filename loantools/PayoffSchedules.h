#pragma once
// The page "pgAmortization": the payoff schedule of the loan scenario that
// a double-click on the loan spread table chose, as a monthly and an annual
// grid, with a panel that adds prepayments. It builds the main window's one
// TMortgage (AppState::Schedule) and keeps the prepayments by payment number
// in the main window's hidden memo memPrepayments.

#include "engine/Rw_mortgage.h"
#include "loantools/ScheduleMath.h"
#include "shell/CalculatorPage.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QFrame;

namespace larkspan {

class TEditField;
class TStringGrid;

class AmortizationPage : public CalculatorPage, public TMortgageObserver {
    Q_OBJECT
public:
    AmortizationPage(ShellServices& shell, QWidget* parent = nullptr);
    void SetupAmort();
    void CreatePrepaymentList();
    void sizeGridColumnsToContents();
    // Hides the extra-payment panel if it shows and runs its cancel action;
    // true when it was showing.
    bool closeExtraPanel();
    void CalcAmortization();
    void FillGrdMonthlyAmortization();
    void FillGrdAnnualAmortization();
    void FormatAmortizationGrids();
    void btnCancelClick();

    // The double-click on the loan spread table: takes the clicked cell's
    // scenario, opens this page and builds its schedule.
    void ShowAmortization();

    void btnExtraClick();
    void SetExtraPaymentLabels(int mode);
    void btnApplyExtraClick();
    void btnRemoveExtraClick();
    void btnAnnualMonthlyClick();
    void cbMonthChange();
    void btnReturnToConsolidationComparisonsClick();

    void recoverFromArithmeticError() override;

    // How the build applies the prepayment list; the per-line way exists to
    // be measured and compared against.
    void setPrepaymentBuild(schedule::PrepaymentBuild build) { prepaymentBuild_ = build; }

    // TMortgageObserver
    void information(const std::string& text) override;
    void repaintExtraPanel() override;

private:
    void buildLabels();
    void buildControls();
    void buildExtraPanel();
    void buildGrids();
    void showMonthlyView();
    void clearGrid(TStringGrid* grid, const QStringList& headings);
    void setMonthlyWidths();
    void setAnnualWidths(int firstWidth, int otherWidth, int lastWidths);
    QPlainTextEdit* prepaymentMemo() const;
    TMortgage& schedule();
    void setLabel(const QString& name, const QString& text);

    QComboBox* cbMonth_ = nullptr;
    TEditField* edtYear_ = nullptr;
    QPushButton* btnAnnualMonthly_ = nullptr;
    QPushButton* btnCalculate_ = nullptr;
    QPushButton* btnAddExtra_ = nullptr;
    QPushButton* btnReturn_ = nullptr;
    QFrame* pnlExtraPrincipal_ = nullptr;
    QFrame* pnlExtraPrincipalButtons_ = nullptr;
    QRadioButton* rbSinglePayment_ = nullptr;
    QRadioButton* rbPaymentRange_ = nullptr;
    QRadioButton* rbAllPayments_ = nullptr;
    QLabel* lblFromPmt_ = nullptr;
    QLabel* lblToPmt_ = nullptr;
    TEditField* edtFromPayment_ = nullptr;
    TEditField* edtToPayment_ = nullptr;
    TEditField* edtExtraAmount_ = nullptr;
    TStringGrid* grdMonthly_ = nullptr;
    TStringGrid* grdAnnual_ = nullptr;

    // The last prepayment choice, kept while the panel is closed.
    std::uint8_t ExtraMode = 1;
    std::int32_t ExtraFrom = 0;
    std::int32_t ExtraTo = 0;
    double ExtraAmount = 0;

    schedule::PrepaymentBuild prepaymentBuild_ = schedule::PrepaymentBuild::Linear;
};

} // namespace larkspan
