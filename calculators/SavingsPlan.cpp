#include "calculators/SavingsPlan.h"

#include "calculators/PlanningMath.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/RadioGroup.h"
#include "shell/Regional.h"
#include "shell/StringGrid.h"
#include "shell/Theme.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace larkspan {

namespace {

constexpr int GridColumns = planning::SavingsColumns + 1;
constexpr int GridRows = planning::SavingsRows + 1;
constexpr int StartColumn = planning::SavingsCentreColumn;
constexpr int StartRow = 1;

QLabel* caption(QWidget* parent, const QString& text, const QRect& geometry)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(geometry);
    return l;
}

QStringList itemsOf(std::span<const planning::SavingsStep> steps)
{
    QStringList items;
    for (const planning::SavingsStep& s : steps)
        items << QString(s.item);
    return items;
}

// Lays the group's items out in `columns` columns, filling each column from
// top to bottom before the next.
void arrangeInColumns(TRadioGroup* group, int columns)
{
    const int rows = (group->count() + columns - 1) / columns;
    delete group->layout();
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 2, 4, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(0);
    for (int i = 0; i < group->count(); ++i)
        grid->addWidget(group->button(i), i % rows, i / rows);
}

QComboBox* frequencyList(QWidget* parent, const QString& name, bool withContinuousAndSimple)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    if (withContinuousAndSimple)
        box->addItem(QString(planning::ContinuouslyText));
    for (const planning::SavingsFrequency& f : planning::savingsFrequencies())
        box->addItem(QString(f.text));
    if (withContinuousAndSimple)
        box->addItem(QString(planning::SimpleInterestText));
    box->setCurrentText(QString(planning::MonthlyText));
    box->hide();
    return box;
}

QDateEdit* datePicker(QWidget* parent, const QString& name, const QRect& geometry)
{
    auto* d = new QDateEdit(QDate::currentDate(), parent);
    d->setObjectName(name);
    d->setCalendarPopup(true);
    d->setDisplayFormat(RegionalConventions::current().readableDateFormat());
    d->setGeometry(geometry);
    return d;
}

} // namespace

SavingsPlanPage::SavingsPlanPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::SavingsPlan, parent)
{
    buildInputs();
    buildGrid();
}

void SavingsPlanPage::buildInputs()
{
    constexpr int captionLeft = 8;
    constexpr int captionWidth = 104;
    constexpr int fieldLeft = captionLeft + captionWidth + 6;
    constexpr int fieldWidth = 121;
    constexpr int rowTop = 22;
    constexpr int rowStep = 32;

    caption(this, QStringLiteral("Initial Balance"), QRect(captionLeft, rowTop, captionWidth, 22));
    caption(this, QStringLiteral("Periodic Payment"), QRect(captionLeft, rowTop + rowStep, captionWidth, 22));
    caption(this, QStringLiteral("Start Date"), QRect(captionLeft, rowTop + 2 * rowStep, captionWidth, 22));
    caption(this, QStringLiteral("End Date"), QRect(captionLeft, rowTop + 3 * rowStep, captionWidth, 22));

    edtFVBalance_ = new TEditField(FieldKind::Money, QStringLiteral("edtFVBalance"), this);
    edtFVBalance_->setGeometry(fieldLeft, rowTop, fieldWidth, 22);
    edtFVSavings_ = new TEditField(FieldKind::Money, QStringLiteral("edtFVSavings"), this);
    edtFVSavings_->setGeometry(fieldLeft, rowTop + rowStep, fieldWidth, 22);
    dtpBeginDate_ = datePicker(this, QStringLiteral("dtpBeginDate"), QRect(fieldLeft, rowTop + 2 * rowStep, fieldWidth, 22));
    dtpEndDate_ = datePicker(this, QStringLiteral("dtpEndDate"), QRect(fieldLeft, rowTop + 3 * rowStep, fieldWidth, 22));

    constexpr int rateLeft = 258;
    caption(this, QStringLiteral("Interest Rate"), QRect(rateLeft, rowTop, 84, 22));
    edtFVInterest_ = new TEditField(FieldKind::Rate, QStringLiteral("edtFVInterest"), this);
    edtFVInterest_->setGeometry(rateLeft + 90, rowTop, 92, 22);

    rgFVAnnuity_ = new TRadioGroup(QStringLiteral("rgFVAnnuity"), QStringLiteral(" Annuity Type "),
                                   {QString(planning::OrdinaryText), QString(planning::DueText)}, this);
    rgFVAnnuity_->setGeometry(rateLeft + 30, rowTop + rowStep + 4, 152, 66);
    rgFVSavings_ = new TRadioGroup(QStringLiteral("rgFVSavings"), QStringLiteral(" Increment Savings "),
                                   itemsOf(planning::paymentSteps()), this);
    arrangeInColumns(rgFVSavings_, 3);
    rgFVSavings_->setGeometry(462, 12, 150, 100);
    rgFVInterest_ = new TRadioGroup(QStringLiteral("rgFVInterest"), QStringLiteral(" Increment Interest Rates "),
                                    itemsOf(planning::rateSteps()), this);
    arrangeInColumns(rgFVInterest_, 3);
    rgFVInterest_->setGeometry(620, 12, 160, 100);

    cbFVPaymentFrequency_ = frequencyList(this, QStringLiteral("cbFVPaymentFrequency"), false);
    cbFVCompoundingFrequency_ = frequencyList(this, QStringLiteral("cbFVCompoundingFrequency"), true);

    for (TEditField* f : {edtFVBalance_, edtFVSavings_, edtFVInterest_})
        connect(f, &TEditField::exited, this, &SavingsPlanPage::CalculateGrdFV);
    for (QDateEdit* d : {dtpBeginDate_, dtpEndDate_})
        connect(d, &QDateEdit::editingFinished, this, &SavingsPlanPage::CalculateGrdFV);
    for (TRadioGroup* g : {rgFVAnnuity_, rgFVSavings_, rgFVInterest_})
        connect(g, &TRadioGroup::itemClicked, this, &SavingsPlanPage::CalculateGrdFV);

    setTabOrder(edtFVBalance_, edtFVSavings_);
    setTabOrder(edtFVSavings_, dtpBeginDate_);
    setTabOrder(dtpBeginDate_, dtpEndDate_);
    setTabOrder(dtpEndDate_, edtFVInterest_);
}

void SavingsPlanPage::buildGrid()
{
    grdFV_ = new TStringGrid(QStringLiteral("grdFV"), GridColumns, GridRows, 1, 1, this);
    grdFV_->setDefaultColWidth(97);
    grdFV_->setDefaultRowHeight(26);
    grdFV_->setShowGrid(true);
    grdFV_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdFV_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grdFV_->setSelectionColors(theme::yellow(), theme::red());
    grdFV_->setBoldFocusedCell(true);
    grdFV_->cells().setCellAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdFV_->setGeometry(3, 546 - 318 - 3, 781, 318);
    connect(grdFV_, &TStringGrid::cellClicked, this, [this](int, int) { CalculateGrdFV(); });

    setTabOrder(edtFVInterest_, rgFVAnnuity_->button(0));
    setTabOrder(rgFVAnnuity_->button(rgFVAnnuity_->count() - 1), rgFVSavings_->button(0));
    setTabOrder(rgFVSavings_->button(rgFVSavings_->count() - 1), rgFVInterest_->button(0));
    setTabOrder(rgFVInterest_->button(rgFVInterest_->count() - 1), grdFV_);
}

void SavingsPlanPage::selectStartCell()
{
    grdFV_->selectCell(StartColumn, StartRow);
}

void SavingsPlanPage::applyAnnuityAvailability()
{
    const bool continuously = cbFVCompoundingFrequency_->currentText() == planning::ContinuouslyText;
    if (continuously)
        rgFVAnnuity_->setItemIndex(0);
    rgFVAnnuity_->setEnabled(!continuously);
}

void SavingsPlanPage::CalculateGrdFV()
{
    const bool continuously = cbFVCompoundingFrequency_->currentIndex() == 0;
    if (continuously)
        rgFVAnnuity_->setItemIndex(0);
    rgFVAnnuity_->setEnabled(!continuously);

    planning::SavingsPlanInputs in;
    in.payment = edtFVSavings_->value();
    in.balance = edtFVBalance_->value();
    in.rate = edtFVInterest_->value();
    in.paymentFrequency = cbFVPaymentFrequency_->currentText();
    in.compounding = cbFVCompoundingFrequency_->currentText();
    in.begin = dtpBeginDate_->date();
    in.end = dtpEndDate_->date();
    in.annuity = planning::annuityText(rgFVAnnuity_->itemIndex());

    // A group with no item chosen steps by 0 and leaves its text as it was.
    if (const auto s = planning::stepAt(planning::paymentSteps(), rgFVSavings_->itemIndex())) {
        in.paymentStep = s->step;
        state().SavingsPaymentStepText = s->stepText;
    }
    if (const auto s = planning::stepAt(planning::rateSteps(), rgFVInterest_->itemIndex())) {
        in.rateStep = s->step;
        state().SavingsRateStepText = s->stepText;
    }

    const planning::SavingsPlanTable table = planning::savingsPlanTable(in);

    StringGridModel& cells = grdFV_->cells();
    for (int r = 1; r < GridRows; ++r)
        cells.setCell(0, r, planning::savingsAmountHeading(table.amounts[static_cast<std::size_t>(r - 1)]));
    for (int c = 1; c < GridColumns; ++c)
        cells.setCell(c, 0, planning::savingsRateHeading(table.rates[static_cast<std::size_t>(c - 1)]));
    for (int c = 1; c < GridColumns; ++c)
        for (int r = 1; r < GridRows; ++r)
            cells.setCell(c, r, planning::savingsValueCell(table.values[static_cast<std::size_t>(c - 1)][static_cast<std::size_t>(r - 1)]));
    cells.setCell(0, 0, QString(planning::SavingsCornerText));
    cells.setCellColor(StartColumn, StartRow, theme::yellow());
}

void SavingsPlanPage::enterPage()
{
    edtFVBalance_->setFocus();
}

void SavingsPlanPage::windowActivated()
{
    edtFVBalance_->setFocus();
    applyAnnuityAvailability();
}

} // namespace larkspan
