// Timings of the loan tools in the real main window, offscreen:
//  - leaving edtLoan to a rebuilt 15 x 9 spread table;
//  - a double-click on a table cell to both schedule grids filled, for a
//    9999-payment scenario with a prepayment on every payment, with the
//    one-pass prepayment build and with the line-by-line one.
// Prints milliseconds; run by hand.

#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "shell/AppState.h"
#include "shell/Application.h"
#include "shell/Dialogs.h"
#include "shell/EditField.h"
#include "shell/Main.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QRadioButton>
#include <QStandardPaths>
#include <cstdio>

using namespace larkspan;

namespace {

// Answers every box at once, so that nothing waits for a user.
class SilentDialogs final : public Dialogs {
public:
    void information(const QString&) override {}
    bool askYesNo(const QString&) override { return false; }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    void showHelp(int) override {}
    void closeHelp() override {}
    bool openUrl(const QUrl&) override { return true; }
};

template <class F>
double millisecondsPerRun(int runs, F&& f)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        f();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6 / runs;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    LarkspanApplication app(argc, argv);
    SilentDialogs dialogs;
    Dialogs::install(&dialogs);

    TfrmMain window;
    window.show();
    window.findChild<QAbstractButton*>(QStringLiteral("btnCompareConsolidationLoans"))->click();
    const auto field = [&](const char* name) { return window.findChild<TEditField*>(QLatin1String(name)); };
    window.findChild<TRadioGroup*>(QStringLiteral("rgCalculate"))->setItemIndex(0);

    // Leaving edtLoan: the sample loan's table.
    field("edtLoan")->setValue(50000);
    field("edtInterest")->setValue(8.75);
    field("edtTerm")->setValue(60);
    const double table = millisecondsPerRun(500, [&] { Q_EMIT field("edtLoan")->exited(); });
    std::printf("leave edtLoan -> 15 x 9 table rebuilt: %.3f ms (centre cell%s)\n", table,
                qPrintable(window.findChild<TStringGrid*>(QStringLiteral("grdMG"))->cell(5, 8)));

    // 9999 payments; a large loan at a low rate keeps nearly every payment
    // listed although each carries a prepayment.
    field("edtLoan")->setValue(10000000);
    field("edtInterest")->setValue(1);
    field("edtTerm")->setValue(9999);
    Q_EMIT field("edtLoan")->exited();
    AmortizationPage* schedules = window.amortizationPage();
    window.state().ClickedColumn = 5;
    window.state().ClickedRow = 8;
    schedules->ShowAmortization();
    schedules->btnExtraClick();
    window.findChild<QRadioButton*>(QStringLiteral("rbAllPayments"))->click();
    field("edtExtraAmount")->setValue(0.01);
    schedules->btnApplyExtraClick();
    schedules->btnCancelClick();
    const auto* monthly = window.findChild<TStringGrid*>(QStringLiteral("grdMonthlyAmortization"));
    const auto* annual = window.findChild<TStringGrid*>(QStringLiteral("grdAnnualAmortization"));

    const double linear = millisecondsPerRun(5, [&] { schedules->ShowAmortization(); });
    const int rows = monthly->rowCount() - 1;
    const int years = annual->rowCount() - 1;
    const QString lastPrepayment = monthly->cell(6, rows - 1);
    std::printf("  parts: list %.1f, monthly %.1f, annual %.1f ms\n",
                millisecondsPerRun(3, [&] { schedules->CreatePrepaymentList(); }),
                millisecondsPerRun(3, [&] { schedules->FillGrdMonthlyAmortization(); }),
                millisecondsPerRun(3, [&] { schedules->FillGrdAnnualAmortization(); }));
    // "--linear-only" skips the slow comparison (for profiling).
    const bool comparePerLine = !app.arguments().contains(QStringLiteral("--linear-only"));
    schedules->setPrepaymentBuild(schedule::PrepaymentBuild::PerLine);
    const double perLine = comparePerLine ? millisecondsPerRun(1, [&] { schedules->ShowAmortization(); }) : 0.0;
    const bool same = monthly->rowCount() - 1 == rows && monthly->cell(6, rows - 1) == lastPrepayment;

    std::printf("double-click -> both grids, %d payments, %d monthly rows, %d annual rows, prepayment %s on each\n",
                window.state().Schedule->NumberOfPayments, rows, years, qPrintable(lastPrepayment));
    std::printf("  one-pass prepayment build: %.1f ms\n", linear);
    std::printf("  line-by-line build:        %.1f ms (%.0f x)%s\n", perLine, perLine / linear,
                same ? "" : "  ROWS DIFFER");
    Dialogs::install(nullptr);
    return 0;
}
