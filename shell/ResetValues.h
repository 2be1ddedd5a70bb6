#pragma once
// The value sets the page resets write: for each calculator page its zero
// set and its sample set (a worked example whose figures fit together across
// pages), as lists of control names and values.

#include <QDate>
#include <QList>
#include <QString>
#include <variant>

namespace larkspan {

// A value for one control: a number for an amount, rate or count field, a
// text for a name field or drop-down list, a tick for a check box, an item
// index for a radio group, a date for a date picker.
using ControlValue = std::variant<double, QString, bool, int, QDate>;

struct ControlSetting {
    QString control; // objectName
    ControlValue value;

    bool operator==(const ControlSetting&) const = default;
};

using ValueSet = QList<ControlSetting>;

// Each gives the complete set a reset of that page writes, every control
// once: the sample set when `samples` is true, else the zero set.
ValueSet netWorthValues(bool samples);
ValueSet loanDebtValues(bool samples);
ValueSet creditCardDebtValues(bool samples);
ValueSet consolidationValues(bool samples);
ValueSet loanCalculatorValues(bool samples);
ValueSet payoffOrSaveValues(bool samples);
// `today` is the start-up date: the plan runs from it for 3652 days.
ValueSet savingsPlanValues(bool samples, const QDate& today);
ValueSet budgetValues(bool samples);

} // namespace larkspan
