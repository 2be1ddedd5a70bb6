#pragma once
// Every modal box, file dialog, help window and link of the program goes
// through this interface, so that tests can answer them instead of a user.

#include <QString>
#include <QUrl>

class QWidget;

namespace larkspan {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // An information box with an OK button.
    virtual void information(const QString& text) = 0;
    // A confirmation box with Yes and No buttons; true for Yes.
    virtual bool askYesNo(const QString& text) = 0;
    // File dialogs; an empty result means the user cancelled.
    virtual QString openFileName(const QString& title, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(const QString& title, const QString& initialPath, const QString& filter) = 0;
    // The help viewer at a topic context number, and its closing.
    virtual void showHelp(int context) = 0;
    virtual void closeHelp() = 0;
    // A web or mail address in the system's default handler; false when
    // nothing could open it.
    virtual bool openUrl(const QUrl& url) = 0;

    // The dialogs in force: Qt's own, unless a test installed others.
    static Dialogs& current();
    // Installs `dialogs` (not owned) in place of Qt's; nullptr restores them.
    static void install(Dialogs* dialogs);
    // The window the real dialogs are modal to.
    static void setParentWindow(QWidget* window);
};

} // namespace larkspan
