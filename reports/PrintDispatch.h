#pragma once
// Print preview of the active page (reports are still to be built).

namespace larkspan {
class ShellServices;
// Opens the print preview of the page on show; nothing on the main menu.
void PrintActivePage(ShellServices& shell);
} // namespace larkspan
