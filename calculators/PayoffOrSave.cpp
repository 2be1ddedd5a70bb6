#include "calculators/PayoffOrSave.h"

#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QLabel>

namespace larkspan {

namespace {

// Column positions: the investment column lies under the cash input, the
// debt column under the debt rate and the difference column under the
// expected return.
constexpr int YearLeft = 40;
constexpr int InvestmentLeft = 200;
constexpr int DebtLeft = 400;
constexpr int DifferenceLeft = 600;
constexpr int FieldWidth = 130;
constexpr int CaptionWidth = 170;
constexpr int FirstRowTop = 214;
constexpr int RowStep = 23;

QLabel* plainLabel(QWidget* parent, const QString& text, const QRect& geometry, Qt::Alignment alignment, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(alignment);
    l->setGeometry(geometry);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// The field name of year y's debt value; year 8's is spelt with a lower-case d.
QString debtFieldName(int year)
{
    return year == 8 ? QStringLiteral("edtdebt8") : QStringLiteral("edtDebt%1").arg(year);
}

} // namespace

PayoffOrSavePage::PayoffOrSavePage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::PayoffOrSave, parent)
{
    buildPage();
}

void PayoffOrSavePage::buildPage()
{
    auto* intro = plainLabel(this,
                             QStringLiteral("Compare the difference between saving money and paying off your debt:  It's good "
                                            "to have an emergency or \"rainy day\" fund but once you have that, it usually makes "
                                            "sense to pay down debt ... especially when the debt's interest rate is high."),
                             QRect(20, 12, 747, 54), Qt::AlignLeft | Qt::AlignTop);
    intro->setObjectName(QStringLiteral("lblPayoffOrSaveIntro"));
    intro->setFont(theme::tahoma(10));

    const Qt::Alignment centred = Qt::AlignHCenter | Qt::AlignBottom;
    const int captionOffset = (CaptionWidth - FieldWidth) / 2;
    plainLabel(this, QStringLiteral("Cash You Have Available to Save or Use to Reduce Debt"),
               QRect(InvestmentLeft - captionOffset, 76, CaptionWidth, 36), centred);
    plainLabel(this, QStringLiteral("Annual Interest on Your Debt"), QRect(DebtLeft - captionOffset, 76, CaptionWidth, 36),
               centred);
    plainLabel(this, QStringLiteral("Expected Annual Return of Your Investment"),
               QRect(DifferenceLeft - captionOffset, 76, CaptionWidth, 36), centred);

    edtCash_ = new TEditField(FieldKind::Money, QStringLiteral("edtCash"), this);
    edtDebtInterest_ = new TEditField(FieldKind::Rate, QStringLiteral("edtDebtInterest"), this);
    edtInvestmentReturn_ = new TEditField(FieldKind::Rate, QStringLiteral("edtInvestmentReturn"), this);
    edtCash_->setGeometry(InvestmentLeft, 116, FieldWidth, 22);
    edtDebtInterest_->setGeometry(DebtLeft, 116, FieldWidth, 22);
    edtInvestmentReturn_->setGeometry(DifferenceLeft, 116, FieldWidth, 22);
    for (TEditField* input : {edtCash_, edtDebtInterest_, edtInvestmentReturn_})
        connect(input, &TEditField::exited, this, &PayoffOrSavePage::CalculatePayVsInvest);
    setTabOrder(edtCash_, edtDebtInterest_);
    setTabOrder(edtDebtInterest_, edtInvestmentReturn_);

    const int headTop = 152;
    const int headHeight = 52;
    plainLabel(this, QStringLiteral("At the end of YEAR:"), QRect(YearLeft - 20, headTop, 120, headHeight), centred, true);
    plainLabel(this, QStringLiteral("An Investment Will Grow To:"),
               QRect(InvestmentLeft - captionOffset, headTop, CaptionWidth, headHeight), centred, true);
    plainLabel(this, QStringLiteral("While the Debt You Could Have Paid Off Will Have Grown To:"),
               QRect(DebtLeft - captionOffset, headTop, CaptionWidth, headHeight), centred, true);
    plainLabel(this, QStringLiteral("For a Difference of:"),
               QRect(DifferenceLeft - captionOffset, headTop, CaptionWidth, headHeight), centred, true);

    for (int y = 1; y <= planning::PayoffYears; ++y) {
        const int top = FirstRowTop + (y - 1) * RowStep;
        const auto i = static_cast<std::size_t>(y - 1);
        plainLabel(this, QString::number(y), QRect(YearLeft - 20, top, 120, 21), Qt::AlignCenter, true);
        investment_[i] = new TEditField(FieldKind::MoneyResult, QStringLiteral("edtInvestment%1").arg(y), this);
        debt_[i] = new TEditField(FieldKind::MoneyResult, debtFieldName(y), this);
        difference_[i] = new TEditField(FieldKind::MoneyResult, QStringLiteral("edtDifference%1").arg(y), this);
        investment_[i]->setGeometry(InvestmentLeft, top, FieldWidth, 21);
        debt_[i]->setGeometry(DebtLeft, top, FieldWidth, 21);
        difference_[i]->setGeometry(DifferenceLeft, top, FieldWidth, 21);
    }
}

void PayoffOrSavePage::CalculatePayVsInvest()
{
    const auto years = planning::payVsInvest(edtCash_->value(), edtDebtInterest_->value(), edtInvestmentReturn_->value());
    for (std::size_t i = 0; i < years.size(); ++i) {
        const planning::PayoffYear& y = years[i];
        QPalette p = difference_[i]->palette();
        p.setColor(QPalette::Text, y.difference >= 0 ? theme::navy() : theme::red());
        difference_[i]->setPalette(p);
        debt_[i]->setValue(y.debt);
        investment_[i]->setValue(y.investment);
        difference_[i]->setValue(y.difference);
    }
}

void PayoffOrSavePage::enterPage()
{
    shell().setPrevNextEnabled(true);
    CalculatePayVsInvest();
    edtCash_->setFocus();
}

} // namespace larkspan
