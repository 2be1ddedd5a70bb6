#include "support/Fixtures.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QStandardPaths>

namespace larkspan::test {

void removeSettings()
{
    QDir(QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("Larkspan")))
        .removeRecursively();
}

MainWindowFixture::MainWindowFixture() : window_(std::make_unique<TfrmMain>())
{
    window_->show();
    activate();
}

MainWindowFixture::~MainWindowFixture() = default;

void MainWindowFixture::activate()
{
    window_->activateWindow();
    if (!QTest::qWaitForWindowActive(window_.get()))
        qWarning("main window did not become active");
}

void MainWindowFixture::click(const QString& name)
{
    if (auto* b = window_->findChild<QAbstractButton*>(name)) {
        b->click();
        return;
    }
    if (auto* a = window_->findChild<QAction*>(name)) {
        a->trigger();
        return;
    }
    qWarning("nothing to click named %s", qPrintable(name));
}

void MainWindowFixture::typeAndLeave(const QString& fieldName, const QString& text)
{
    auto* edit = window_->findChild<QLineEdit*>(fieldName);
    if (!edit) {
        qWarning("no edit field named %s", qPrintable(fieldName));
        return;
    }
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Tab);
}

} // namespace larkspan::test
