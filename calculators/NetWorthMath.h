#pragma once
// The sums of the net worth page, free of any window: the 24 asset values
// and the 24 liability balances, each added in field order.

#include <span>

namespace larkspan::networth {

struct Totals {
    double assets = 0.0;
    double liabilities = 0.0;
    double netWorth = 0.0;
    // A net worth of exactly zero counts as not positive (shown in red).
    bool positive() const { return netWorth > 0.0; }
};

inline Totals totals(std::span<const double> assets, std::span<const double> liabilities)
{
    Totals t;
    for (const double a : assets)
        t.assets += a;
    for (const double l : liabilities)
        t.liabilities += l;
    t.netWorth = t.assets - t.liabilities;
    return t;
}

} // namespace larkspan::networth
