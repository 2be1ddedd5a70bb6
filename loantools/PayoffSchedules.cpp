#include "loantools/PayoffSchedules.h"

#include "engine/Errors.h"
#include "engine/Rw_money.h"
#include "loantools/LoanMath.h"
#include "shell/AmountText.h"
#include "shell/AppState.h"
#include "shell/Dialogs.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Pages.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"
#include "shell/Theme.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <cmath>

namespace larkspan {

namespace {

using L = QLatin1StringView;

// The scenario labels: value label, caption beside it, and the caption's hint.
struct ScenarioLabel {
    L name;
    L caption;
    L hint;
};
constexpr ScenarioLabel ScenarioLabels[] = {
    {L("lblAmortizationLoan"), L("Amount Borrowed:"), L("")},
    {L("lblAmortizationRate"), L("Annual Interest Rate:"), L("")},
    {L("lblAmortizationTerm"), L("Number of Payments:"),
     L("Periods are the number of payments you make at the selected frequency.")},
    {L("lblAmortizationFrequency"), L("Payment Frequency:"), L("")},
    {L("lblAmortizationPayment"), L("Payment Amount (P&I):"), L("Principal and Interest")},
    {L("lblAmortizationPaymentTI"), L("Payment Amount (T&I):"), L("")},
    {L("lblAmortizationPaymentPITI"), L("Payment Amount (PITI):"), L("")},
    {L("lblAmortizationInterestPaid"), L("Total Interest Paid:"), L("")},
    {L("lblAmortizationTotalTIPaid"), L("Total Taxes/Insurance:"), L("Taxes and Insurance")},
    {L("lblAmortizationTotalPaid"), L("Total Amount Paid (PITI):"), L("")},
};

constexpr int MonthlyWidths[] = {50, 68, 108, 108, 108, 108, 108, 110};

const QString ViewAnnual = QStringLiteral("View Annual Amortization Schedule");
const QString ViewMonthly = QStringLiteral("View Monthly Amortization Schedule");
const QString HintAnnual = QStringLiteral("Click for Annual Amortization Report ...");
const QString HintMonthly = QStringLiteral("Click for Monthly Amortization Report ...");

const QString NegativeAmount = QStringLiteral(
    "The selected loan scenario cannot be amortized because\r\nthe amount borrowed is a negative amount.");
const QString NegativeAmountAndRate = QStringLiteral(
    "The selected loan scenario cannot be amortized because\r\nthe amount borrowed and interest rate are negative values.");
const QString TermNotPositive = QStringLiteral(
    "The selected loan scenario cannot be amortized because\r\nthe term is 0 or a negative value.");

// The hourglass while a grid fills; the default cursor again afterwards,
// errors included.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry, Qt::Alignment align = Qt::AlignLeft)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent, const QRect& geometry)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    return b;
}

} // namespace

AmortizationPage::AmortizationPage(ShellServices& shell, QWidget* parent)
    : CalculatorPage(shell, pages::Amortization, parent)
{
    auto* caption = makeLabel(QStringLiteral("This Amortization (or Payment) Schedule is based on the loan scenario "
                                             "you chose from the Consolidation Comparison grid."),
                              this, {8, 2, 771, 20});
    caption->setFont(theme::arial(8, true));
    buildLabels();
    buildControls();
    buildExtraPanel();
    buildGrids();
    FormatAmortizationGrids();
}

void AmortizationPage::buildLabels()
{
    constexpr int perColumn = 5, rowH = 19, top = 24;
    for (int i = 0; i < static_cast<int>(std::size(ScenarioLabels)); ++i) {
        const ScenarioLabel& s = ScenarioLabels[i];
        const int column = i / perColumn;
        const int y = top + (i % perColumn) * rowH;
        const int x = 8 + column * 292;
        auto* c = makeLabel(QString(s.caption), this, {x, y, 160, rowH}, Qt::AlignRight);
        if (!s.hint.isEmpty())
            setHint(c, QString(s.hint));
        auto* v = makeLabel(QString(), this, {x + 166, y, 120, rowH});
        v->setObjectName(QString(s.name));
        v->setFont(theme::arial(8, true));
    }
}

void AmortizationPage::buildControls()
{
    makeLabel(QStringLiteral("First Payment:"), this, {600, 24, 180, 18});
    cbMonth_ = new QComboBox(this);
    cbMonth_->setObjectName(QStringLiteral("cbMonth"));
    cbMonth_->setEditable(true);
    cbMonth_->setInsertPolicy(QComboBox::NoInsert);
    for (int m = 1; m <= 12; ++m)
        cbMonth_->addItem(schedule::monthName(m));
    cbMonth_->setMaxVisibleItems(12);
    cbMonth_->setCurrentText(QStringLiteral("Jan"));
    cbMonth_->setGeometry(600, 43, 70, 22);
    edtYear_ = new TEditField(FieldKind::Count, QStringLiteral("edtYear"), this);
    edtYear_->setMaxDigits(4);
    edtYear_->setGeometry(676, 43, 60, 22);
    setHint(edtYear_, QStringLiteral("Enter the year of the first payment."));

    btnCalculate_ = makeButton(QStringLiteral("btnCalculate"), QStringLiteral("Update the Amortization Schedule"), this,
                               {586, 72, 196, 25});
    btnAddExtra_ = makeButton(QStringLiteral("btnAddExtra"), QStringLiteral("Add Prepayments"), this, {586, 101, 196, 25});
    btnAnnualMonthly_ = makeButton(QStringLiteral("btnAnnualMonthly"), ViewAnnual, this, {8, 494, 250, 28});
    setHint(btnAnnualMonthly_, HintAnnual);
    btnReturn_ = makeButton(QStringLiteral("btnReturnToConsolidationComparisons"),
                            QStringLiteral("Back to Consolidation Comparisons"), this, {552, 494, 228, 28});
    btnReturn_->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));

    connect(cbMonth_, &QComboBox::currentTextChanged, this, [this] { cbMonthChange(); });
    connect(btnCalculate_, &QPushButton::clicked, this, [this] { CalcAmortization(); });
    connect(btnAddExtra_, &QPushButton::clicked, this, [this] { btnExtraClick(); });
    connect(btnAnnualMonthly_, &QPushButton::clicked, this, [this] { btnAnnualMonthlyClick(); });
    connect(btnReturn_, &QPushButton::clicked, this, [this] { btnReturnToConsolidationComparisonsClick(); });
}

void AmortizationPage::buildExtraPanel()
{
    pnlExtraPrincipal_ = new QFrame(this);
    pnlExtraPrincipal_->setObjectName(QStringLiteral("pnlExtraPrincipal"));
    pnlExtraPrincipal_->setFrameShape(QFrame::StyledPanel);
    pnlExtraPrincipal_->setGeometry(8, 124, 574, 80);
    makeLabel(QStringLiteral("Add To"), pnlExtraPrincipal_, {8, 2, 120, 16})->setFont(theme::arial(8, true));
    const auto radio = [this](const QString& name, const QString& caption, int y) {
        auto* r = new QRadioButton(caption, pnlExtraPrincipal_);
        r->setObjectName(name);
        r->setGeometry(8, y, 140, 18);
        return r;
    };
    rbSinglePayment_ = radio(QStringLiteral("rbSinglePayment"), QStringLiteral("&Single Payment"), 19);
    rbPaymentRange_ = radio(QStringLiteral("rbPaymentRange"), QStringLiteral("&Range of Payments"), 38);
    rbAllPayments_ = radio(QStringLiteral("rbAllPayments"), QStringLiteral("&All Payments"), 57);
    rbPaymentRange_->setChecked(true);

    lblFromPmt_ = makeLabel(QStringLiteral("From Payment #"), pnlExtraPrincipal_, {156, 14, 96, 18});
    edtFromPayment_ = new TEditField(FieldKind::Count, QStringLiteral("edtFromPayment"), pnlExtraPrincipal_);
    edtFromPayment_->setMaxDigits(4);
    edtFromPayment_->setGeometry(156, 34, 80, 22);
    edtFromPayment_->setValue(0);
    lblToPmt_ = makeLabel(QStringLiteral("To Payment #"), pnlExtraPrincipal_, {256, 14, 90, 18});
    edtToPayment_ = new TEditField(FieldKind::Count, QStringLiteral("edtToPayment"), pnlExtraPrincipal_);
    edtToPayment_->setMaxDigits(4);
    edtToPayment_->setGeometry(256, 34, 80, 22);
    edtToPayment_->setValue(0);
    makeLabel(QStringLiteral("Amount"), pnlExtraPrincipal_, {356, 14, 90, 18});
    edtExtraAmount_ = new TEditField(FieldKind::PlainMoney, QStringLiteral("edtExtraAmount"), pnlExtraPrincipal_);
    edtExtraAmount_->setGeometry(356, 34, 90, 22);
    setHint(edtExtraAmount_,
            QStringLiteral("Enter the additional amount you wish to apply as a prepayment towards the principal."));

    pnlExtraPrincipalButtons_ = new QFrame(pnlExtraPrincipal_);
    pnlExtraPrincipalButtons_->setObjectName(QStringLiteral("pnlExtraPrincipalButtons"));
    pnlExtraPrincipalButtons_->setGeometry(456, 2, 114, 76);
    auto* apply = makeButton(QStringLiteral("btnApplyExtra"), QStringLiteral("Apply Extra"), pnlExtraPrincipalButtons_,
                             {2, 2, 110, 23});
    auto* remove = makeButton(QStringLiteral("btnRemoveExtra"), QStringLiteral("Remove Extra"),
                              pnlExtraPrincipalButtons_, {2, 27, 110, 23});
    auto* cancel = makeButton(QStringLiteral("btnCancel"), QStringLiteral("Return"), pnlExtraPrincipalButtons_,
                              {2, 52, 110, 23});
    pnlExtraPrincipal_->hide();

    connect(rbSinglePayment_, &QRadioButton::clicked, this, [this] { SetExtraPaymentLabels(0); });
    connect(rbPaymentRange_, &QRadioButton::clicked, this, [this] { SetExtraPaymentLabels(1); });
    connect(rbAllPayments_, &QRadioButton::clicked, this, [this] { SetExtraPaymentLabels(2); });
    connect(apply, &QPushButton::clicked, this, [this] { btnApplyExtraClick(); });
    connect(remove, &QPushButton::clicked, this, [this] { btnRemoveExtraClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { btnCancelClick(); });
    SetExtraPaymentLabels(1);
}

void AmortizationPage::buildGrids()
{
    grdMonthly_ = new TStringGrid(QStringLiteral("grdMonthlyAmortization"), schedule::MonthlyColumns, 1, 0, 1, this);
    grdAnnual_ = new TStringGrid(QStringLiteral("grdAnnualAmortization"), schedule::AnnualColumns, 1, 0, 1, this);
    for (TStringGrid* g : {grdMonthly_, grdAnnual_}) {
        g->setGeometry(-1, 208, 792, 277);
        g->setWholeRowSelection(true);
        g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        g->setDefaultRowHeight(20);
        g->cells().setCellAlignment(Qt::AlignCenter);
    }
    grdAnnual_->hide();
}

// ------------------------------------------------------------ helpers

QPlainTextEdit* AmortizationPage::prepaymentMemo() const
{
    return qobject_cast<QPlainTextEdit*>(shell().control(QStringLiteral("memPrepayments")));
}

TMortgage& AmortizationPage::schedule()
{
    // The schedule object is replaced by set-ups and resets; it reports
    // through this page whichever object it is.
    TMortgage& m = *state().Schedule;
    m.setObserver(this);
    return m;
}

void AmortizationPage::setLabel(const QString& name, const QString& text)
{
    if (auto* l = child<QLabel>(name))
        l->setText(text);
}

void AmortizationPage::clearGrid(TStringGrid* grid, const QStringList& headings)
{
    grid->cells().clearTexts();
    grid->setRowCount(1);
    grid->cells().setRow(0, headings);
}

void AmortizationPage::setMonthlyWidths()
{
    for (int c = 0; c < schedule::MonthlyColumns; ++c)
        grdMonthly_->setColWidth(c, MonthlyWidths[c]);
}

void AmortizationPage::setAnnualWidths(int firstWidth, int otherWidth, int lastWidths)
{
    grdAnnual_->setColWidth(0, firstWidth);
    for (int c = 1; c < schedule::AnnualColumns; ++c)
        grdAnnual_->setColWidth(c, c >= 3 ? lastWidths : otherWidth);
}

void AmortizationPage::information(const std::string& text)
{
    shell().dialogs().information(QString::fromStdString(text));
}

void AmortizationPage::repaintExtraPanel()
{
    if (pnlExtraPrincipal_->isVisible())
        pnlExtraPrincipalButtons_->update();
}

// ------------------------------------------------------------ set-up

void AmortizationPage::sizeGridColumnsToContents()
{
    for (TStringGrid* g : {grdMonthly_, grdAnnual_}) {
        g->resizeColumnsToContents();
        for (int c = 0; c < g->colCount(); ++c)
            g->setColWidth(c, g->colWidth(c) + 10);
    }
}

void AmortizationPage::FormatAmortizationGrids()
{
    setMonthlyWidths();
    grdMonthly_->cells().setRow(0, schedule::monthlyHeadings());
    setAnnualWidths(50, 175, 175);
    grdAnnual_->cells().setRow(0, schedule::annualHeadings());
}

void AmortizationPage::SetupAmort()
{
    AppState& s = state();
    s.Schedule = std::make_unique<TMortgage>();
    if (s.UseSampleValues) {
        clearGrid(grdMonthly_, schedule::monthlyHeadings());
        clearGrid(grdAnnual_, schedule::annualHeadings());
        s.ScheduleTerm = 60;
        s.StoredPayment = 1031.86;
    } else {
        s.ScheduleTerm = 0;
        s.StoredPayment = 0;
        setLabel(QStringLiteral("lblAmortizationLoan"), amounts::currencyText(0.0, 12, 2));
        setLabel(QStringLiteral("lblAmortizationPayment"), amounts::currencyText(0.0, 12, 2));
        setLabel(QStringLiteral("lblAmortizationRate"), amounts::percentTextGeneral(0.0, 12));
        setLabel(QStringLiteral("lblAmortizationTerm"), QStringLiteral("0"));
        clearGrid(grdMonthly_, schedule::monthlyHeadings());
        clearGrid(grdAnnual_, schedule::annualHeadings());
    }
    cbMonth_->setCurrentText(s.TodayMonthShort);
    edtYear_->setValue(s.TodayYear);
    CreatePrepaymentList();
    // The schedule is rebuilt at once only while the second page of the
    // notebook is on show; the focus stays where it is.
    if (shell().activePageName() == pageTable()[1].name)
        CalcAmortization();
}

void AmortizationPage::CreatePrepaymentList()
{
    const int term = std::max(state().ScheduleTerm, 0);
    grdMonthly_->setRowCount(term + 1);
    QString list;
    list.reserve(term * 16);
    for (int r = 1; r <= term; ++r) {
        list += schedule::prepaymentLine(grdMonthly_->cell(0, r), grdMonthly_->cell(6, r));
        list += QLatin1String("\r\n");
    }
    if (QPlainTextEdit* memo = prepaymentMemo())
        memo->setPlainText(list);
}

// ------------------------------------------------------------ scenario

void AmortizationPage::ShowAmortization()
{
    AppState& s = state();
    const int column = s.ClickedColumn;
    const int row = s.ClickedRow;
    if (column <= 0 || row <= 0)
        return;
    auto* grid = qobject_cast<TStringGrid*>(shell().control(QStringLiteral("grdMG")));
    auto* rgCalculate = qobject_cast<TRadioGroup*>(shell().control(QStringLiteral("rgCalculate")));
    const auto field = [this](const char* name) {
        return qobject_cast<TEditField*>(shell().control(QLatin1String(name)));
    };
    if (!grid || !rgCalculate)
        return;
    const auto choice = loanmath::computeChoiceFromIndex(rgCalculate->itemIndex());
    if (!choice)
        return;
    const double rowHeading = loanmath::cellValue(grid->cell(0, row));
    const double columnHeading = loanmath::cellValue(grid->cell(column, 0));
    const double cell = loanmath::cellValue(grid->cell(column, row));

    // A scenario that no schedule can show is refused; the schedule is
    // rebuilt from the scenario already stored.
    QString refusal;
    switch (*choice) {
    case loanmath::ComputeChoice::Payments:
    case loanmath::ComputeChoice::LoanAmounts:
        if (!(rowHeading > 0))
            refusal = NegativeAmount;
        break;
    case loanmath::ComputeChoice::Rates:
        // Both the amount and the payment must be positive: a negative
        // amount borrowed has no schedule even beside a positive payment.
        if (!(rowHeading > 0 && columnHeading > 0))
            refusal = NegativeAmountAndRate;
        break;
    case loanmath::ComputeChoice::Term:
        if (!(cell > 0))
            refusal = TermNotPositive;
        break;
    }
    if (!refusal.isEmpty()) {
        shell().dialogs().information(refusal);
        CalcAmortization();
        return;
    }

    shell().showPage(pages::Amortization);
    shell().setResetEnabled(false);
    double annualTI = 0;
    if (s.UseEstimates) {
        annualTI = field("edtAnnualTaxes")->value() + field("edtAnnualInsurance")->value();
        s.ScenarioTaxesInsurance = checkedDivide(annualTI, s.PeriodsPerYear, "taxes and insurance");
    } else {
        s.ScenarioTaxesInsurance = 0;
    }

    const int calculatorTerm = field("edtTerm")->intValue();
    switch (*choice) {
    case loanmath::ComputeChoice::Payments:
        s.ScenarioAmount = rowHeading;
        s.ScenarioRate = columnHeading;
        s.ScenarioTerm = calculatorTerm;
        s.ScenarioPayment = Rw_money::PaymentForPeriods(calculatorTerm, s.FrequencyCode, s.ScenarioAmount, s.ScenarioRate);
        break;
    case loanmath::ComputeChoice::LoanAmounts:
        // The cell was computed with its own column's rate.
        s.ScenarioAmount = cell;
        s.ScenarioRate = columnHeading;
        s.ScenarioPayment = rowHeading;
        s.ScenarioTerm = calculatorTerm;
        break;
    case loanmath::ComputeChoice::Rates:
        s.ScenarioAmount = rowHeading;
        s.ScenarioRate = cell;
        s.ScenarioPayment = columnHeading;
        s.ScenarioTerm = calculatorTerm;
        break;
    case loanmath::ComputeChoice::Term:
        // A term with decimals needs one more payment for its last part:
        // the term as the cell shows it, rounded up to whole payments.
        s.ScenarioAmount = rowHeading;
        s.ScenarioRate = field("edtInterest")->value();
        s.ScenarioPayment = columnHeading;
        s.ScenarioTerm = roundToInt32(std::ceil(cell), "term");
        break;
    }

    s.ScenarioTotalPaid = s.ScenarioTerm * s.ScenarioPayment;
    s.ScenarioTotalInterest = s.ScenarioTotalPaid - s.ScenarioAmount;
    const double totalTI = checkedDivide(s.ScenarioTerm, s.PeriodsPerYear, "term in years") * annualTI;

    using amounts::currencyText;
    const QString none = currencyText(0.0, 12, 2);
    auto* frequency = qobject_cast<QComboBox*>(shell().control(QStringLiteral("cbFrequency")));
    setLabel(QStringLiteral("lblAmortizationLoan"), currencyText(s.ScenarioAmount, 12, 2));
    setLabel(QStringLiteral("lblAmortizationFrequency"), frequency ? frequency->currentText() : QString());
    setLabel(QStringLiteral("lblAmortizationTerm"), QString::number(static_cast<int>(s.ScenarioTerm)));
    setLabel(QStringLiteral("lblAmortizationRate"), amounts::percentTextGeneral(s.ScenarioRate, 12));
    setLabel(QStringLiteral("lblAmortizationPayment"), currencyText(s.ScenarioPayment, 12, 2));
    setLabel(QStringLiteral("lblAmortizationPaymentTI"), s.UseEstimates ? currencyText(s.ScenarioTaxesInsurance, 12, 2) : none);
    setLabel(QStringLiteral("lblAmortizationPaymentPITI"),
             s.UseEstimates ? currencyText(s.ScenarioPayment + s.ScenarioTaxesInsurance, 12, 2) : none);
    setLabel(QStringLiteral("lblAmortizationInterestPaid"), currencyText(s.ScenarioTotalInterest, 12, 2));
    setLabel(QStringLiteral("lblAmortizationTotalPaid"), currencyText(s.ScenarioTotalPaid + totalTI, 12, 2));
    setLabel(QStringLiteral("lblAmortizationTotalTIPaid"), s.UseEstimates ? currencyText(totalTI, 12, 2) : none);

    CalcAmortization();
}

// ------------------------------------------------------------ building

void AmortizationPage::CalcAmortization()
{
    AppState& s = state();
    btnAddExtra_->setEnabled(true);
    shell().setPrintingEnabled(true);
    update();

    const double amount = s.ScenarioAmount;
    const double rate = s.ScenarioRate / 100.0;
    s.ScheduleTerm = truncToInt32(s.ScenarioTerm, "schedule term");

    const QString monthText = cbMonth_->currentText();
    if (monthText.isEmpty())
        s.ScheduleStartMonth = 1;
    else if (const int m = schedule::monthNumber(monthText))
        s.ScheduleStartMonth = m;
    s.StoredMonth = s.ScheduleStartMonth;
    s.StoredYear = edtYear_->intValue();

    CreatePrepaymentList();

    try {
        TMortgage& m = schedule();
        m.Create(s.ScheduleTerm, amount, rate, 12, s.StoredMonth, s.StoredYear);
        const QPlainTextEdit* memo = prepaymentMemo();
        schedule::applyPrepaymentList(m, memo ? memo->toPlainText() : QString(), prepaymentBuild_, this);
        FillGrdMonthlyAmortization();
    } catch (...) {
        FillGrdAnnualAmortization();
        throw;
    }
    FillGrdAnnualAmortization();
    showMonthlyView();
}

void AmortizationPage::showMonthlyView()
{
    grdMonthly_->show();
    grdAnnual_->hide();
    btnAnnualMonthly_->setText(ViewAnnual);
    setHint(btnAnnualMonthly_, HintAnnual);
}

void AmortizationPage::FillGrdMonthlyAmortization()
{
    const BusyCursor busy;
    const AppState& s = state();
    setLabel(QStringLiteral("lblAmortizationPayment"), amounts::currencyText(s.ScenarioPayment, 12, 2));

    const TMortgage& m = *s.Schedule;
    grdMonthly_->cells().clearTexts();
    grdMonthly_->setRowCount(m.NumberOfPayments + 1);
    grdMonthly_->cells().setRow(0, schedule::monthlyHeadings());
    setMonthlyWidths();
    grdMonthly_->cells().setCellAlignment(Qt::AlignCenter);
    clearGrid(grdAnnual_, schedule::annualHeadings());

    const schedule::AmountCellWriter amountCell;
    int written = 0;
    for (const TPayment& p : m.Payments) {
        const auto row = schedule::monthlyRow(p, amountCell);
        if (!row)
            break;
        ++written;
        grdMonthly_->cells().setRow(written, *row);
    }
    grdMonthly_->setRowCount(written + 1);
    grdMonthly_->show();
}

void AmortizationPage::FillGrdAnnualAmortization()
{
    clearGrid(grdAnnual_, schedule::annualHeadings());
    setAnnualWidths(50, 184, 185);
    if (grdMonthly_->cell(0, 1).trimmed().isEmpty())
        return;
    std::vector<schedule::MonthlyCells> monthly;
    monthly.reserve(static_cast<std::size_t>(grdMonthly_->rowCount()));
    for (int r = 1; r < grdMonthly_->rowCount(); ++r)
        monthly.push_back({grdMonthly_->cell(1, r), grdMonthly_->cell(2, r), grdMonthly_->cell(3, r)});
    const auto rows = schedule::annualRows(monthly);
    grdAnnual_->setRowCount(static_cast<int>(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i)
        grdAnnual_->cells().setRow(static_cast<int>(i) + 1, rows[i]);
}

// ------------------------------------------------------------ prepayments

void AmortizationPage::btnExtraClick()
{
    if (grdMonthly_->cell(0, 1).isEmpty())
        return;
    cbMonth_->setEnabled(false);
    edtYear_->setEnabled(false);
    pnlExtraPrincipal_->show();
}

void AmortizationPage::SetExtraPaymentLabels(int mode)
{
    if (mode == 0)
        lblFromPmt_->setText(QStringLiteral("Payment #"));
    else if (mode == 1)
        lblFromPmt_->setText(QStringLiteral("From Payment #"));
    lblFromPmt_->setEnabled(mode != 2);
    edtFromPayment_->setEnabled(mode != 2);
    lblToPmt_->setEnabled(mode == 1);
    edtToPayment_->setEnabled(mode == 1);
}

void AmortizationPage::btnApplyExtraClick()
{
    if (!pnlExtraPrincipal_->isVisible())
        return;
    ExtraMode = rbSinglePayment_->isChecked() ? 0 : rbPaymentRange_->isChecked() ? 1 : 2;
    ExtraFrom = edtFromPayment_->intValue();
    if (ExtraMode == 1)
        ExtraTo = edtToPayment_->intValue();
    ExtraAmount = edtExtraAmount_->value();
    TMortgage& m = schedule();
    switch (ExtraMode) {
    case 0: m.SetPrepayment(ExtraFrom, ExtraAmount); break;
    case 1: m.SetPrepaymentRange(ExtraFrom, ExtraTo, ExtraAmount); break;
    default: m.SetPrepaymentFrom(1, ExtraAmount); break;
    }
    FillGrdMonthlyAmortization();
    FillGrdAnnualAmortization();
    showMonthlyView();
}

void AmortizationPage::btnRemoveExtraClick()
{
    schedule().ClearPrepayments();
    edtExtraAmount_->setValue(0);
    edtFromPayment_->setValue(0);
    edtToPayment_->setValue(0);
    FillGrdMonthlyAmortization();
    FillGrdAnnualAmortization();
}

void AmortizationPage::btnCancelClick()
{
    cbMonth_->setEnabled(true);
    edtYear_->setEnabled(true);
    pnlExtraPrincipal_->hide();
}

bool AmortizationPage::closeExtraPanel()
{
    if (!pnlExtraPrincipal_->isVisible())
        return false;
    btnCancelClick();
    return true;
}

// ------------------------------------------------------------ other actions

void AmortizationPage::btnAnnualMonthlyClick()
{
    if (btnAnnualMonthly_->text() != ViewAnnual) {
        showMonthlyView();
    } else {
        btnAnnualMonthly_->setText(ViewMonthly);
        grdAnnual_->show();
        grdMonthly_->hide();
        setHint(btnAnnualMonthly_, HintMonthly);
    }
}

void AmortizationPage::cbMonthChange()
{
    if (schedule::monthNumber(cbMonth_->currentText()) == 0) {
        const QSignalBlocker block(cbMonth_);
        cbMonth_->setCurrentIndex(0);
        cbMonth_->setEditText(QStringLiteral("Jan"));
    }
}

void AmortizationPage::btnReturnToConsolidationComparisonsClick()
{
    shell().showPage(pages::CompareLoans);
    shell().setPrevNextEnabled(true);
    if (auto* label = qobject_cast<QLabel*>(shell().control(QStringLiteral("lblMainMenu")))) {
        QFont f = label->font();
        f.setUnderline(true);
        label->setFont(f);
    }
    if (auto* name = qobject_cast<QLabel*>(shell().control(QStringLiteral("lblCalculatorName"))))
        name->setText(QStringLiteral("> Compare Consolidation Loans"));
}

void AmortizationPage::recoverFromArithmeticError()
{
    SetupAmort();
}

} // namespace larkspan
