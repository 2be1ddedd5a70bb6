#pragma once
// The shared state values that the settings and calculation files carry,
// by name, so that the files' tables can refer to them.

#include <QDateTime>

namespace larkspan {

struct AppState;

enum class StateValue {
    None,
    UseSampleValues,
    StoredLoan,
    StoredInterest,
    StoredTerm,
    StoredPayment,
    StoredMonth,
    StoredYear,
    StoredDownpayment,
    FirstRunDone,
    LastUpdate,
};

namespace statevalues {
// Numeric values (truth values as 1 / 0).
double number(const AppState& state, StateValue which);
void setNumber(AppState& state, StateValue which, double value);
// LastUpdate.
QDateTime dateTime(const AppState& state, StateValue which);
void setDateTime(AppState& state, StateValue which, const QDateTime& value);
} // namespace statevalues

} // namespace larkspan
