#pragma once
// Calculation files (".lkp"): every page's values and the payoff schedule.

namespace larkspan {
class ShellServices;

// The File menu and tool-bar actions.
void OpenCalculationFile(ShellServices& shell);   // btnOpenClick
void SaveCalculationFile(ShellServices& shell);   // btnSaveClick
void SaveCalculationFileAs(ShellServices& shell); // mnuFileSaveAsClick
void CloseCalculationFile(ShellServices& shell);  // mnuFileCloseClick
} // namespace larkspan
