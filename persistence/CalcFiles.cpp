#include "persistence/CalcFiles.h"

namespace larkspan {
void OpenCalculationFile(ShellServices&) {}
void SaveCalculationFile(ShellServices&) {}
void SaveCalculationFileAs(ShellServices&) {}
void CloseCalculationFile(ShellServices&) {}
} // namespace larkspan
