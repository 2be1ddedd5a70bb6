#pragma once
// The settings file: every page's last values and the program's options.

namespace larkspan {
class ShellServices;

// Reads the settings file into the pages and the shared state (missing file
// or keys keep the defaults).
void ReadIniFile(ShellServices& shell);
// Writes the settings file from the pages and the shared state.
void WriteIniFile(ShellServices& shell);
} // namespace larkspan
