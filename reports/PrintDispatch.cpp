#include "reports/PrintDispatch.h"

namespace larkspan {
void PrintActivePage(ShellServices&) {}
} // namespace larkspan
