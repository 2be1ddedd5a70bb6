#pragma once
// The page "pgExploreASavingsPlan": a table of future values of a savings
// account, eleven payment amounts against seven annual rates centred on the
// typed figures.

#include "shell/CalculatorPage.h"

class QComboBox;
class QDateEdit;

namespace larkspan {

class TEditField;
class TRadioGroup;
class TStringGrid;

class SavingsPlanPage : public CalculatorPage {
    Q_OBJECT
public:
    SavingsPlanPage(ShellServices& shell, QWidget* parent = nullptr);

    // Rebuilds the whole table and the two step texts.
    void CalculateGrdFV();
    // Selects the cell of the typed figures (column 4, row 1).
    void selectStartCell();

    void enterPage() override;
    void windowActivated() override;

private:
    void buildInputs();
    void buildGrid();
    // "Continuously" allows only ordinary annuities.
    void applyAnnuityAvailability();

    TEditField* edtFVBalance_ = nullptr;
    TEditField* edtFVSavings_ = nullptr;
    TEditField* edtFVInterest_ = nullptr;
    QDateEdit* dtpBeginDate_ = nullptr;
    QDateEdit* dtpEndDate_ = nullptr;
    TRadioGroup* rgFVAnnuity_ = nullptr;
    TRadioGroup* rgFVSavings_ = nullptr;
    TRadioGroup* rgFVInterest_ = nullptr;
    QComboBox* cbFVPaymentFrequency_ = nullptr;
    QComboBox* cbFVCompoundingFrequency_ = nullptr;
    TStringGrid* grdFV_ = nullptr;
};

} // namespace larkspan
