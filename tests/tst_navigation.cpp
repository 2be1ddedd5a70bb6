// The main window: navigation among the pages, the menu trios and the
// states of the frame, focus on entry, the error handler, the status bar,
// the close query and the first-run help topic.
#include "calculators/NetWorth.h"
#include "engine/Errors.h"
#include "shell/AppState.h"
#include "shell/Pages.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>

using namespace larkspan;
using larkspan::test::dialogs;

namespace {
const QString kMainMenuSender = QStringLiteral("lblMainMenu");
} // namespace

class TestNavigation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void firstStartOpensHelpTopicOnce();
    void startsOnTheMainMenu();
    void frame();
    void nextAndPreviousWalkTheRing();
    void senders_data();
    void senders();
    void outsideTheRingPreviousAndNextDoNothing_data();
    void outsideTheRingPreviousAndNextDoNothing();
    void trioAndStatesAfterNavigation();
    void amortizationPageState();
    void netWorthFocusFollowsItsTab();
    void errorHandler_data();
    void errorHandler();
    void errorEscapingAnEventKeepsTheProgramRunning();
    void hintsAndStatusBar();
    void closeQuery_data();
    void closeQuery();

private:
    void go(const QString& sender);
    QString active() const { return fixture_->window().activePageName(); }
    QAction* action(const QString& name) const { return fixture_->field<QAction>(name); }
    QWidget* widget(const QString& name) const { return fixture_->field<QWidget>(name); }

    std::unique_ptr<test::MainWindowFixture> fixture_;
};

void TestNavigation::initTestCase()
{
    test::removeSettings();
    dialogs().clear();
    fixture_ = std::make_unique<test::MainWindowFixture>();
}

void TestNavigation::cleanupTestCase()
{
    fixture_.reset();
}

void TestNavigation::init()
{
    dialogs().clear();
    if (fixture_)
        fixture_->activate();
}

// A test that needs windows of its own drops the shared one first (a main
// window's end takes the error handler with it); it comes back here.
void TestNavigation::cleanup()
{
    if (!fixture_)
        fixture_ = std::make_unique<test::MainWindowFixture>();
}

void TestNavigation::go(const QString& sender)
{
    QObject* object = fixture_->window().findChild<QObject*>(sender);
    QVERIFY2(object, qPrintable(sender));
    fixture_->window().gotoChosenCalculator(object);
}

void TestNavigation::firstStartOpensHelpTopicOnce()
{
    fixture_.reset();
    {
        test::removeSettings();
        dialogs().clear();
        TfrmMain first;
        QCOMPARE(dialogs().helpTopics, QList<int>{10000});
        QVERIFY(first.state().FirstRunDone);
        first.close(); // writes the settings file
    }
    dialogs().clear();
    TfrmMain second;
    QVERIFY(!dialogs().helpTopics.contains(10000));
    second.close();
}

void TestNavigation::startsOnTheMainMenu()
{
    TfrmMain& w = fixture_->window();
    QCOMPARE(w.activePageName(), QStringLiteral("pgMenu"));
    QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text(), QString());
    QVERIFY(!fixture_->field<QLabel>(QStringLiteral("lblMainMenu"))->font().underline());
    for (const char* name : {"mnuCalculatorsMain", "mnuPopMain", "mnuPopCalcsMain"})
        QVERIFY2(!action(QLatin1String(name))->isEnabled(), name);
    QVERIFY(!widget(QStringLiteral("btnReset"))->isEnabled());
    // Printing is on after start-up until the first navigation.
    QVERIFY(widget(QStringLiteral("btnPrint"))->isEnabled());
    QVERIFY(action(QStringLiteral("MnuFilePrint"))->isEnabled());
    QCOMPARE(w.windowTitle(), QStringLiteral("Larkspan 2.0"));
    QCOMPARE(action(QStringLiteral("mnuFileSave"))->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
}

void TestNavigation::frame()
{
    TfrmMain& w = fixture_->window();
    QCOMPARE(w.centralWidget()->size(), QSize(787, 625));
    QCOMPARE(w.minimumSize(), QSize(616, 476));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    const std::pair<const char*, int> lefts[] = {
        {"btnOpen", 4}, {"btnPrint", 54}, {"btnHelp", 154},
        {"btnPrevCalc", 543}, {"btnNextCalc", 569}, {"btnCalculators", 630}, {"btnExit", 758}};
    for (const auto& [name, left] : lefts)
        QCOMPARE(widget(QLatin1String(name))->x(), left);
    QCOMPARE(widget(QStringLiteral("btnCalculators"))->focusPolicy(), Qt::NoFocus);
    for (const char* memo : {"memPrepayments", "memFileContents"})
        QVERIFY(!widget(QLatin1String(memo))->isVisible());
}

void TestNavigation::nextAndPreviousWalkTheRing()
{
    go(kMainMenuSender);
    const auto ring = nextRing();
    for (std::size_t i = 1; i <= ring.size(); ++i) {
        go(QStringLiteral("btnNextCalc"));
        QCOMPARE(active(), QString(ring[i % ring.size()]));
    }
    const std::size_t n = ring.size();
    for (std::size_t k = 1; k <= n; ++k) {
        go(QStringLiteral("btnPrevCalc"));
        QCOMPARE(active(), QString(ring[(n - k) % n]));
    }
}

void TestNavigation::senders_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("expected");
    // Every main-menu button and trio item leads to its page.
    for (const PageInfo& p : pageTable())
        for (const QLatin1StringView item : {p.button, p.calculatorsItem, p.popItem, p.popCalcsItem})
            if (!item.isEmpty())
                QTest::addRow("%s", item.data()) << "pgMenu" << QString(item) << QString(p.name);
    // The main menu, from a calculator page.
    for (const char* s : {"mnuPopCalcsMain", "mnuPopMain", "mnuCalculatorsMain", "lblMainMenu", "btnReturnToMainMenu"})
        QTest::addRow("%s from loan debt", s) << "pgTallyYourLoanDebt" << s << "pgMenu";
    QTest::newRow("next on budget") << "pgCreateABudget" << "btnNextCalc" << "pgMenu";
    QTest::newRow("previous on net worth") << "pgDiscoverYourNetWorth" << "btnPrevCalc" << "pgMenu";
    QTest::newRow("next on main menu") << "pgMenu" << "btnNextCalc" << "pgDiscoverYourNetWorth";
    QTest::newRow("previous on main menu") << "pgMenu" << "btnPrevCalc" << "pgCreateABudget";
    QTest::newRow("next skips the schedules") << "pgCompareConsolidationLoans" << "btnNextCalc" << "pgPayoffOrSave";
    QTest::newRow("previous from payoff") << "pgPayoffOrSave" << "btnPrevCalc" << "pgCompareConsolidationLoans";
    QTest::newRow("no such sender") << "pgSolutions" << "btnOpen" << "pgSolutions";
}

void TestNavigation::senders()
{
    QFETCH(QString, from);
    QFETCH(QString, sender);
    QFETCH(QString, expected);
    fixture_->window().showPage(from);
    go(sender);
    QCOMPARE(active(), expected);
}

void TestNavigation::outsideTheRingPreviousAndNextDoNothing_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("sender");
    for (const char* page : {"pgAmortization", "pgCustomCalcs"})
        for (const char* sender : {"btnNextCalc", "btnPrevCalc"})
            QTest::addRow("%s %s", page, sender) << page << sender;
}

void TestNavigation::outsideTheRingPreviousAndNextDoNothing()
{
    QFETCH(QString, page);
    QFETCH(QString, sender);
    go(QStringLiteral("btnTallyYourLoanDebt"));
    fixture_->window().showPage(page);
    const bool prevNextBefore = widget(QStringLiteral("btnNextCalc"))->isEnabled();
    const QString caption = fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text();
    go(sender);
    QCOMPARE(active(), page);
    QCOMPARE(widget(QStringLiteral("btnNextCalc"))->isEnabled(), prevNextBefore);
    QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text(), caption);
}

void TestNavigation::trioAndStatesAfterNavigation()
{
    // By button, by menu item and by Next: the page's own trio is off, every
    // other trio and the Main Menu trio are on.
    const std::pair<const char*, const char*> ways[] = {
        {"btnTallyYourCreditCardDebt", "pgTallyYourCreditCardDebt"},
        {"mnuPopConsiderConsolidation", "pgConsiderConsolidation"},
        {"btnNextCalc", "pgCompareConsolidationLoans"},
        {"btnPrevCalc", "pgConsiderConsolidation"},
    };
    for (const auto& [sender, pageName] : ways) {
        go(QLatin1String(sender));
        QCOMPARE(active(), QLatin1String(pageName));
        for (const PageInfo& p : pageTable())
            for (const QLatin1StringView item : {p.calculatorsItem, p.popItem, p.popCalcsItem})
                if (!item.isEmpty())
                    QVERIFY2(action(item)->isEnabled() == (p.name != QLatin1String(pageName)), item.data());
        QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text(), QString(pageInfo(QLatin1String(pageName))->caption));
        QVERIFY(fixture_->field<QLabel>(QStringLiteral("lblMainMenu"))->font().underline());
        QVERIFY(widget(QStringLiteral("btnReset"))->isEnabled());
        QVERIFY(widget(QStringLiteral("btnPrint"))->isEnabled());
        QVERIFY(action(QStringLiteral("MnuFilePrint"))->isEnabled());
        QVERIFY(widget(QStringLiteral("btnPrevCalc"))->isEnabled() && widget(QStringLiteral("btnNextCalc"))->isEnabled());
    }
    fixture_->click(QStringLiteral("mnuPopCalcsMain"));
    QCOMPARE(active(), QStringLiteral("pgMenu"));
    for (const PageInfo& p : pageTable())
        for (const QLatin1StringView item : {p.calculatorsItem, p.popItem, p.popCalcsItem})
            if (!item.isEmpty())
                QVERIFY2(action(item)->isEnabled() == (p.name != pages::Menu), item.data());
    QVERIFY(!widget(QStringLiteral("btnReset"))->isEnabled());
    QVERIFY(!widget(QStringLiteral("btnPrint"))->isEnabled());
    QVERIFY(!action(QStringLiteral("MnuFilePrint"))->isEnabled());
    QVERIFY(!fixture_->field<QLabel>(QStringLiteral("lblMainMenu"))->font().underline());
    QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text(), QString());
}

void TestNavigation::amortizationPageState()
{
    go(QStringLiteral("btnCompareConsolidationLoans"));
    fixture_->window().showPage(QStringLiteral("pgAmortization"));
    QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblCalculatorName"))->text(),
             QStringLiteral("> Review Amortization / Payment Schedules"));
    QVERIFY(!widget(QStringLiteral("btnPrevCalc"))->isEnabled());
    QVERIFY(!widget(QStringLiteral("btnNextCalc"))->isEnabled());
    QVERIFY(widget(QStringLiteral("btnPrint"))->isEnabled());
    for (const char* item : {"mnuPopCalcsCompareConsolidationLoans", "mnuPopCalcsMain"})
        QVERIFY2(action(QLatin1String(item))->isEnabled(), item);
    // Any navigation leaves it and enables Previous and Next again.
    go(QStringLiteral("mnuCalculatorsSolutions"));
    QCOMPARE(active(), QStringLiteral("pgSolutions"));
    QVERIFY(widget(QStringLiteral("btnPrevCalc"))->isEnabled());
}

void TestNavigation::netWorthFocusFollowsItsTab()
{
    auto* tabs = fixture_->field<QTabWidget>(QStringLiteral("nbkDiscoverYourNetWorth"));
    for (const auto& [tab, focus] : {std::pair{1, "edtLiability1"}, std::pair{0, "edtAsset1"}}) {
        go(kMainMenuSender);
        tabs->setCurrentIndex(tab);
        go(QStringLiteral("btnDiscoverYourNetWorth"));
        QCOMPARE(QApplication::focusWidget(), widget(QLatin1String(focus)));
    }
}

void TestNavigation::errorHandler_data()
{
    QTest::addColumn<bool>("arithmetic");
    QTest::addColumn<QString>("message");
    QTest::newRow("arithmetic") << true
                                << "An answer cannot be calculated using\n\rthe values you have entered.\n\r\n\rPlease try again with different values.";
    QTest::newRow("any other") << false << TfrmMain::genericErrorMessage();
}

void TestNavigation::errorHandler()
{
    QFETCH(bool, arithmetic);
    QFETCH(QString, message);
    go(QStringLiteral("btnSolutions"));
    std::exception_ptr error = arithmetic ? std::make_exception_ptr(ArithmeticError(ArithmeticError::Kind::DivisionByZero, "x / 0"))
                                          : std::make_exception_ptr(ConversionError("abc is not a valid currency value!"));
    fixture_->window().AppOnException(error);
    QCOMPARE(dialogs().messages, QStringList{message});
    QVERIFY(message.startsWith(arithmetic ? QLatin1String("An answer cannot be calculated using") : QLatin1String("An error has occurred.")));
    if (!arithmetic) {
        const QStringList lines = message.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.at(2), QStringLiteral("Please contact Quillmoor Software    "));
        QVERIFY(lines.at(4).startsWith(QLatin1String("at:  ")) && lines.at(4).contains(QLatin1Char('@')));
    }
    QCOMPARE(active(), QStringLiteral("pgSolutions"));
}

void TestNavigation::errorEscapingAnEventKeepsTheProgramRunning()
{
    // An error thrown by a handler reaches the handler through the event
    // loop; the action stops there and the window keeps working.
    QTimer::singleShot(0, &fixture_->window(), [] { throw std::runtime_error("broken"); });
    QTRY_COMPARE(dialogs().messages, QStringList{TfrmMain::genericErrorMessage()});
    go(QStringLiteral("btnDiscoverYourNetWorth"));
    QCOMPARE(active(), QStringLiteral("pgDiscoverYourNetWorth"));
}

void TestNavigation::hintsAndStatusBar()
{
    TfrmMain& w = fixture_->window();
    QCOMPARE(widget(QStringLiteral("btnPrint"))->toolTip(), QStringLiteral("Print Preview"));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(widget(QStringLiteral("btnPrint")), &enter);
    QCOMPARE(w.statusText(), QStringLiteral(" Display Print Preview ..."));
    QApplication::sendEvent(widget(QStringLiteral("btnCalculators")), &enter);
    QCOMPARE(w.statusText(), QStringLiteral(" Display Calculator Menu ..."));

    QWidget* bar = widget(QStringLiteral("statusBar"));
    QCOMPARE(widget(QStringLiteral("statusPanel1"))->width(), bar->width() - 120 - 2);
    struct Row {
        int x;
        Qt::CursorShape cursor;
        bool visitPrompt;
    };
    const Row rows[] = {{10, Qt::PointingHandCursor, true}, {114, Qt::PointingHandCursor, true},
                        {115, Qt::ArrowCursor, true}, {120, Qt::ArrowCursor, true}, {121, Qt::ArrowCursor, false},
                        {400, Qt::ArrowCursor, false}};
    for (const Row& r : rows) {
        QMouseEvent move(QEvent::MouseMove, QPointF(r.x, 5), bar->mapToGlobal(QPointF(r.x, 5)), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(bar, &move);
        QCOMPARE(bar->cursor().shape(), r.cursor);
        QCOMPARE(w.statusText().startsWith(QLatin1String(" Larkspan 2.0")), !r.visitPrompt);
    }
    QCOMPARE(fixture_->field<QLabel>(QStringLiteral("lblMainMenu"))->cursor().shape(), Qt::PointingHandCursor);
}

void TestNavigation::closeQuery_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::addColumn<bool>("answer");
    QTest::newRow("no current file asks nothing") << false << false;
    QTest::newRow("current file, No") << true << false;
    QTest::newRow("current file, Yes saves") << true << true;
}

void TestNavigation::closeQuery()
{
    QFETCH(bool, withFile);
    QFETCH(bool, answer);
    fixture_.reset();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("plan.lkp"));
    TfrmMain w;
    w.show();
    dialogs().clear();
    if (withFile)
        w.state().CurrentFileName = path;
    dialogs().yesNoAnswers.enqueue(answer);
    QVERIFY(w.close());
    QCOMPARE(dialogs().questions, withFile ? QStringList{QStringLiteral("Save changes to ") + path} : QStringList{});
    QCOMPARE(QFile::exists(path), withFile && answer);
    QVERIFY(!w.isVisible());
}

LARKSPAN_TEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
