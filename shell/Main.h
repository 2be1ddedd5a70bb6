#pragma once
// The main window: the frame (tool bar, title strip, notebook, status bar,
// menus), start-up and close, navigation among the pages, and the
// application-wide error handler. The pages build their own controls and
// computations; this class owns them and the state they share.

#include "shell/AppState.h"
#include "shell/ShellServices.h"

#include <QMainWindow>
#include <exception>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class QAbstractButton;
class QFrame;

namespace larkspan {

class CalculatorPage;
class NetWorthPage;
class LoanDebtPage;
class CreditCardDebtPage;
class ConsolidationPage;
class LoanCalculatorPage;
class AmortizationPage;
class PayoffOrSavePage;
class SavingsPlanPage;
class BudgetPage;
struct PageInfo;

class TfrmMain : public QMainWindow, public ShellServices {
    Q_OBJECT
public:
    // Builds the window and runs the start-up sequence.
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // ShellServices
    AppState& state() override { return state_; }
    Dialogs& dialogs() override;
    QString activePageName() const override;
    void showPage(const QString& pageName) override;
    CalculatorPage* page(const QString& pageName) const override;
    QWidget* control(const QString& objectName) const override;
    void setPrintingEnabled(bool enabled) override;
    void setResetEnabled(bool enabled) override;
    void setPrevNextEnabled(bool enabled) override;

    // Navigation: the one operation, deciding the target from the sender
    // (a button, label or menu item, by objectName) and the active page.
    void gotoChosenCalculator(QObject* sender);
    void nbkMainPageChanged();
    void EnableMnuCalcItems();
    void CloseCalculators();
    void MainMenuLabelOn();
    void MainMenuLabelOff();
    void EnablePrinting() { setPrintingEnabled(true); }
    void DisablePrinting() { setPrintingEnabled(false); }
    void AllowPrinting() { setPrintingEnabled(true); }
    void DisallowPrinting() { setPrintingEnabled(false); }
    // Centres another window over this one.
    void CenterForm(QWidget* form) const;
    // Shows the message for an error no handler caught, then recovers the
    // page on show where it can.
    void AppOnException(std::exception_ptr error);

    // Tool-bar and menu actions.
    void btnCalculatorsClick();
    // Status bar: the cursor and panel 1's text follow the pointer's x
    // position in the bar; panel 1 spans what panel 0 leaves.
    void statusBarMouseMove(int x);
    void statusBarResize();
    void btnResetClick();
    void ResetCalculators(QObject* sender);
    void RestoreZeroValues();
    void MnuFileExitClick();

    // The pages, for the main window's own start-up and close steps.
    NetWorthPage* netWorthPage() const { return netWorth_; }
    LoanDebtPage* loanDebtPage() const { return loanDebt_; }
    CreditCardDebtPage* creditCardDebtPage() const { return creditCardDebt_; }
    ConsolidationPage* consolidationPage() const { return consolidation_; }
    LoanCalculatorPage* loanCalculatorPage() const { return loanCalculator_; }
    AmortizationPage* amortizationPage() const { return amortization_; }
    PayoffOrSavePage* payoffOrSavePage() const { return payoffOrSave_; }
    SavingsPlanPage* savingsPlanPage() const { return savingsPlan_; }
    BudgetPage* budgetPage() const { return budget_; }

    // The status bar's second panel.
    QString statusText() const;
    void setStatusText(const QString& text);

    static QString arithmeticErrorMessage();
    static QString genericErrorMessage();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildFrame();
    void buildToolBar(QWidget* bar);
    void buildStatusBar(QWidget* bar);
    void buildMenus();
    void buildPages();
    void buildMenuPage(QWidget* page);
    void buildSolutionsPage(QWidget* page);
    void buildCustomCalcsPage(QWidget* page);
    void FormCreate();
    bool FormCloseQuery();
    void FormClose();
    void placeRightHandButtons();
    // Lays the frame's strips out across the client area's current size.
    void layoutFrame();
    void setTrioEnabled(const PageInfo& page, bool enabled);
    void setMainMenuTrioEnabled(bool enabled);
    QAction* addMenuItem(QMenu* menu, const QString& name, const QString& caption);
    template <class Page>
    Page* addPage();

    AppState state_;
    QStackedWidget* nbkMain_ = nullptr;
    QWidget* client_ = nullptr;
    QFrame* pnlButtonBar_ = nullptr;
    QFrame* pnlCalculatorName_ = nullptr;
    QFrame* statusBar_ = nullptr;
    QLabel* lblMainMenu_ = nullptr;
    QLabel* lblCalculatorName_ = nullptr;
    QLabel* statusPanel0_ = nullptr;
    QLabel* statusPanel1_ = nullptr;
    QAbstractButton* btnPrint_ = nullptr;
    QAbstractButton* btnReset_ = nullptr;
    QAbstractButton* btnPrevCalc_ = nullptr;
    QAbstractButton* btnNextCalc_ = nullptr;
    QAbstractButton* btnCalculators_ = nullptr;
    QAbstractButton* btnExit_ = nullptr;
    QAction* mnuFilePrint_ = nullptr;
    QMenu* mnuPopCalcs_ = nullptr;
    QMenu* mnuPopReset_ = nullptr;
    QMenu* mnuPopup_ = nullptr;
    QPlainTextEdit* memPrepayments_ = nullptr;
    QPlainTextEdit* memFileContents_ = nullptr;

    NetWorthPage* netWorth_ = nullptr;
    LoanDebtPage* loanDebt_ = nullptr;
    CreditCardDebtPage* creditCardDebt_ = nullptr;
    ConsolidationPage* consolidation_ = nullptr;
    LoanCalculatorPage* loanCalculator_ = nullptr;
    AmortizationPage* amortization_ = nullptr;
    PayoffOrSavePage* payoffOrSave_ = nullptr;
    SavingsPlanPage* savingsPlan_ = nullptr;
    BudgetPage* budget_ = nullptr;
    bool closing_ = false;
};

} // namespace larkspan

using larkspan::TfrmMain;
