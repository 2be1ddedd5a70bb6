#pragma once
// Dialogs that record what the program shows and answer as the test says.

#include "shell/Dialogs.h"

#include <QQueue>
#include <QStringList>
#include <QUrl>

namespace larkspan::test {

class RecordingDialogs final : public Dialogs {
public:
    // Everything shown, in order.
    QStringList messages;   // information boxes
    QStringList questions;  // Yes/No boxes
    QStringList fileDialogTitles;
    QList<int> helpTopics;
    QList<QUrl> urls;
    int helpClosed = 0;

    // Answers, used in order; when empty: No, and a cancelled file dialog.
    QQueue<bool> yesNoAnswers;
    QQueue<QString> fileAnswers;

    void information(const QString& text) override { messages << text; }
    bool askYesNo(const QString& text) override
    {
        questions << text;
        return yesNoAnswers.isEmpty() ? false : yesNoAnswers.dequeue();
    }
    QString openFileName(const QString& title, const QString&, const QString&) override
    {
        fileDialogTitles << title;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    QString saveFileName(const QString& title, const QString&, const QString&) override
    {
        fileDialogTitles << title;
        return fileAnswers.isEmpty() ? QString() : fileAnswers.dequeue();
    }
    void showHelp(int context) override { helpTopics << context; }
    void closeHelp() override { ++helpClosed; }
    bool openUrl(const QUrl& url) override
    {
        urls << url;
        return true;
    }
    void clear()
    {
        messages.clear();
        questions.clear();
        fileDialogTitles.clear();
        helpTopics.clear();
        urls.clear();
        helpClosed = 0;
        yesNoAnswers.clear();
        fileAnswers.clear();
    }
};

// The recording dialogs installed for the test program.
RecordingDialogs& dialogs();

} // namespace larkspan::test
