#pragma once
// A page of the main notebook. Its objectName is the page name; it builds
// its own controls and computations, and the main window calls the hooks
// below.

#include "shell/ShellServices.h"

#include <QWidget>

namespace larkspan {

struct AppState;

class CalculatorPage : public QWidget {
    Q_OBJECT
public:
    CalculatorPage(ShellServices& shell, const QString& pageName, QWidget* parent = nullptr);

    QString pageName() const { return objectName(); }

    // Entry actions and focus, run by navigation after the page is shown.
    virtual void enterPage() {}
    // Runs after the application-wide handler has shown the message for an
    // arithmetic error raised while this page was active.
    virtual void recoverFromArithmeticError() {}
    // Runs when the main window is activated while this page is on show.
    virtual void windowActivated() {}

protected:
    ShellServices& shell() const { return shell_; }
    AppState& state() const;

    // A child control by objectName; nullptr when there is none.
    template <class T>
    T* child(const QString& name) const
    {
        return findChild<T*>(name);
    }

private:
    ShellServices& shell_;
};

} // namespace larkspan
