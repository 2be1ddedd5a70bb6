#include "shell/Main.h"

#include "calculators/Budget.h"
#include "calculators/Consolidation.h"
#include "calculators/CreditCardDebt.h"
#include "calculators/LoanDebt.h"
#include "calculators/NetWorth.h"
#include "calculators/PayoffOrSave.h"
#include "calculators/SavingsPlan.h"
#include "engine/Errors.h"
#include "engine/Rw_money.h"
#include "info/Help.h"
#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "persistence/CalcFiles.h"
#include "persistence/IniSetup.h"
#include "shell/Application.h"
#include "shell/CalculatorPage.h"
#include "shell/Dialogs.h"
#include "shell/Pages.h"
#include "shell/Reset.h"
#include "shell/Theme.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QStackedWidget>
#include <QMenuBar>
#include <QStandardPaths>
#include <QToolTip>

namespace larkspan {

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmMain"));
    Dialogs::setParentWindow(this);
    buildFrame();
    buildMenus();
    buildPages();
    // The client area is 787 x 625 under the menu bar. The window never grows
    // past that; the window system may make it no smaller than 616 x 476.
    resize(centralWidget()->width(), centralWidget()->height() + menuBar()->sizeHint().height());
    setMinimumSize(616, 476);
    setMaximumSize(size());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    LarkspanApplication::setErrorHandler({});
    Dialogs::setParentWindow(nullptr);
}

Dialogs& TfrmMain::dialogs()
{
    return Dialogs::current();
}

QString TfrmMain::arithmeticErrorMessage()
{
    return QStringLiteral("An answer cannot be calculated using\n\rthe values you have entered.\n\r\n\rPlease try again with different values.");
}

QString TfrmMain::genericErrorMessage()
{
    return QStringLiteral("An error has occurred.\r\n\r\nPlease contact Quillmoor Software    \r\n\r\nat:  support@larkspan.example.com");
}

void TfrmMain::FormCreate()
{
    // The savings grid starts with its typed-figures cell selected.
    savingsPlan_->selectStartCell();

    // Settings live in the user's configuration folder of the desktop.
    state_.SettingsFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                                .filePath(QStringLiteral("Larkspan")) + QLatin1Char('/');
    state_.ProgramFolder = QCoreApplication::applicationDirPath() + QLatin1Char('/');

    state_.CurrentFileName.clear();
    setWindowTitle(QStringLiteral("Larkspan 2.0"));
    state_.UseSampleValues = true;
    state_.PeriodsPerYear = 12;

    ReadIniFile(*this);

    if (auto* cbFrequency = findChild<QComboBox*>(QStringLiteral("cbFrequency")))
        if (const auto code = Rw_money::frequencyCodeForText(cbFrequency->currentText().toStdString()))
            state_.FrequencyCode = *code;
    if (auto* cbMonth = findChild<QComboBox*>(QStringLiteral("cbMonth"))) {
        const QLocale c = QLocale::c();
        for (int m = 1; m <= 12; ++m)
            if (cbMonth->currentText() == c.monthName(m, QLocale::ShortFormat))
                state_.ScheduleStartMonth = m;
    }
    loanCalculator_->applyEstimatesChoice();

    state_.SpreadLoanStepText = QStringLiteral(" ");
    state_.SpreadRateStepText = QStringLiteral(" ");
    state_.SpreadPaymentStepText = QStringLiteral(" ");

    EnablePrinting();

    LarkspanApplication::setErrorHandler([this](std::exception_ptr e) { AppOnException(e); });
    qApp->installEventFilter(this);

    state_.Today = QDateTime::currentDateTime();
    state_.TodayMonthShort = QLocale::c().monthName(state_.Today.date().month(), QLocale::ShortFormat);
    state_.TodayYear = state_.Today.date().year();

    // Tool tips in the hint window's font; they stay for four seconds
    // (eventFilter shows them).
    QToolTip::setFont(theme::tahoma(8));

    if (!state_.FirstRunDone)
        dialogs().showHelp(10000);
    state_.FirstRunDone = true;

    amortization_->sizeGridColumnsToContents();

    amortization_->SetupAmort();
    RestoreZeroValues();
    state_.FrequencyCode = 6;
    amortization_->CreatePrepaymentList();

    loanCalculator_->setSpreadColumnWidths();
    savingsPlan_->CalculateGrdFV();

    if (const QScreen* screen = QGuiApplication::primaryScreen(); screen && screen->geometry().width() < 800)
        dialogs().information(QStringLiteral(
            "This software requires a screen resolution\r\nof at least 800x600.  You must change your screen resolution to view\r\nall of Larkspan."));

    loanCalculator_->ChooseMarigridCalculator();
    state_.FirstRunDone = true;

    nbkMain_->setCurrentIndex(0);
    MainMenuLabelOff();
    lblCalculatorName_->clear();
    setMainMenuTrioEnabled(false);
    setResetEnabled(false);
}

void TfrmMain::RestoreZeroValues()
{
    larkspan::RestoreZeroValues(*this);
}

void TfrmMain::ResetCalculators(QObject* sender)
{
    // Only the two items of the reset menu choose a value set.
    const QString name = sender ? sender->objectName() : QString();
    if (name == QLatin1String("mnuResetThisZero"))
        larkspan::ResetCalculators(*this, ResetChoice::Zero);
    else if (name == QLatin1String("mnuResetSamples"))
        larkspan::ResetCalculators(*this, ResetChoice::Samples);
}

// ------------------------------------------------------------ services

QString TfrmMain::activePageName() const
{
    const QWidget* w = nbkMain_->currentWidget();
    return w ? w->objectName() : QString();
}

void TfrmMain::showPage(const QString& pageName)
{
    for (int i = 0; i < nbkMain_->count(); ++i)
        if (nbkMain_->widget(i)->objectName() == pageName) {
            nbkMain_->setCurrentIndex(i);
            return;
        }
}

CalculatorPage* TfrmMain::page(const QString& pageName) const
{
    for (int i = 0; i < nbkMain_->count(); ++i)
        if (nbkMain_->widget(i)->objectName() == pageName)
            return qobject_cast<CalculatorPage*>(nbkMain_->widget(i));
    return nullptr;
}

QWidget* TfrmMain::control(const QString& objectName) const
{
    return findChild<QWidget*>(objectName);
}

void TfrmMain::setPrintingEnabled(bool enabled)
{
    btnPrint_->setEnabled(enabled);
    mnuFilePrint_->setEnabled(enabled);
}

void TfrmMain::setResetEnabled(bool enabled)
{
    btnReset_->setEnabled(enabled);
}

void TfrmMain::setPrevNextEnabled(bool enabled)
{
    btnPrevCalc_->setEnabled(enabled);
    btnNextCalc_->setEnabled(enabled);
}

// -------------------------------------------------------------- errors

void TfrmMain::AppOnException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ArithmeticError&) {
        dialogs().information(arithmeticErrorMessage());
        if (CalculatorPage* p = page(activePageName())) {
            try {
                p->recoverFromArithmeticError();
            } catch (...) {
                // A recovery that fails itself must not loop back here.
                dialogs().information(genericErrorMessage());
            }
        }
    } catch (...) {
        dialogs().information(genericErrorMessage());
    }
}

// --------------------------------------------------------------- close

void TfrmMain::MnuFileExitClick()
{
    close();
}

bool TfrmMain::FormCloseQuery()
{
    if (!state_.CurrentFileName.isEmpty()
        && dialogs().askYesNo(QStringLiteral("Save changes to ") + state_.CurrentFileName))
        SaveCalculationFile(*this);
    return true;
}

void TfrmMain::FormClose()
{
    dialogs().closeHelp();
    WriteIniFile(*this);
    state_.Schedule = std::make_unique<TMortgage>();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    try {
        if (!FormCloseQuery()) {
            event->ignore();
            return;
        }
        FormClose();
    } catch (...) {
        AppOnException(std::current_exception());
    }
    closing_ = true;
    event->accept();
}

void TfrmMain::CenterForm(QWidget* form) const
{
    const QRect main = frameGeometry();
    const QSize size = form->frameGeometry().size();
    const int left = std::max(0, main.left() + (main.width() - size.width()) / 2);
    const int top = std::max(0, main.top() + (main.height() - size.height()) / 2);
    form->move(left, top);
}

} // namespace larkspan
