#pragma once
// The settings file: every page's last values and the program's options.

#include <QString>

namespace larkspan {
class ShellServices;
class IniFile;
struct AppState;

// Reads the settings file into the pages and the shared state (missing file
// or keys keep the defaults).
void ReadIniFile(ShellServices& shell);
// Writes the settings file from the pages and the shared state, creating
// its folder when missing. Throws std::runtime_error when it cannot be
// written; the previous file is then left as it was.
void WriteIniFile(ShellServices& shell);

// The file's full path: "larkspan.ini" in the settings folder.
QString settingsFilePath(const AppState& state);
// The two halves of reading and writing, on a document in memory: every key
// of the settings table applied to the pages / taken from them.
void applySettings(ShellServices& shell, const IniFile& ini);
void collectSettings(ShellServices& shell, IniFile& ini);
} // namespace larkspan
