// Times saving and opening a calculation file whose schedule has 9999 rows,
// and start-up's reading of a full settings file. Run by hand; prints
// milliseconds per run.

#include "persistence/CalcFiles.h"
#include "persistence/IniFile.h"
#include "persistence/IniSetup.h"
#include "persistence/TextFiles.h"
#include "shell/AppState.h"
#include "shell/Application.h"
#include "shell/Dialogs.h"
#include "shell/Main.h"
#include "shell/StringGrid.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

using namespace larkspan;

namespace {
class QuietDialogs final : public Dialogs {
public:
    QString answer;
    void information(const QString& text) override { std::printf("message: %s\n", qPrintable(text)); }
    bool askYesNo(const QString&) override { return true; }
    QString openFileName(const QString&, const QString&, const QString&) override { return answer; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return answer; }
    void showHelp(int) override {}
    void closeHelp() override {}
    bool openUrl(const QUrl&) override { return true; }
};

template <class F>
double bestOf(int runs, F f)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        f();
        best = std::min(best, t.nsecsElapsed() / 1e6);
    }
    return best;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
    LarkspanApplication app(argc, argv);
    QuietDialogs dialogs;
    Dialogs::install(&dialogs);
    {
        TfrmMain w;
        auto* grid = w.findChild<TStringGrid*>(QStringLiteral("grdMonthlyAmortization"));
        if (!grid) {
            std::printf("no schedule grid\n");
            return 1;
        }
        grid->setColCount(8);
        grid->setRowCount(10000);
        for (int r = 1; r < 10000; ++r)
            grid->cells().setRow(r, {QString::number(r), QStringLiteral("Jan 2000"), QStringLiteral("$5,057.53"), QStringLiteral("$729.17"),
                                     QStringLiteral("$5,057.53"), QStringLiteral("$729.17"), QStringLiteral("$5,000.00"), QStringLiteral("$94,942.47")});
        const QString path = dir.filePath(QStringLiteral("big.lkp"));
        dialogs.answer = path;
        const double save = bestOf(5, [&] { SaveCalculationFile(w); });
        const double open = bestOf(5, [&] { OpenCalculationFile(w); });
        std::printf("save 9999-row schedule: %.1f ms\nopen 9999-row schedule: %.1f ms (%d rows back)\n", save, open, grid->rowCount() - 1);

        WriteIniFile(w);
        const double read = bestOf(5, [&] { ReadIniFile(w); });
        std::printf("read full settings file (%lld bytes): %.1f ms\n",
                    static_cast<long long>(QFileInfo(settingsFilePath(w.state())).size()), read);
        w.state().CurrentFileName.clear();
    }
    Dialogs::install(nullptr);
    return 0;
}
