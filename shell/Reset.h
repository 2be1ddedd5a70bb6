#pragma once
// Putting pages back to zeros or to their worked example.

namespace larkspan {
class ShellServices;

enum class ResetChoice { Zero, Samples };

// Sets UseSampleValues from the choice and resets the active page: writes
// its zero or sample set, then runs the page's own calculation. A page
// without values of its own (the text page, the main menu) keeps them; only
// the flag changes.
void ResetCalculators(ShellServices& shell, ResetChoice choice);
// The zero restore of the payoff schedule state (start-up and file opening):
// a fresh schedule, with zeros in force the scenario and the payoff page
// cleared, then the prepayment list and grid layout rebuilt.
void RestoreZeroValues(ShellServices& shell);
} // namespace larkspan
