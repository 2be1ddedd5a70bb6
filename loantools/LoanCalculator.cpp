#include "loantools/LoanCalculator.h"

#include "engine/Errors.h"
#include "engine/Rw_money.h"
#include "loantools/PayoffSchedules.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Pages.h"
#include "shell/RadioGroup.h"
#include "shell/StringGrid.h"
#include "shell/Theme.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace larkspan {

using loanmath::ComputeChoice;

namespace {

using L = QLatin1StringView;

// What each compute choice makes of the panel.
struct ModeLayout {
    L resultField;
    L resultHint;
    struct Input {
        L field;
        L hint;
    };
    Input inputs[3];
    L leftGroup;
    L rightGroup;
    L hiddenGroup;
    L focus;
};

constexpr ModeLayout Modes[] = {
    {L("edtPayment"), L("Calculated Monthly Payment"),
     {{L("edtLoan"), L("Enter Loan Amount")}, {L("edtTerm"), L("Enter Term in Months")},
      {L("edtInterest"), L("Enter Interest Rate")}},
     L("rgLoan"), L("rgInterest"), L("rgPayments"), L("edtLoan")},
    {L("edtLoan"), L("Calculated Loan Amount"),
     {{L("edtPayment"), L("Enter Monthly Payment")}, {L("edtTerm"), L("Enter Term in Months")},
      {L("edtInterest"), L("Enter Interest Rate")}},
     L("rgPayments"), L("rgInterest"), L("rgLoan"), L("edtInterest")},
    {L("edtInterest"), L("Calculated Interest Rate"),
     {{L("edtPayment"), L("Enter Monthly Payment")}, {L("edtLoan"), L("Enter Loan Amount")},
      {L("edtTerm"), L("Enter Term in Months")}},
     L("rgLoan"), L("rgPayments"), L("rgInterest"), L("edtLoan")},
    {L("edtTerm"), L("Calculated Term in Months"),
     {{L("edtPayment"), L("Enter Monthly Payment")}, {L("edtLoan"), L("Enter Loan Amount")},
      {L("edtInterest"), L("Enter Interest Rate")}},
     L("rgLoan"), L("rgPayments"), L("rgInterest"), L("edtLoan")},
};

// The sample inputs the error recovery puts back, by compute choice.
struct SampleInput {
    L field;
    double value;
};
struct Recovery {
    SampleInput values[3];
    int count;
    L focus;
};
constexpr Recovery Recoveries[] = {
    {{{L("edtLoan"), 50000}, {L("edtInterest"), 8.75}, {L("edtTerm"), 60}}, 3, L("edtLoan")},
    {{{L("edtPayment"), 1031.86}, {L("edtInterest"), 8.75}, {L("edtTerm"), 60}}, 3, L("edtPayment")},
    {{{L("edtTerm"), 60}, {L("edtLoan"), 50000}, {}}, 2, L("edtLoan")},
    {{{L("edtInterest"), 8.75}, {L("edtLoan"), 50000}, {L("edtPayment"), 1031.86}}, 3, L("edtLoan")},
};

constexpr int LeftGroupX = 294;
constexpr int RightGroupX = 460;
constexpr int GroupTop = 9;
constexpr int GroupWidth = 162;
constexpr int GroupHeight = 88;

QLabel* makeLabel(const QString& text, QWidget* parent, const QRect& geometry, Qt::Alignment align = Qt::AlignLeft)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setGeometry(geometry);
    l->setAlignment(align | Qt::AlignVCenter);
    return l;
}

// Lays a radio group's items out in `columns` columns, filling each column
// from top to bottom before the next.
void arrangeInColumns(TRadioGroup* group, int columns)
{
    delete group->layout();
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(4, 2, 2, 2);
    grid->setHorizontalSpacing(0);
    grid->setVerticalSpacing(0);
    const int rows = (group->count() + columns - 1) / columns;
    for (int i = 0; i < group->count(); ++i)
        grid->addWidget(group->button(i), i % rows, i / rows);
}

QStringList captionsOf(std::span<const loanmath::Increment> table)
{
    QStringList out;
    for (const auto& i : table)
        out << QString(i.caption);
    return out;
}

} // namespace

LoanCalculatorPage::LoanCalculatorPage(ShellServices& shell, QWidget* parent)
    : CalculatorPage(shell, pages::CompareLoans, parent)
{
    buildEntryPanel();
    buildGrid();
    applyMode(ComputeChoice::Payments);
}

void LoanCalculatorPage::buildEntryPanel()
{
    pnlEntry_ = new QFrame(this);
    pnlEntry_->setObjectName(QStringLiteral("pnlEntry"));
    pnlEntry_->setGeometry(0, 0, 787, 161);
    pnlEntry_->setFrameShape(QFrame::StyledPanel);

    constexpr int labelX = 2, labelW = 62, fieldX = 66, fieldW = 104, rowH = 25, fieldH = 22;
    const auto rowY = [](int i) { return 8 + i * rowH; };

    makeLabel(QStringLiteral("Loan "), pnlEntry_, {labelX, rowY(0), labelW, fieldH}, Qt::AlignRight);
    edtLoan_ = new TEditField(FieldKind::Money, QStringLiteral("edtLoan"), pnlEntry_);
    edtLoan_->setGeometry(fieldX, rowY(0), fieldW, fieldH);
    setHint(edtLoan_, QStringLiteral("Enter the loan amount."));

    makeLabel(QStringLiteral("Frequency"), pnlEntry_, {labelX, rowY(1), labelW, fieldH}, Qt::AlignRight);
    cbFrequency_ = new QComboBox(pnlEntry_);
    cbFrequency_->setObjectName(QStringLiteral("cbFrequency"));
    cbFrequency_->setEditable(true);
    cbFrequency_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& f : Rw_money::frequencyTable())
        cbFrequency_->addItem(QString::fromLatin1(f.text.data(), static_cast<qsizetype>(f.text.size())));
    cbFrequency_->setMaxVisibleItems(9);
    cbFrequency_->setCurrentText(QStringLiteral("Monthly 12"));
    cbFrequency_->setGeometry(fieldX, rowY(1), fieldW, fieldH);
    setHint(cbFrequency_, QStringLiteral("Choose the payment frequency"));

    makeLabel(QStringLiteral("Rate "), pnlEntry_, {labelX, rowY(2), labelW, fieldH}, Qt::AlignRight);
    edtInterest_ = new TEditField(FieldKind::Rate, QStringLiteral("edtInterest"), pnlEntry_);
    edtInterest_->setGeometry(fieldX, rowY(2), fieldW, fieldH);
    setHint(edtInterest_, QStringLiteral("Enter the interest rate."));

    makeLabel(QStringLiteral("Periods"), pnlEntry_, {labelX, rowY(3), labelW, fieldH}, Qt::AlignRight);
    edtTerm_ = new TEditField(FieldKind::Count, QStringLiteral("edtTerm"), pnlEntry_);
    edtTerm_->setMaxDigits(4);
    edtTerm_->setGeometry(fieldX, rowY(3), fieldW, fieldH);
    setHint(edtTerm_, QStringLiteral("Enter the term of the loan in months."));

    makeLabel(QStringLiteral("PMT (P&I)"), pnlEntry_, {labelX, rowY(4), labelW, fieldH}, Qt::AlignRight);
    edtPayment_ = new TEditField(FieldKind::Money, QStringLiteral("edtPayment"), pnlEntry_);
    edtPayment_->setGeometry(fieldX, rowY(4), fieldW, fieldH);
    edtPayment_->setResultLook(true);

    auto* termCaption = makeLabel(QStringLiteral("Loan Term is"), pnlEntry_, {labelX + 6, rowY(5) + 2, 84, 20});
    termCaption->setFont(theme::arial(8, true));
    lblTerm_ = makeLabel(QString(), pnlEntry_, {labelX + 92, rowY(5) + 2, 100, 20});
    lblTerm_->setObjectName(QStringLiteral("lblTerm"));
    lblTerm_->setFont(theme::arial(8, true));

    rgCalculate_ = new TRadioGroup(QStringLiteral("rgCalculate"), QStringLiteral("  Compute  "),
                                   {QStringLiteral("Payments"), QStringLiteral("Loan Amounts"), QStringLiteral("Rates"),
                                    QStringLiteral("Term in Months")},
                                   pnlEntry_);
    rgCalculate_->setGeometry(174, 4, 118, 112);
    rgCalculate_->setFont(theme::arial(8));
    rgCalculate_->setItemIndex(0);

    rgLoan_ = new TRadioGroup(QStringLiteral("rgLoan"), QStringLiteral("  Loan Increment  "),
                              captionsOf(loanmath::loanIncrements()), pnlEntry_);
    arrangeInColumns(rgLoan_, 3);
    rgLoan_->setItemIndex(3);
    rgPayments_ = new TRadioGroup(QStringLiteral("rgPayments"), QStringLiteral("  Payment Increment  "),
                                  captionsOf(loanmath::paymentIncrements()), pnlEntry_);
    arrangeInColumns(rgPayments_, 3);
    rgPayments_->setItemIndex(3);
    rgPayments_->hide();
    rgInterest_ = new TRadioGroup(QStringLiteral("rgInterest"), QStringLiteral("  Interest Increment  "),
                                  captionsOf(loanmath::rateIncrements()), pnlEntry_);
    arrangeInColumns(rgInterest_, 3);
    rgInterest_->setItemIndex(3);
    for (TRadioGroup* g : {rgLoan_, rgPayments_, rgInterest_}) {
        g->resize(GroupWidth, GroupHeight);
        g->setFont(theme::arial(8));
    }

    rgChooseFormat_ = new TRadioGroup(QStringLiteral("rgChooseFormat"), QStringLiteral("  Choose Format  "),
                                      {QStringLiteral("Decimal"), QStringLiteral("Fraction")}, pnlEntry_);
    arrangeInColumns(rgChooseFormat_, 2);
    rgChooseFormat_->setItemIndex(0);
    rgChooseFormat_->setGeometry(630, 4, 150, 44);
    rgChooseFormat_->setFont(theme::arial(8));

    // The estimates group is never shown; it holds the switch and the two
    // figures that the payment table would add per payment.
    gbEstimated_ = new QGroupBox(QStringLiteral("  Estimated Tax & Insurance "), pnlEntry_);
    gbEstimated_->setObjectName(QStringLiteral("gbEstimated"));
    gbEstimated_->setGeometry(294, 100, 332, 58);
    makeLabel(QStringLiteral("Include:"), gbEstimated_, {6, 14, 50, 18});
    rbUse_ = new QRadioButton(QStringLiteral("Yes"), gbEstimated_);
    rbUse_->setObjectName(QStringLiteral("rbUse"));
    rbUse_->setGeometry(6, 32, 44, 18);
    rbDontUse_ = new QRadioButton(QStringLiteral("No"), gbEstimated_);
    rbDontUse_->setObjectName(QStringLiteral("rbDontUse"));
    rbDontUse_->setGeometry(52, 32, 40, 18);
    rbDontUse_->setChecked(true);
    makeLabel(QStringLiteral("Annual Taxes"), gbEstimated_, {96, 12, 80, 16});
    edtAnnualTaxes_ = new TEditField(FieldKind::Money, QStringLiteral("edtAnnualTaxes"), gbEstimated_);
    edtAnnualTaxes_->setGeometry(96, 30, 76, 20);
    setHint(edtAnnualTaxes_, QStringLiteral(" Enter the amount of annual property taxes."));
    makeLabel(QStringLiteral("Annual Insurance"), gbEstimated_, {176, 12, 90, 16});
    edtAnnualInsurance_ = new TEditField(FieldKind::Money, QStringLiteral("edtAnnualInsurance"), gbEstimated_);
    edtAnnualInsurance_->setGeometry(176, 30, 76, 20);
    setHint(edtAnnualInsurance_, QStringLiteral(" Enter the amount of the annual insurance premiums."));
    lblDisplaying_ = makeLabel(QString(), gbEstimated_, {256, 14, 72, 36}, Qt::AlignHCenter);
    lblDisplaying_->setObjectName(QStringLiteral("lblDisplaying"));
    lblDisplaying_->setWordWrap(true);
    lblDisplaying_->setFont(theme::arial(8, true));
    gbEstimated_->hide();
    setEstimateFields(false);

    makeLabel(QStringLiteral("Total Amount Paid "), pnlEntry_, {630, 54, 150, 18});
    edtTotalPaid_ = new TEditField(FieldKind::MoneyResult, QStringLiteral("edtTotalPaid"), pnlEntry_);
    edtTotalPaid_->setGeometry(630, 72, 150, fieldH);
    edtTotalPaid_->setResultLook(true);
    makeLabel(QStringLiteral("Interest Paid "), pnlEntry_, {630, 100, 150, 18});
    edtInterestPaid_ = new TEditField(FieldKind::MoneyResult, QStringLiteral("edtInterestPaid"), pnlEntry_);
    edtInterestPaid_->setGeometry(630, 118, 150, fieldH);
    edtInterestPaid_->setResultLook(true);

    QWidget* order[] = {edtLoan_,   cbFrequency_, edtInterest_,    edtTerm_,       edtPayment_,
                        rgCalculate_, rgLoan_,    rgPayments_,     rgInterest_,    rgChooseFormat_,
                        gbEstimated_, edtTotalPaid_, edtInterestPaid_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Leaving an input computes; typing never does. Leaving edtPayment runs
    // nothing.
    for (TEditField* f : {edtLoan_, edtInterest_, edtTerm_, edtAnnualTaxes_, edtAnnualInsurance_})
        connect(f, &TEditField::exited, this, [this] { ChooseMarigridCalculator(); });
    connect(cbFrequency_, &QComboBox::currentTextChanged, this, [this] { ChooseMarigridCalculator(cbFrequency_); });
    cbFrequency_->installEventFilter(this);
    if (cbFrequency_->lineEdit())
        cbFrequency_->lineEdit()->installEventFilter(this);
    for (TRadioGroup* g : {rgCalculate_, rgLoan_, rgInterest_, rgPayments_})
        connect(g, &TRadioGroup::itemClicked, this, [this] { rgCalculateClick(); });
    connect(rgChooseFormat_, &TRadioGroup::itemClicked, this, [this] { ChooseDisplayFormat(); });
    connect(rbUse_, &QRadioButton::clicked, this, [this] { UseAnnuals(); });
    connect(rbDontUse_, &QRadioButton::clicked, this, [this] { UseAnnuals(); });
}

void LoanCalculatorPage::buildGrid()
{
    grdMG_ = new TStringGrid(QStringLiteral("grdMG"), 10, 16, 1, 1, this);
    grdMG_->setDefaultColWidth(77);
    grdMG_->setDefaultRowHeight(20);
    grdMG_->setSelectionColors(theme::activeCaption(), theme::red());
    grdMG_->setGeometry(3, 546 - 325, 781, 325);
    grdMG_->setShowGrid(true);
    connect(grdMG_, &TStringGrid::mouseReleased, this, &LoanCalculatorPage::grdMGMouseUp);
    connect(grdMG_, &TStringGrid::mouseMoved, this, [this] { grdMGMouseMove(); });
    connect(grdMG_, &TStringGrid::cellDoubleClicked, this, [this] {
        if (auto* schedules = qobject_cast<AmortizationPage*>(shell().page(pages::Amortization)))
            schedules->ShowAmortization();
    });
}

bool LoanCalculatorPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut && (watched == cbFrequency_ || watched == cbFrequency_->lineEdit())) {
        // The focus going to another window or a pop-up comes back: no exit.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            return CalculatorPage::eventFilter(watched, event);
        // Leaving the box within itself (to its own line edit or list) is no exit.
        const QWidget* now = QApplication::focusWidget();
        if (!now || (now != cbFrequency_ && !cbFrequency_->isAncestorOf(now)))
            ChooseMarigridCalculator(cbFrequency_);
    }
    return CalculatorPage::eventFilter(watched, event);
}

// ------------------------------------------------------------ the panel

void LoanCalculatorPage::applyMode(ComputeChoice choice)
{
    const ModeLayout& m = Modes[static_cast<int>(choice)];
    auto* result = child<TEditField>(m.resultField);
    result->setResultLook(true);
    setHint(result, m.resultHint);
    for (const auto& input : m.inputs) {
        auto* f = child<TEditField>(input.field);
        f->setResultLook(false);
        setHint(f, input.hint);
    }
    auto* left = child<TRadioGroup>(m.leftGroup);
    auto* right = child<TRadioGroup>(m.rightGroup);
    left->move(LeftGroupX, GroupTop);
    right->move(RightGroupX, GroupTop);
    left->show();
    right->show();
    child<TRadioGroup>(m.hiddenGroup)->hide();
}

void LoanCalculatorPage::focusForMode()
{
    const auto choice = loanmath::computeChoiceFromIndex(rgCalculate_->itemIndex());
    if (!choice)
        return;
    if (auto* f = child<QWidget>(Modes[static_cast<int>(*choice)].focus))
        f->setFocus();
}

void LoanCalculatorPage::rgCalculateClick()
{
    state().ComputeChoice = rgCalculate_->itemIndex();
    if (const auto choice = loanmath::computeChoiceFromIndex(state().ComputeChoice)) {
        applyMode(*choice);
        focusForMode();
    }
    CleanGrid();
    ChooseMarigridCalculator();
}

void LoanCalculatorPage::ChooseDisplayFormat()
{
    const auto captions = rgChooseFormat_->itemIndex() == 1 ? loanmath::rateCaptionsFraction()
                                                           : loanmath::rateCaptionsDecimal();
    for (int i = 0; i < rgInterest_->count() && i < static_cast<int>(captions.size()); ++i)
        rgInterest_->button(i)->setText(QString(captions[static_cast<std::size_t>(i)]));
}

void LoanCalculatorPage::setEstimateFields(bool use)
{
    {
        const QSignalBlocker a(rbUse_);
        const QSignalBlocker b(rbDontUse_);
        rbUse_->setChecked(use);
        rbDontUse_->setChecked(!use);
    }
    for (TEditField* f : {edtAnnualTaxes_, edtAnnualInsurance_}) {
        f->setEnabled(use);
        QPalette p = f->palette();
        p.setColor(QPalette::Base, use ? QColor(Qt::white) : theme::buttonFace());
        f->setPalette(p);
    }
    lblDisplaying_->setText(use ? QStringLiteral("Showing P, I, T & I") : QStringLiteral("Showing P & I Only"));
}

void LoanCalculatorPage::applyEstimatesChoice()
{
    setEstimateFields(state().UseEstimates);
}

void LoanCalculatorPage::UseAnnuals()
{
    state().UseEstimates = rbUse_->isChecked();
    setEstimateFields(state().UseEstimates);
    CleanGrid();
    ChooseMarigridCalculator();
}

void LoanCalculatorPage::enterPage()
{
    shell().setPrevNextEnabled(true);
    CleanGrid();
    ChooseMarigridCalculator();
    (rgCalculate_->itemIndex() == 1 ? edtPayment_ : edtLoan_)->setFocus();
}

void LoanCalculatorPage::recoverFromArithmeticError()
{
    const int index = rgCalculate_->itemIndex();
    if (index >= 0 && index < static_cast<int>(std::size(Recoveries))) {
        const Recovery& r = Recoveries[index];
        for (int i = 0; i < r.count; ++i)
            child<TEditField>(r.values[i].field)->setValue(r.values[i].value);
        state().FrequencyCode = Rw_money::MonthlyFrequencyCode;
        child<QWidget>(r.focus)->setFocus();
    }
    CleanGrid();
    ChooseMarigridCalculator();
}

// ------------------------------------------------------------ the table

void LoanCalculatorPage::CleanGrid()
{
    grdMG_->setRowCount(16);
    grdMG_->cells().clearTexts();
    grdMG_->cells().clearCellColors();
    grdMG_->cells().setCellAlignment(Qt::AlignCenter);
    grdMG_->selectCell(loanmath::CentreColumn, loanmath::CentreRow);
    for (int r = 1; r <= loanmath::SpreadRows; ++r)
        grdMG_->cells().setCellColor(loanmath::CentreColumn, r, theme::yellow());
    for (int c = 1; c <= loanmath::SpreadColumns; ++c)
        grdMG_->cells().setCellColor(c, loanmath::CentreRow, theme::yellow());
    const auto choice = loanmath::computeChoiceFromIndex(state().ComputeChoice);
    if (!choice)
        return;
    for (int c = 0; c < 10; ++c)
        grdMG_->setColWidth(c, 77);
    writeTable(loanmath::placeholderTable(*choice));
}

void LoanCalculatorPage::ChooseMarigridCalculator()
{
    ChooseMarigridCalculator(nullptr);
}

void LoanCalculatorPage::ChooseMarigridCalculator(const QObject* sender)
{
    if (sender == cbFrequency_ && !loanmath::spreadFrequencyForText(cbFrequency_->currentText())) {
        const QSignalBlocker block(cbFrequency_);
        cbFrequency_->setCurrentIndex(cbFrequency_->findText(QStringLiteral("Monthly 12")));
        cbFrequency_->setEditText(QStringLiteral("Monthly 12"));
    }
    if (const auto* f = loanmath::spreadFrequencyForText(cbFrequency_->currentText())) {
        state().FrequencyCode = f->code;
        state().PeriodsPerYear = f->periodsPerYear;
    }
    lblTerm_->setText(loanmath::termYearsText(edtTerm_->value(), state().PeriodsPerYear));
    if (const auto choice = loanmath::computeChoiceFromIndex(state().ComputeChoice))
        fillSpread(*choice);
}

loanmath::LoanInputs LoanCalculatorPage::storeInputs()
{
    AppState& s = state();
    s.StoredLoan = edtLoan_->value();
    s.StoredInterest = edtInterest_->value();
    s.StoredTerm = edtTerm_->intValue();
    s.StoredPayment = edtPayment_->value();
    s.StoredAnnualTaxes = edtAnnualTaxes_->value();
    s.StoredAnnualInsurance = edtAnnualInsurance_->value();
    s.TaxesAndInsurancePerPayment = s.UseEstimates
        ? checkedDivide(s.StoredAnnualTaxes + s.StoredAnnualInsurance, s.PeriodsPerYear, "taxes and insurance")
        : 0.0;
    return {s.StoredLoan, s.StoredInterest, edtTerm_->intValue(), s.StoredPayment, s.FrequencyCode};
}

void LoanCalculatorPage::writeSingleResult(ComputeChoice choice, const loanmath::LoanInputs& in)
{
    const loanmath::SingleResult r = loanmath::computeSingle(choice, in);
    const ModeLayout& m = Modes[static_cast<int>(choice)];
    child<TEditField>(m.resultField)->setValue(r.value);
    edtTotalPaid_->setValue(r.totalPaid);
    edtInterestPaid_->setValue(r.interestPaid);
}

void LoanCalculatorPage::fillSpread(ComputeChoice choice)
{
    AppState& s = state();
    s.ComputeChoice = rgCalculate_->itemIndex();
    const loanmath::LoanInputs in = storeInputs();
    writeSingleResult(choice, in);

    // The table reads its base values afresh: the single result may have
    // replaced the field the table does not read.
    loanmath::LoanInputs base = in;
    base.loan = edtLoan_->value();
    base.rate = edtInterest_->value();
    base.term = edtTerm_->intValue();
    base.payment = edtPayment_->value();
    const loanmath::SpreadSteps steps{loanmath::stepOf(loanmath::loanIncrements(), rgLoan_->itemIndex()),
                                      loanmath::stepOf(loanmath::rateIncrements(), rgInterest_->itemIndex()),
                                      loanmath::stepOf(loanmath::paymentIncrements(), rgPayments_->itemIndex())};
    const bool loanRows = choice != ComputeChoice::LoanAmounts;
    const bool rateColumns = choice == ComputeChoice::Payments || choice == ComputeChoice::LoanAmounts;
    if (loanRows)
        s.SpreadLoanStepText = loanmath::stepTextOf(loanmath::loanIncrements(), rgLoan_->itemIndex());
    if (rateColumns)
        s.SpreadRateStepText = loanmath::stepTextOf(loanmath::rateIncrements(), rgInterest_->itemIndex());
    if (!loanRows || !rateColumns)
        s.SpreadPaymentStepText = loanmath::stepTextOf(loanmath::paymentIncrements(), rgPayments_->itemIndex());

    const double ti = choice == ComputeChoice::Payments ? s.TaxesAndInsurancePerPayment : 0.0;
    writeTable(loanmath::computeSpread(choice, base, steps, ti));
    grdMG_->selectCell(loanmath::CentreColumn, loanmath::CentreRow);
    shell().setPrintingEnabled(true);
}

void LoanCalculatorPage::writeTable(const loanmath::SpreadTable& table)
{
    StringGridModel& cells = grdMG_->cells();
    if (table.corner)
        cells.setCell(0, 0, *table.corner);
    for (int r = 1; r <= table.headingRowsWritten; ++r)
        cells.setCell(0, r, table.rowHeadings[static_cast<std::size_t>(r - 1)]);
    for (int c = 1; c <= loanmath::SpreadColumns; ++c)
        cells.setCell(c, 0, table.columnHeadings[static_cast<std::size_t>(c - 1)]);
    if (!table.hasBody)
        return;
    for (int c = 1; c <= loanmath::SpreadColumns; ++c)
        for (int r = 1; r <= loanmath::SpreadRows; ++r)
            cells.setCell(c, r, table.cells[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]);
}

void LoanCalculatorPage::setSpreadColumnWidths()
{
    for (int c = 0; c <= 8; ++c)
        grdMG_->setColWidth(c, 76);
}

void LoanCalculatorPage::setSpreadFirstColumnWidth()
{
    grdMG_->setColWidth(0, 69);
}

void LoanCalculatorPage::grdMGMouseUp(int column, int row)
{
    state().ClickedColumn = column;
    state().ClickedRow = row;
}

void LoanCalculatorPage::grdMGMouseMove()
{
    if (const auto choice = loanmath::computeChoiceFromIndex(rgCalculate_->itemIndex())) {
        setHint(grdMG_, loanmath::spreadHint(*choice));
        grdMG_->setToolTip(QString()); // the table shows no tool tips
    }
}

} // namespace larkspan
