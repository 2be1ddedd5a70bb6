#include "persistence/StateValues.h"

#include "shell/AppState.h"

#include <cmath>

namespace larkspan::statevalues {

double number(const AppState& s, StateValue which)
{
    switch (which) {
    case StateValue::UseSampleValues: return s.UseSampleValues ? 1 : 0;
    case StateValue::StoredLoan: return s.StoredLoan;
    case StateValue::StoredInterest: return s.StoredInterest;
    case StateValue::StoredTerm: return s.StoredTerm;
    case StateValue::StoredPayment: return s.StoredPayment;
    case StateValue::StoredMonth: return s.StoredMonth;
    case StateValue::StoredYear: return s.StoredYear;
    case StateValue::StoredDownpayment: return s.StoredDownpayment;
    case StateValue::FirstRunDone: return s.FirstRunDone ? 1 : 0;
    case StateValue::LastUpdate:
    case StateValue::None: break;
    }
    return 0;
}

void setNumber(AppState& s, StateValue which, double value)
{
    switch (which) {
    case StateValue::UseSampleValues: s.UseSampleValues = value != 0; break;
    case StateValue::StoredLoan: s.StoredLoan = value; break;
    case StateValue::StoredInterest: s.StoredInterest = value; break;
    case StateValue::StoredTerm: s.StoredTerm = value; break;
    case StateValue::StoredPayment: s.StoredPayment = value; break;
    case StateValue::StoredMonth: s.StoredMonth = static_cast<int>(value); break;
    case StateValue::StoredYear: s.StoredYear = static_cast<int>(value); break;
    case StateValue::StoredDownpayment: s.StoredDownpayment = value; break;
    case StateValue::FirstRunDone: s.FirstRunDone = value != 0; break;
    case StateValue::LastUpdate:
    case StateValue::None: break;
    }
}

QDateTime dateTime(const AppState& s, StateValue which)
{
    return which == StateValue::LastUpdate ? s.LastUpdate : QDateTime();
}

void setDateTime(AppState& s, StateValue which, const QDateTime& value)
{
    if (which == StateValue::LastUpdate)
        s.LastUpdate = value;
}

} // namespace larkspan::statevalues
