#pragma once
// The application object. Every event is delivered inside a try block: an
// error that escapes an event handler is passed to the registered handler
// (the main window's) instead of crossing the event loop.

#include <QApplication>
#include <exception>
#include <functional>

namespace larkspan {

class LarkspanApplication : public QApplication {
    Q_OBJECT
public:
    using ErrorHandler = std::function<void(std::exception_ptr)>;

    LarkspanApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Installs the handler; returns the one it replaces.
    static ErrorHandler setErrorHandler(ErrorHandler handler);
    // Hands an error to the handler (used where code runs outside an event).
    static void reportError(std::exception_ptr error);

    // Registers the fonts that the program's pages are laid out for, where
    // the system has them in a folder it does not scan.
    static void registerFonts();
};

} // namespace larkspan
