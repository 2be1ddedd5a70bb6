#include "info/Help.h"

#include "shell/Dialogs.h"
#include "shell/Pages.h"
#include "shell/ShellServices.h"

namespace larkspan {

QString helpFileName(const QString& programFolder)
{
    return programFolder + QStringLiteral("larkspan.chm");
}

void ShowHelpForActivePage(ShellServices& shell)
{
    const PageInfo* page = pageInfo(shell.activePageName());
    shell.dialogs().showHelp(page ? page->helpContext : 5);
}

} // namespace larkspan
