#pragma once
// The state the main window shares among its pages: one instance, owned by
// the main window. Field values live in the controls; this holds only what
// is not a control's text.

#include "engine/Rw_mortgage.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace larkspan {

struct AppState {
    // Files and program.
    QString CurrentFileName;
    QString SettingsFolder;
    QString ProgramFolder;
    bool FirstRunDone = false;
    bool UseSampleValues = true;
    QDateTime LastUpdate;

    // Start-up date.
    QDateTime Today;
    QString TodayMonthShort;
    int TodayYear = 0;

    // Loan calculator.
    int FrequencyCode = 6;
    double PeriodsPerYear = 12;
    bool UseEstimates = false;
    int ComputeChoice = 0;
    double StoredLoan = 0;
    double StoredInterest = 0;
    double StoredTerm = 0;
    double StoredPayment = 0;
    double StoredAnnualTaxes = 0;
    double StoredAnnualInsurance = 0;
    double TaxesAndInsurancePerPayment = 0;

    // The scenario of the loan spread table cell last opened.
    double ScenarioAmount = 0;
    double ScenarioRate = 0;
    double ScenarioPayment = 0;
    double ScenarioTerm = 0;
    double ScenarioTotalInterest = 0;
    double ScenarioTotalPaid = 0;
    double ScenarioTaxesInsurance = 0;
    int ClickedColumn = -1;
    int ClickedRow = -1;

    // Payoff schedules.
    int ScheduleStartMonth = 1;
    int StoredMonth = 0;
    int StoredYear = 0;
    double StoredDownpayment = 0;
    // Number of payments of the schedule being built or last set up; sizes
    // the prepayment list.
    int ScheduleTerm = 0;

    // Step texts printed with the loan spread and savings tables.
    QString SpreadLoanStepText = QStringLiteral(" ");
    QString SpreadRateStepText = QStringLiteral(" ");
    QString SpreadPaymentStepText = QStringLiteral(" ");
    QString SavingsPaymentStepText;
    QString SavingsRateStepText;

    // The debt picture: the balances of the ticked loans and cards, and the
    // total of the monthly payments the consolidation list last showed.
    double TickedLoanSum = 0;
    double TickedCardSum = 0;
    double CurrentTotalMonthlyPayment = 0;

    // The one payoff schedule.
    std::unique_ptr<TMortgage> Schedule = std::make_unique<TMortgage>();
};

} // namespace larkspan
