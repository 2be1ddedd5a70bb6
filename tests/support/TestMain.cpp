#include "support/TestMain.h"

#include "support/RecordingDialogs.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <sys/stat.h>

namespace larkspan::test {

void prepareEnvironment()
{
    // Folders that live as long as the test program and belong to it alone.
    static QTemporaryDir root;
    const QString runtime = root.filePath(QStringLiteral("runtime"));
    const QString config = root.filePath(QStringLiteral("config"));
    QDir().mkpath(runtime);
    QDir().mkpath(config);
    ::chmod(QFile::encodeName(runtime).constData(), 0700);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    qputenv("LC_ALL", "en_US.UTF-8");
}

void installRecordingDialogs()
{
    Dialogs::install(&dialogs());
}

} // namespace larkspan::test
