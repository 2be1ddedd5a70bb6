#pragma once
// What a page may ask of the main window that holds it.

#include <QString>

class QWidget;

namespace larkspan {

struct AppState;
class Dialogs;
class CalculatorPage;

class ShellServices {
public:
    virtual ~ShellServices() = default;

    virtual AppState& state() = 0;
    virtual Dialogs& dialogs() = 0;

    // The page on show, by page name ("pgMenu", ...).
    virtual QString activePageName() const = 0;
    // Makes the named page active (the page-change rules run; no entry
    // actions).
    virtual void showPage(const QString& pageName) = 0;
    // A page by page name, or nullptr.
    virtual CalculatorPage* page(const QString& pageName) const = 0;
    // Any control of the main window by objectName, or nullptr.
    virtual QWidget* control(const QString& objectName) const = 0;

    // Tool-bar switches.
    virtual void setPrintingEnabled(bool enabled) = 0;
    virtual void setResetEnabled(bool enabled) = 0;
    virtual void setPrevNextEnabled(bool enabled) = 0;
};

} // namespace larkspan
