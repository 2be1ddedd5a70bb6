#pragma once
// Putting pages back to zeros or to their worked example.

namespace larkspan {
class ShellServices;

enum class ResetChoice { Zero, Samples };

// Sets UseSampleValues from the choice and resets the active page.
void ResetCalculators(ShellServices& shell, ResetChoice choice);
// The zero restore of the payoff schedule state (start-up and file opening).
void RestoreZeroValues(ShellServices& shell);
} // namespace larkspan
