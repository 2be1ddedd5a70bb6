// Navigation among the pages, the menu trios, and the window events that
// keep the frame in shape.
#include "shell/Main.h"

#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "shell/CalculatorPage.h"
#include "shell/Hints.h"
#include "shell/Pages.h"

#include <QAbstractButton>
#include <QAction>
#include <QContextMenuEvent>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QToolTip>

namespace larkspan {

namespace {
bool isAnyOf(const QString& name, std::initializer_list<const char*> names)
{
    for (const char* n : names)
        if (name == QLatin1String(n))
            return true;
    return false;
}

// The page whose main-menu button or trio item has this name.
const PageInfo* pageOfSender(const QString& name)
{
    for (const PageInfo& p : pageTable())
        if (p.name != pages::Menu && !name.isEmpty()
            && (name == p.button || name == p.calculatorsItem || name == p.popItem || name == p.popCalcsItem))
            return &p;
    return nullptr;
}

// The ring neighbour of `active` (step +1 or -1), or nullptr when the page
// is not in the ring.
const PageInfo* ringNeighbour(const QString& active, int step)
{
    const auto ring = nextRing();
    const int n = static_cast<int>(ring.size());
    for (int i = 0; i < n; ++i)
        if (active == ring[i])
            return pageInfo(ring[(i + step + n) % n]);
    return nullptr;
}
} // namespace

void TfrmMain::gotoChosenCalculator(QObject* sender)
{
    const QString name = sender ? sender->objectName() : QString();
    const QString active = activePageName();
    const bool toMenu = name == QLatin1String("mnuPopCalcsMain")
                        || (name == QLatin1String("btnNextCalc") && active == pages::Budget)
                        || (name == QLatin1String("btnPrevCalc") && active == pages::NetWorth)
                        || isAnyOf(name, {"mnuPopMain", "mnuCalculatorsMain", "lblMainMenu", "btnReturnToMainMenu"});
    const PageInfo* target = nullptr;
    if (!toMenu) {
        target = pageOfSender(name);
        if (!target && name == QLatin1String("btnNextCalc"))
            target = ringNeighbour(active, +1);
        if (!target && name == QLatin1String("btnPrevCalc"))
            target = ringNeighbour(active, -1);
    }
    // Previous and Next on a page outside the ring lead nowhere: nothing
    // changes, so they stay disabled on the payoff schedules page.
    if (!toMenu && !target)
        return;

    setPrevNextEnabled(true);
    if (amortization_->closeExtraPanel())
        setPrevNextEnabled(true);

    if (toMenu) {
        MainMenuLabelOff();
        lblCalculatorName_->clear();
        showPage(pages::Menu);
        EnableMnuCalcItems();
        CloseCalculators();
        DisablePrinting();
        setMainMenuTrioEnabled(false);
        setResetEnabled(false);
        return;
    }

    MainMenuLabelOn();
    lblCalculatorName_->setText(target->caption);
    EnableMnuCalcItems();
    setTrioEnabled(*target, false);
    EnablePrinting();
    showPage(target->name);
    setResetEnabled(true);
    if (CalculatorPage* p = page(target->name))
        p->enterPage();
}

void TfrmMain::nbkMainPageChanged()
{
    if (activePageName() != pages::Amortization)
        return;
    MainMenuLabelOn();
    lblCalculatorName_->setText(pageInfo(pages::Amortization)->caption);
    EnableMnuCalcItems();
    EnablePrinting();
    setResetEnabled(true);
    setPrevNextEnabled(false);
}

void TfrmMain::setTrioEnabled(const PageInfo& p, bool enabled)
{
    for (const QLatin1StringView item : {p.calculatorsItem, p.popItem, p.popCalcsItem})
        if (!item.isEmpty())
            if (auto* a = findChild<QAction*>(item))
                a->setEnabled(enabled);
}

void TfrmMain::setMainMenuTrioEnabled(bool enabled)
{
    setTrioEnabled(*pageInfo(pages::Menu), enabled);
}

void TfrmMain::EnableMnuCalcItems()
{
    for (const PageInfo& p : pageTable())
        setTrioEnabled(p, true);
}

void TfrmMain::CloseCalculators()
{
    for (const PageInfo& p : pageTable())
        if (p.name != pages::Menu)
            setTrioEnabled(p, true);
    DisablePrinting();
}

void TfrmMain::MainMenuLabelOn()
{
    QFont f = lblMainMenu_->font();
    f.setUnderline(true);
    lblMainMenu_->setFont(f);
}

void TfrmMain::MainMenuLabelOff()
{
    QFont f = lblMainMenu_->font();
    f.setUnderline(false);
    lblMainMenu_->setFont(f);
}

// -------------------------------------------------------------- events

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        placeRightHandButtons();
        if (CalculatorPage* p = page(activePageName()))
            p->windowActivated();
    }
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    layoutFrame();
    if (loanCalculator_)
        loanCalculator_->setSpreadFirstColumnWidth();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched == lblMainMenu_) {
            gotoChosenCalculator(lblMainMenu_);
            return true;
        }
        break;
    case QEvent::ToolTip:
        // The short part of a hint, shown for four seconds.
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this && !hintOf(w).isEmpty()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), w->toolTip(), w, QRect(), 4000);
            return true;
        }
        break;
    case QEvent::MouseMove:
        if (auto* w = qobject_cast<QWidget*>(watched); w && statusBar_ && (w == statusBar_ || statusBar_->isAncestorOf(w)))
            statusBarMouseMove(w->mapTo(statusBar_, static_cast<QMouseEvent*>(event)->position().toPoint()).x());
        break;
    case QEvent::Enter:
        if (auto* w = qobject_cast<QWidget*>(watched); w && w->window() == this) {
            const QString hint = hintOf(w);
            if (!hint.isEmpty())
                setStatusText(longHint(hint));
            else if (w == nbkMain_ || (nbkMain_->isAncestorOf(w) && !qobject_cast<QAbstractButton*>(w)))
                setStatusText(QStringLiteral(" Larkspan 2.0"));
        }
        break;
    case QEvent::ContextMenu:
        if (auto* w = qobject_cast<QWidget*>(watched); w == centralWidget() || (w && nbkMain_ && (w == nbkMain_ || qobject_cast<CalculatorPage*>(w)))) {
            mnuPopup_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace larkspan
