// Resetting pages to zeros or to their worked example, through the real
// window: the reset menu acts on the page on show, and the sample figures
// agree across pages.
#include "shell/CalculatorPage.h"
#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/RadioGroup.h"
#include "shell/Theme.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QMap>
#include <algorithm>
#include <tuple>

using namespace larkspan;
using larkspan::test::MainWindowFixture;

namespace {

const QString kZero = QStringLiteral("mnuResetThisZero");
const QString kSamples = QStringLiteral("mnuResetSamples");

qint64 cents(double value)
{
    return qRound64(value * 100.0);
}

// Opens the page through its item of the Calculators menu, so that the
// page's entry actions run as for the user.
void enter(MainWindowFixture& f, QLatin1StringView pageName)
{
    const PageInfo* info = pageInfo(pageName);
    QVERIFY(info);
    f.click(QString(info->calculatorsItem));
    QCOMPARE(f.window().activePageName(), QString(pageName));
}

QString labelText(const MainWindowFixture& f, const QString& name)
{
    const QLabel* label = f.field<QLabel>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

double fieldValue(const MainWindowFixture& f, const QString& name)
{
    const TEditField* edit = f.field<TEditField>(name);
    return edit ? edit->value() : qQNaN();
}

// What the user can see of every edit field, check box, radio group and
// date picker of the window.
QMap<QString, QString> visibleValues(TfrmMain& window)
{
    QMap<QString, QString> values;
    for (const QLineEdit* e : window.findChildren<QLineEdit*>())
        if (!e->objectName().isEmpty())
            values.insert(e->objectName(), e->text());
    for (const QCheckBox* c : window.findChildren<QCheckBox*>())
        values.insert(c->objectName(), c->isChecked() ? QStringLiteral("ticked") : QStringLiteral("clear"));
    for (const TRadioGroup* g : window.findChildren<TRadioGroup*>())
        values.insert(g->objectName(), QString::number(g->itemIndex()));
    for (const QDateTimeEdit* d : window.findChildren<QDateTimeEdit*>())
        values.insert(d->objectName(), d->date().toString(Qt::ISODate));
    for (const QLabel* l : window.findChildren<QLabel*>())
        if (!l->objectName().isEmpty())
            values.insert(l->objectName(), l->text());
    return values;
}

} // namespace

class TestReset : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void resultsFollowTheChoice_data();
    void resultsFollowTheChoice();
    void zeroSetClearsEveryInput_data();
    void zeroSetClearsEveryInput();
    void consolidationOfTheSampleDebts();
    void payoffOrSaveSampleRows();
    void loanCalculatorResetLeavesFocusInLoan_data();
    void loanCalculatorResetLeavesFocusInLoan();
    void savingsPlanDatesFollowStartUpDate_data();
    void savingsPlanDatesFollowStartUpDate();
    void solutionsPageChangesOnlyTheFlag();
    void restoreZeroValues_data();
    void restoreZeroValues();
};

void TestReset::init()
{
    test::removeSettings();
}

// Each page's results with its sample set, then with its zero set; the
// flag follows the last choice.
void TestReset::resultsFollowTheChoice_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("withSamples");
    QTest::addColumn<QStringList>("withZeros");

    QTest::newRow("net worth") << QString(pages::NetWorth)
                               << QStringList{"lblNWAssets", "lblNWLiabilities", "lblNWNetworth"}
                               << QStringList{"$355,560.00", "$174,000.00", "$181,560.00"}
                               << QStringList{"$0.00", "$0.00", "$0.00"};
    QTest::newRow("loan tally") << QString(pages::LoanDebt)
                                << QStringList{"lblTDTotalDebt", "lblTDPrincipalPaid", "lblTDAverageInterestRate"}
                                << QStringList{"$177,375.80", "$31,624.20", "7.458%"}
                                << QStringList{"$0.00", "$0.00", "0.000%"};
    QTest::newRow("card tally") << QString(pages::CreditCardDebt)
                                << QStringList{"lblTCTotalDebt", "lblTCAverageInterestRate"}
                                << QStringList{"$18,500.00", "22.420%"} << QStringList{"$0.00", "0.000%"};
    QTest::newRow("budget") << QString(pages::Budget) << QStringList{"lblExpenditureBalance", "lblBudgetBalance"}
                            << QStringList{"$620.00", "$120.00"} << QStringList{"$0.00", "$0.00"};
}

void TestReset::resultsFollowTheChoice()
{
    QFETCH(QString, page);
    QFETCH(QStringList, labels);
    QFETCH(QStringList, withSamples);
    QFETCH(QStringList, withZeros);

    MainWindowFixture f;
    enter(f, QLatin1StringView(page.toLatin1()));

    for (const auto& [choice, expected, flag] :
         {std::tuple{kSamples, withSamples, true}, std::tuple{kZero, withZeros, false}, std::tuple{kSamples, withSamples, true}}) {
        f.click(choice);
        QCOMPARE(f.window().state().UseSampleValues, flag);
        for (qsizetype i = 0; i < labels.size(); ++i)
            QCOMPARE(labelText(f, labels[i]), expected[i]);
    }
}

// After the samples, the zero set leaves every input of the page at 0, every
// name empty and every Consolidate box clear.
void TestReset::zeroSetClearsEveryInput_data()
{
    QTest::addColumn<QString>("page");
    for (const QLatin1StringView p : {pages::NetWorth, pages::LoanDebt, pages::CreditCardDebt, pages::Consolidation,
                                      pages::PayoffOrSave, pages::SavingsPlan, pages::Budget})
        QTest::newRow(p.data()) << QString(p);
}

void TestReset::zeroSetClearsEveryInput()
{
    QFETCH(QString, page);
    MainWindowFixture f;
    enter(f, QLatin1StringView(page.toLatin1()));
    QWidget* pageWidget = f.window().page(page);
    QVERIFY(pageWidget);

    f.click(kSamples);
    QList<TEditField*> inputs;
    for (TEditField* e : pageWidget->findChildren<TEditField*>())
        if (!e->hasResultLook() && e->kind() != FieldKind::Label)
            inputs << e;
    QVERIFY(!inputs.isEmpty());
    QVERIFY(std::any_of(inputs.begin(), inputs.end(), [](const TEditField* e) { return e->value() != 0; }));

    f.click(kZero);
    for (const TEditField* e : inputs) {
        if (e->isNumeric())
            QVERIFY2(e->value() == 0, qPrintable(e->objectName() + QLatin1String(" = ") + e->text()));
        else
            QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName() + QLatin1String(" = ") + e->text()));
    }
    for (const QCheckBox* box : pageWidget->findChildren<QCheckBox*>())
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
}

// The ticked sample loan and cards are the debts the consolidation sample
// assumes.
void TestReset::consolidationOfTheSampleDebts()
{
    MainWindowFixture f;
    enter(f, pages::LoanDebt);
    f.click(kSamples);
    enter(f, pages::CreditCardDebt);
    f.click(kSamples);
    enter(f, pages::Consolidation);
    f.click(kSamples);

    struct Row {
        const char* creditor;
        const char* balance;
        const char* payment;
    };
    const Row rows[] = {
        {"Credit Card 1", "$14,000.00", "$500.00"},
        {"Credit Card 2", "$4,500.00", "$200.00"},
        {"Lender 4", "$3,676.91", "$113.77"},
        {"", "$0.00", "$0.00"},
    };
    for (int i = 0; i < int(std::size(rows)); ++i) {
        const QString n = QString::number(i + 1);
        QCOMPARE(labelText(f, "lblCCCreditor" + n), QString::fromLatin1(rows[i].creditor));
        QCOMPARE(labelText(f, "lblCCBalance" + n), QString::fromLatin1(rows[i].balance));
        QCOMPARE(labelText(f, "lblCCPayment" + n), QString::fromLatin1(rows[i].payment));
    }
    QCOMPARE(labelText(f, "lblCCTotalBalance"), QStringLiteral("$22,176.91"));
    QCOMPARE(labelText(f, "lblCCTotalPayment"), QStringLiteral("$813.77"));
    QCOMPARE(cents(fieldValue(f, "edtCCConsolidationTotal")), 2217691);
    QCOMPARE(labelText(f, "lblCCConsolidationPayment"), QStringLiteral("$423.60"));
    QCOMPARE(labelText(f, "lblCCCurrentTotalPayment"), QStringLiteral("$813.77"));
    QCOMPARE(labelText(f, "lblCCMonthlyPaymentSavings"), QStringLiteral("$390.17"));
}

void TestReset::payoffOrSaveSampleRows()
{
    // Year by year: investment, debt, difference.
    const double rows[10][3] = {
        {3240.00, 3570.00, -330.00},     {3499.20, 4248.30, -749.10},     {3779.14, 5055.48, -1276.34},
        {4081.47, 6016.02, -1934.55},    {4407.98, 7159.06, -2751.08},    {4760.62, 8519.28, -3758.66},
        {5141.47, 10137.95, -4996.47},   {5552.79, 12064.16, -6511.37},   {5997.01, 14356.35, -8359.33},
        {6476.77, 17084.05, -10607.28},
    };
    MainWindowFixture f;
    enter(f, pages::PayoffOrSave);
    f.click(kSamples);

    for (int y = 1; y <= 10; ++y) {
        const QString n = QString::number(y);
        const QString debt = (y == 8 ? QStringLiteral("edtdebt") : QStringLiteral("edtDebt")) + n;
        QCOMPARE(cents(fieldValue(f, "edtInvestment" + n)), cents(rows[y - 1][0]));
        QCOMPARE(cents(fieldValue(f, debt)), cents(rows[y - 1][1]));
        QCOMPARE(cents(fieldValue(f, "edtDifference" + n)), cents(rows[y - 1][2]));
        const TEditField* difference = f.field<TEditField>("edtDifference" + n);
        QVERIFY(difference);
        QCOMPARE(difference->palette().color(QPalette::Text), theme::red());
    }
}

void TestReset::loanCalculatorResetLeavesFocusInLoan_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QList<double>>("values"); // loan, rate, term, payment

    QTest::newRow("zeros") << kZero << QList<double>{0, 0, 0, 0};
    QTest::newRow("samples") << kSamples << QList<double>{50000, 8.75, 60, 1031.86};
}

void TestReset::loanCalculatorResetLeavesFocusInLoan()
{
    QFETCH(QString, choice);
    QFETCH(QList<double>, values);

    MainWindowFixture f;
    enter(f, pages::CompareLoans);
    auto* group = f.field<TRadioGroup>("rgCalculate");
    auto* rate = f.field<TEditField>("edtInterest");
    QVERIFY(group && rate);
    group->setItemIndex(2);
    rate->setFocus();
    f.typeAndLeave("edtLoan", "12345");

    f.click(choice);
    const QStringList fields{"edtLoan", "edtInterest", "edtTerm", "edtPayment"};
    for (qsizetype i = 0; i < fields.size(); ++i)
        QCOMPARE(cents(fieldValue(f, fields[i])), cents(values[i]));
    QCOMPARE(group->itemIndex(), 0);
    QCOMPARE(QApplication::focusWidget(), f.field<QWidget>("edtLoan"));
}

// Both sets move the plan to the start-up date and ten years on, and put the
// choices back, whatever the user had set.
void TestReset::savingsPlanDatesFollowStartUpDate_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QList<double>>("values"); // balance, payment, rate

    QTest::newRow("zeros") << kZero << QList<double>{0, 0, 0};
    QTest::newRow("samples") << kSamples << QList<double>{50000, 500, 8.25};
}

void TestReset::savingsPlanDatesFollowStartUpDate()
{
    QFETCH(QString, choice);
    QFETCH(QList<double>, values);

    MainWindowFixture f;
    // A start-up date other than the machine's date shows which one is used.
    f.window().state().Today = QDateTime(QDate(2009, 1, 15), QTime(9, 30));
    enter(f, pages::SavingsPlan);
    auto* begin = f.field<QDateTimeEdit>("dtpBeginDate");
    auto* end = f.field<QDateTimeEdit>("dtpEndDate");
    auto* savingsStep = f.field<TRadioGroup>("rgFVSavings");
    auto* rateStep = f.field<TRadioGroup>("rgFVInterest");
    auto* annuity = f.field<TRadioGroup>("rgFVAnnuity");
    QVERIFY(begin && end && savingsStep && rateStep && annuity);
    begin->setDate(QDate(2015, 6, 1));
    end->setDate(QDate(2016, 6, 1));
    savingsStep->setItemIndex(7);
    rateStep->setItemIndex(0);
    annuity->setItemIndex(1);

    f.click(choice);
    QCOMPARE(begin->date(), QDate(2009, 1, 15));
    QCOMPARE(end->date(), QDate(2019, 1, 15));
    QCOMPARE(savingsStep->itemIndex(), 1);
    QCOMPARE(rateStep->itemIndex(), 3);
    QCOMPARE(annuity->itemIndex(), 0);
    for (const char* list : {"cbFVPaymentFrequency", "cbFVCompoundingFrequency"}) {
        const QComboBox* box = f.field<QComboBox>(QLatin1String(list));
        QVERIFY(box);
        QCOMPARE(box->currentText(), QStringLiteral("Monthly 12"));
    }
    const QStringList fields{"edtFVBalance", "edtFVSavings", "edtFVInterest"};
    for (qsizetype i = 0; i < fields.size(); ++i)
        QCOMPARE(cents(fieldValue(f, fields[i])), cents(values[i]));
}

void TestReset::solutionsPageChangesOnlyTheFlag()
{
    MainWindowFixture f;
    enter(f, pages::NetWorth);
    f.click(kSamples);
    enter(f, pages::Solutions);
    QVERIFY(f.field<QAbstractButton>("btnReset")->isEnabled());

    const QMap<QString, QString> before = visibleValues(f.window());
    f.click(kZero);
    QCOMPARE(f.window().state().UseSampleValues, false);
    QCOMPARE(visibleValues(f.window()), before);
    f.click(kSamples);
    QCOMPARE(f.window().state().UseSampleValues, true);
    QCOMPARE(visibleValues(f.window()), before);
}

// The zero restore of the payoff schedule state clears the scenario and the
// payoff page only with zeros in force; it always gives a fresh schedule.
void TestReset::restoreZeroValues_data()
{
    QTest::addColumn<bool>("useSamples");
    QTest::newRow("zeros in force") << false;
    QTest::newRow("samples in force") << true;
}

void TestReset::restoreZeroValues()
{
    QFETCH(bool, useSamples);

    MainWindowFixture f;
    AppState& state = f.window().state();
    auto* month = f.field<QComboBox>("cbMonth");
    auto* year = f.field<TEditField>("edtYear");
    auto* panel = f.field<QWidget>("pnlExtraPrincipal");
    auto* extra = f.field<TEditField>("edtExtraAmount");
    QVERIFY(month && year && panel && extra);

    state.UseSampleValues = useSamples;
    state.ScenarioAmount = 20000;
    state.ScenarioRate = 6;
    state.ScenarioTerm = 36;
    state.ScheduleTerm = 36;
    state.StoredPayment = 608.44;
    month->setCurrentText(state.TodayMonthShort == QLatin1String("Jul") ? "Aug" : "Jul");
    const QString typedMonth = month->currentText();
    year->setValue(1999);
    extra->setValue(100);
    panel->show();
    const TMortgage* oldSchedule = state.Schedule.get();

    f.window().RestoreZeroValues();

    QVERIFY(state.Schedule && state.Schedule.get() != oldSchedule);
    if (useSamples) {
        QCOMPARE(state.ScenarioAmount, 20000.0);
        QCOMPARE(state.ScheduleTerm, 36);
        QCOMPARE(state.StoredPayment, 608.44);
        QCOMPARE(month->currentText(), typedMonth);
        QCOMPARE(year->intValue(), 1999);
        QVERIFY(!panel->isHidden());
    } else {
        QCOMPARE(state.ScenarioAmount, 0.0);
        QCOMPARE(state.ScenarioRate, 0.0);
        QCOMPARE(state.ScenarioTerm, 0.0);
        QCOMPARE(state.ScheduleTerm, 0);
        QCOMPARE(state.StoredPayment, 0.0);
        QCOMPARE(month->currentText(), state.TodayMonthShort);
        QCOMPARE(year->intValue(), state.TodayYear);
        QVERIFY(panel->isHidden());
        QCOMPARE(extra->value(), 0.0);
    }
}

LARKSPAN_TEST_MAIN(TestReset)
#include "tst_reset.moc"
