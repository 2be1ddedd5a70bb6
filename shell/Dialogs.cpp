#include "shell/Dialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace larkspan {

namespace {

QPointer<QWidget>& parentWindow()
{
    static QPointer<QWidget> window;
    return window;
}

// The dialogs a user answers.
class QtDialogs final : public Dialogs {
public:
    void information(const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Larkspan"), text, QMessageBox::Ok, parentWindow());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }
    bool askYesNo(const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Larkspan"), text, QMessageBox::Yes | QMessageBox::No, parentWindow());
        box.setTextFormat(Qt::PlainText);
        return box.exec() == QMessageBox::Yes;
    }
    QString openFileName(const QString& title, const QString& folder, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parentWindow(), title, folder, filter);
    }
    QString saveFileName(const QString& title, const QString& initialPath, const QString& filter) override
    {
        // The program asks about overwriting itself.
        return QFileDialog::getSaveFileName(parentWindow(), title, initialPath, filter, nullptr, QFileDialog::DontConfirmOverwrite);
    }
    void showHelp(int) override {}
    void closeHelp() override {}
    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

Dialogs*& installed()
{
    static Dialogs* dialogs = nullptr;
    return dialogs;
}

} // namespace

Dialogs& Dialogs::current()
{
    static QtDialogs qtDialogs;
    return installed() ? *installed() : qtDialogs;
}

void Dialogs::install(Dialogs* dialogs)
{
    installed() = dialogs;
}

void Dialogs::setParentWindow(QWidget* window)
{
    parentWindow() = window;
}

} // namespace larkspan
