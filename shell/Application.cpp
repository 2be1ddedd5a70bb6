#include "shell/Application.h"

#include <QDir>
#include <QFontDatabase>
#include <cstdio>

namespace larkspan {

namespace {
LarkspanApplication::ErrorHandler& errorHandler()
{
    static LarkspanApplication::ErrorHandler handler;
    return handler;
}
} // namespace

LarkspanApplication::LarkspanApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Larkspan"));
    setApplicationDisplayName(QStringLiteral("Larkspan"));
    setOrganizationName(QStringLiteral("Larkspan"));
    registerFonts();
}

bool LarkspanApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportError(std::current_exception());
    }
    return false;
}

LarkspanApplication::ErrorHandler LarkspanApplication::setErrorHandler(ErrorHandler handler)
{
    return std::exchange(errorHandler(), std::move(handler));
}

void LarkspanApplication::reportError(std::exception_ptr error)
{
    if (errorHandler()) {
        errorHandler()(error);
        return;
    }
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Larkspan: unhandled error: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "Larkspan: unhandled error\n");
    }
}

void LarkspanApplication::registerFonts()
{
    // A Tahoma-compatible face ships outside fontconfig's folders.
    static bool done = false;
    if (done)
        return;
    done = true;
    const QDir wineFonts(QStringLiteral("/usr/share/wine/fonts"));
    for (const QString& file : wineFonts.entryList({QStringLiteral("tahoma*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(wineFonts.filePath(file));
}

} // namespace larkspan
