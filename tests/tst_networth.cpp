// The net worth page: its lists, the sums on leaving a field, the colours of
// the result, and where the focus goes.
#include "calculators/NetWorthMath.h"
#include "shell/EditField.h"
#include "shell/Theme.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>

using namespace larkspan;

namespace {
QString assetName(int i) { return QStringLiteral("edtAsset%1").arg(i); }
QString liabilityName(int i) { return QStringLiteral("edtLiability%1").arg(i); }
} // namespace

class TestNetWorth : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void sumsInFieldOrder();
    void layoutOfTheLists();
    void totals_data();
    void totals();
    void typingChangesNothingUntilLeaving();
    void tabVisitsFieldsInOrder_data();
    void tabVisitsFieldsInOrder();
    void clickingTheAssetsTabFocusesTheFirstAsset();

private:
    QLabel* label(const char* name) const { return fixture_->field<QLabel>(QLatin1String(name)); }
    TEditField* edit(const QString& name) const { return fixture_->field<TEditField>(name); }
    QTabWidget* tabs() const { return fixture_->field<QTabWidget>(QStringLiteral("nbkDiscoverYourNetWorth")); }

    std::unique_ptr<test::MainWindowFixture> fixture_;
};

void TestNetWorth::initTestCase()
{
    fixture_ = std::make_unique<test::MainWindowFixture>();
}

void TestNetWorth::cleanupTestCase()
{
    fixture_.reset();
}

void TestNetWorth::init()
{
    // Every test starts on the page with all 48 fields at zero.
    for (int i = 1; i <= 24; ++i) {
        edit(assetName(i))->setValue(0);
        edit(liabilityName(i))->setValue(0);
    }
    tabs()->setCurrentIndex(0);
    fixture_->click(QStringLiteral("btnDiscoverYourNetWorth"));
    fixture_->activate();
}

void TestNetWorth::sumsInFieldOrder()
{
    // Added in field order: the large value first swallows the small ones,
    // exactly as the page does.
    const double assets[] = {1e16, 1, 1, 1};
    const double liabilities[] = {0.1, 0.2};
    const networth::Totals t = networth::totals(assets, liabilities);
    QCOMPARE(t.assets, ((1e16 + 1) + 1) + 1);
    QCOMPARE(t.liabilities, 0.1 + 0.2);
    QCOMPARE(t.netWorth, t.assets - t.liabilities);
    QVERIFY(!networth::totals({}, {}).positive());
}

void TestNetWorth::layoutOfTheLists()
{
    QCOMPARE(tabs()->geometry(), QRect(31, 45, 733, 345));
    QCOMPARE(tabs()->tabText(0), QStringLiteral("List Your Assets"));
    QCOMPARE(tabs()->tabText(1), QStringLiteral("List Your Liabilities"));
    for (int i = 1; i <= 24; ++i) {
        for (const bool liability : {false, true}) {
            TEditField* f = edit(liability ? liabilityName(i) : assetName(i));
            QVERIFY(f);
            QCOMPARE(f->kind(), FieldKind::Money);
            QCOMPARE(f->geometry().x(), i <= 12 ? 194 : 538);
            QCOMPARE(f->size(), QSize(121, 23));
            QCOMPARE(f->parentWidget(), tabs()->widget(liability ? 1 : 0));
            // The liabilities show the grey "0" while empty.
            QCOMPARE(f->placeholderText().isEmpty(), !liability || f->hasFocus());
            if (i > 1 && i != 13) {
                const TEditField* above = edit(liability ? liabilityName(i - 1) : assetName(i - 1));
                QVERIFY(f->y() > above->y());
            }
        }
    }
    // Captions: right-aligned just left of their field, green and red.
    const std::tuple<const char*, const char*, QColor> captions[] = {
        {"edtAssetCaption1", "Value of Your Home:", theme::green()},
        {"edtAssetCaption15", "Life Insurance Face Value:", theme::green()},
        {"edtAssetCaption24", "Other:", theme::green()},
        {"edtLiabilityCaption3", "Home Equity Line of Credit:", theme::red()},
        {"edtLiabilityCaption13", "Total Credit Card Debt:", theme::red()},
    };
    for (const auto& [name, text, colour] : captions) {
        QLabel* l = label(name);
        QCOMPARE(l->text(), QLatin1String(text));
        QCOMPARE(l->palette().color(QPalette::WindowText), colour);
        QVERIFY(l->alignment() & Qt::AlignRight);
        QCOMPARE(l->textFormat(), Qt::PlainText);
    }
    QCOMPARE(label("lblNWMinus")->text(), QStringLiteral("-"));
    QCOMPARE(label("lblNWEquals")->text(), QStringLiteral("="));
    QVERIFY(label("lblNWAssets")->x() < label("lblNWMinus")->x());
    QVERIFY(label("lblNWMinus")->x() < label("lblNWLiabilities")->x());
    QVERIFY(label("lblNWLiabilities")->x() < label("lblNWEquals")->x());
    QVERIFY(label("lblNWEquals")->x() < label("lblNWNetworth")->x());
    QVERIFY(label("lblNWAssets")->y() > tabs()->geometry().bottom());
}

void TestNetWorth::totals_data()
{
    QTest::addColumn<QStringList>("typed"); // "field=text", typed then left
    QTest::addColumn<QString>("assets");
    QTest::addColumn<QString>("liabilities");
    QTest::addColumn<QString>("netWorth");
    QTest::addColumn<bool>("green");
    QTest::newRow("all zero is red") << QStringList{"edtAsset1=0"} << "$0.00" << "$0.00" << "$0.00" << false;
    QTest::newRow("positive is green") << QStringList{"edtAsset1=250000", "edtLiability1=180000.50"}
                                       << "$250,000.00" << "$180,000.50" << "$69,999.50" << true;
    QTest::newRow("negative in parentheses, red") << QStringList{"edtAsset5=1000", "edtLiability13=1500.25"}
                                                  << "$1,000.00" << "$1,500.25" << "($500.25)" << false;
    QTest::newRow("both columns of both lists") << QStringList{"edtAsset12=100", "edtAsset24=0.5", "edtLiability12=10", "edtLiability24=20"}
                                                << "$100.50" << "$30.00" << "$70.50" << true;
    QTest::newRow("equal totals are red") << QStringList{"edtAsset2=75.10", "edtLiability2=75.10"}
                                          << "$75.10" << "$75.10" << "$0.00" << false;
    QTest::newRow("emptied liability reads 0") << QStringList{"edtAsset3=40", "edtLiability4="}
                                               << "$40.00" << "$0.00" << "$40.00" << true;
}

void TestNetWorth::totals()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, assets);
    QFETCH(QString, liabilities);
    QFETCH(QString, netWorth);
    QFETCH(bool, green);
    for (const QString& entry : typed) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        tabs()->setCurrentIndex(name.startsWith(QLatin1String("edtAsset")) ? 0 : 1);
        fixture_->typeAndLeave(name, entry.section(QLatin1Char('='), 1));
    }
    QCOMPARE(label("lblNWAssets")->text(), assets);
    QCOMPARE(label("lblNWLiabilities")->text(), liabilities);
    QCOMPARE(label("lblNWNetworth")->text(), netWorth);
    QCOMPARE(label("lblNWNetworth")->palette().color(QPalette::WindowText), green ? theme::green() : theme::red());
    QCOMPARE(label("lblNWNetworth")->textFormat(), Qt::PlainText);
}

void TestNetWorth::typingChangesNothingUntilLeaving()
{
    TEditField* field = edit(QStringLiteral("edtAsset7"));
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("5000"));
    QCOMPARE(field->text(), QStringLiteral("5,000"));
    QCOMPARE(label("lblNWAssets")->text(), QStringLiteral("$0.00"));
    QCOMPARE(label("lblNWNetworth")->text(), QStringLiteral("$0.00"));
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(label("lblNWAssets")->text(), QStringLiteral("$5,000.00"));
    QCOMPARE(label("lblNWLiabilities")->text(), QStringLiteral("$0.00"));
    QCOMPARE(label("lblNWNetworth")->text(), QStringLiteral("$5,000.00"));
    // Coming back to the page recomputes from the fields as they are.
    field->setValue(10);
    fixture_->click(QStringLiteral("mnuPopCalcsMain"));
    fixture_->click(QStringLiteral("btnDiscoverYourNetWorth"));
    QCOMPARE(label("lblNWAssets")->text(), QStringLiteral("$10.00"));
}

void TestNetWorth::tabVisitsFieldsInOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::newRow("assets") << 0;
    QTest::newRow("liabilities") << 1;
}

void TestNetWorth::tabVisitsFieldsInOrder()
{
    QFETCH(int, tab);
    tabs()->setCurrentIndex(tab);
    auto name = [tab](int i) { return tab == 0 ? assetName(i) : liabilityName(i); };
    edit(name(1))->setFocus();
    for (int i = 2; i <= 24; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name(i));
    }
}

void TestNetWorth::clickingTheAssetsTabFocusesTheFirstAsset()
{
    QTabBar* bar = tabs()->tabBar();
    tabs()->setCurrentIndex(1);
    edit(liabilityName(5))->setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QCOMPARE(tabs()->currentIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), edit(assetName(1)));
    // Clicking the liabilities tab leaves the focus to the notebook.
    edit(assetName(9))->setFocus();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(tabs()->currentIndex(), 1);
    QVERIFY(QApplication::focusWidget() != edit(assetName(1)));
}

LARKSPAN_TEST_MAIN(TestNetWorth)
#include "tst_networth.moc"
