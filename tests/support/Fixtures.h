#pragma once
// Shared fixtures: a main window shown and active offscreen, with typed
// access to its controls by objectName.

#include "shell/Main.h"
#include "support/RecordingDialogs.h"

#include <QtTest>
#include <memory>

namespace larkspan::test {

// Removes the settings folder, so the next main window starts as on a first
// run.
void removeSettings();

class MainWindowFixture {
public:
    // Builds the main window (start-up runs), shows it and waits until it
    // is active, so that leaving a field runs its computation.
    MainWindowFixture();
    ~MainWindowFixture();

    TfrmMain& window() { return *window_; }
    // A control by objectName; fails the test when missing or of another type.
    template <class T>
    T* field(const QString& name) const
    {
        T* w = window_->findChild<T*>(name);
        if (!w)
            qWarning("no control named %s of the expected type", qPrintable(name));
        return w;
    }
    // Clicks a button or triggers a menu item by objectName.
    void click(const QString& name);
    // Types into an edit field (after selecting all of it) and presses Tab.
    void typeAndLeave(const QString& fieldName, const QString& text);
    // Re-activates the window (after a dialog, for instance).
    void activate();

private:
    std::unique_ptr<TfrmMain> window_;
};

} // namespace larkspan::test
