// Times the payoff schedule: building it, and applying a prepayment to every
// payment either one SetPrepayment at a time (each recomputes the whole
// schedule) or by assigning them all and recomputing once. Prints one line
// per schedule length.

#include "engine/Rw_mortgage.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace {

using Clock = std::chrono::steady_clock;

// Mean time of one run in microseconds, repeating short runs until they
// have taken at least a fifth of a second in all.
double microsecondsPerRun(const std::function<void()>& run)
{
    const auto minimum = std::chrono::milliseconds(200);
    int runs = 0;
    const auto start = Clock::now();
    auto elapsed = Clock::duration::zero();
    do {
        run();
        ++runs;
        elapsed = Clock::now() - start;
    } while (elapsed < minimum);
    return std::chrono::duration<double, std::micro>(elapsed).count() / runs;
}

constexpr double LoanAmount = 50000.0;
constexpr double AnnualRate = 0.0875;
constexpr double ExtraPerPayment = 5.0;

larkspan::TMortgage build(std::int32_t payments)
{
    return larkspan::TMortgage(payments, LoanAmount, AnnualRate, 12, 1, 2009);
}

} // namespace

int main()
{
    std::printf("%8s %14s %22s %22s %10s\n", "payments", "build [us]", "SetPrepayment each [us]",
                "Assign+Recalculate [us]", "same rows");
    for (const std::int32_t payments : {60, 360, 9999}) {
        const double buildTime = microsecondsPerRun([payments] { (void)build(payments); });

        larkspan::TMortgage stepByStep;
        const double quadraticTime = microsecondsPerRun([&] {
            stepByStep = build(payments);
            for (std::int32_t number = 1; number <= payments; ++number)
                stepByStep.SetPrepayment(number, ExtraPerPayment);
        });

        larkspan::TMortgage linear;
        const double linearTime = microsecondsPerRun([&] {
            linear = build(payments);
            for (std::int32_t number = 1; number <= payments; ++number)
                linear.AssignPrepayment(number, ExtraPerPayment);
            linear.Recalculate();
        });

        std::printf("%8d %14.1f %22.1f %22.1f %10s\n", payments, buildTime, quadraticTime, linearTime,
                    linear.Payments == stepByStep.Payments ? "yes" : "NO");
    }
    return 0;
}
