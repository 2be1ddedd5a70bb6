#include "persistence/IniSetup.h"

namespace larkspan {
void ReadIniFile(ShellServices&) {}
void WriteIniFile(ShellServices&) {}
} // namespace larkspan
