#pragma once
// Help topics and the program's links.

#include <QString>

namespace larkspan {
class ShellServices;
// The help file beside the program.
QString helpFileName(const QString& programFolder);
// Opens the help topic of the page on show.
void ShowHelpForActivePage(ShellServices& shell);
} // namespace larkspan
