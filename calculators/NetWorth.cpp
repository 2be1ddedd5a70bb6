#include "calculators/NetWorth.h"

#include "calculators/NetWorthMath.h"
#include "shell/AmountText.h"
#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QLabel>
#include <QTabWidget>

namespace larkspan {

namespace {

// Captions of fields 1 to 24, in field order; the first twelve stand in the
// left column, the rest in the right one.
constexpr std::array<const char*, NetWorthPage::kRows> kAssetCaptions{
    "Value of Your Home:", "Land Value:", "Value of Automobile:", "Value of Automobile:",
    "Checking Accounts:", "Savings Accounts:", "Credit Union Accounts:", "Money Market Accounts:",
    "Certificates of Deposit:", "Mutual Funds:", "US Treasury Bills:", "Value of Stock Options:",
    "Stocks:", "Bonds:", "Life Insurance Face Value:", "Trust Fund:",
    "Cash Value of Pension:", "401(k)/403(b):", "IRA/KEOGH:", "Other Investments:",
    "Furnishings:", "Jewelry:", "Other:", "Other:",
};

constexpr std::array<const char*, NetWorthPage::kRows> kLiabilityCaptions{
    "Mortgage:", "Home Equity Loan:", "Home Equity Line of Credit:", "Other Mortgage:",
    "Other Home Equity Loan:", "Other HELOC:", "Auto Loan:", "Auto Loan:",
    "Auto Loan:", "Property Loan:", "Student Loans:", "Other Loans:",
    "Total Credit Card Debt:", "Total Medical Debt:", "Other:", "Other:",
    "Other:", "Other:", "Other:", "Other:",
    "Other:", "Other:", "Other:", "Other:",
};

// Layout of the lists on each tab.
constexpr int kColumnLefts[2] = {194, 538};
constexpr int kFirstTop = 10;
constexpr int kRowStep = 25;
constexpr int kFieldWidth = 121;
constexpr int kFieldHeight = 23;
constexpr int kCaptionWidth = 184;
constexpr int kCaptionGap = 6;

// Layout of the results row under the notebook.
constexpr int kResultWidth = 132;
constexpr int kSignWidth = 48;
constexpr int kCaptionTop = 400;
constexpr int kResultTop = 422;

QLabel* textLabel(QWidget* parent, const QString& text, const QFont& font, const QColor& colour)
{
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
    return l;
}

void setTextColour(QLabel* label, const QColor& colour)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, colour);
    label->setPalette(p);
}

} // namespace

NetWorthPage::NetWorthPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::NetWorth, parent)
{
    auto* intro = textLabel(this,
                            QStringLiteral("Using the two pages below, list your assets and liabilities.  "
                                           "Your Net Worth will be calculated and displayed at the bottom."),
                            theme::arial(10), Qt::black);
    intro->setObjectName(QStringLiteral("lblNWIntro"));
    intro->setGeometry(31, 12, 733, 24);

    nbkDiscoverYourNetWorth_ = new QTabWidget(this);
    nbkDiscoverYourNetWorth_->setObjectName(QStringLiteral("nbkDiscoverYourNetWorth"));
    nbkDiscoverYourNetWorth_->setGeometry(31, 45, 733, 345);
    auto* assetsTab = new QWidget;
    assetsTab->setObjectName(QStringLiteral("tabNWAssets"));
    auto* liabilitiesTab = new QWidget;
    liabilitiesTab->setObjectName(QStringLiteral("tabNWLiabilities"));
    nbkDiscoverYourNetWorth_->addTab(assetsTab, QStringLiteral("List Your Assets"));
    nbkDiscoverYourNetWorth_->addTab(liabilitiesTab, QStringLiteral("List Your Liabilities"));
    connect(nbkDiscoverYourNetWorth_, &QTabWidget::tabBarClicked, this, &NetWorthPage::nbkDiscoverYourNetWorthTabClick);

    buildList(assetsTab, QStringLiteral("edtAsset"), kAssetCaptions, false);
    buildList(liabilitiesTab, QStringLiteral("edtLiability"), kLiabilityCaptions, true);
    buildResults();
}

void NetWorthPage::buildList(QWidget* tab, const QString& fieldPrefix, std::span<const char* const> captions, bool liabilities)
{
    auto& fields = liabilities ? liabilities_ : assets_;
    const QColor captionColour = liabilities ? theme::red() : theme::green();
    for (int i = 0; i < kRows; ++i) {
        const int left = kColumnLefts[i / 12];
        const int top = kFirstTop + (i % 12) * kRowStep;
        auto* field = new TEditField(FieldKind::Money, fieldPrefix + QString::number(i + 1), tab);
        field->setGeometry(left, top, kFieldWidth, kFieldHeight);
        field->setFont(theme::arial(9));
        field->setZeroPlaceholder(liabilities);
        connect(field, &TEditField::exited, this, &NetWorthPage::CalcNetworth);
        fields[static_cast<std::size_t>(i)] = field;

        auto* caption = textLabel(tab, QLatin1String(captions[static_cast<std::size_t>(i)]), theme::arial(10), captionColour);
        caption->setObjectName(fieldPrefix + QStringLiteral("Caption") + QString::number(i + 1));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setGeometry(left - kCaptionGap - kCaptionWidth, top, kCaptionWidth, kFieldHeight);
        caption->setBuddy(field);
    }
    // The Tab key walks fields 1 to 24: down the left column, then the right.
    for (int i = 1; i < kRows; ++i)
        QWidget::setTabOrder(fields[static_cast<std::size_t>(i - 1)], fields[static_cast<std::size_t>(i)]);
}

void NetWorthPage::buildResults()
{
    // Three results in a row, centred under the notebook, with "-" and "="
    // between them.
    const int notebookCentre = 31 + 733 / 2;
    const int rowWidth = 3 * kResultWidth + 2 * kSignWidth;
    const int firstLeft = notebookCentre - rowWidth / 2;
    const QFont captionFont = theme::arial(10);
    const QFont resultFont = theme::arial(10, true);
    const QFont signFont = theme::pixelFont(QStringLiteral("Arial"), 32, true);

    struct Result {
        const char* name;
        const char* caption;
        QColor colour;
        bool boldCaption;
    };
    const Result results[] = {
        {"lblNWAssets", "Total Assets", theme::green(), false},
        {"lblNWLiabilities", "Total Liabilities", theme::red(), false},
        {"lblNWNetworth", "Your Net Worth", Qt::black, true},
    };
    QLabel** targets[] = {&lblNWAssets_, &lblNWLiabilities_, &lblNWNetworth_};
    for (int i = 0; i < 3; ++i) {
        const Result& r = results[i];
        const int left = firstLeft + i * (kResultWidth + kSignWidth);
        auto* caption = textLabel(this, QLatin1String(r.caption), theme::arial(10, r.boldCaption), r.colour);
        caption->setObjectName(QLatin1String(r.name) + QStringLiteral("Caption"));
        caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        caption->setGeometry(left, kCaptionTop, kResultWidth, 20);

        auto* value = textLabel(this, amounts::currencyText(0.0, 15, 2), resultFont, r.colour);
        value->setObjectName(QLatin1String(r.name));
        value->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        value->setGeometry(left, kResultTop, kResultWidth, 24);
        *targets[i] = value;

        if (i < 2) {
            auto* sign = textLabel(this, i == 0 ? QStringLiteral("-") : QStringLiteral("="), signFont, Qt::black);
            sign->setObjectName(i == 0 ? QStringLiteral("lblNWMinus") : QStringLiteral("lblNWEquals"));
            sign->setAlignment(Qt::AlignCenter);
            sign->setGeometry(left + kResultWidth, kCaptionTop + 4, kSignWidth, 44);
        }
    }
    // The net worth caption stays black; its value takes the colour the
    // computation gives it.
    setTextColour(findChild<QLabel*>(QStringLiteral("lblNWNetworthCaption")), Qt::black);
}

void NetWorthPage::CalcNetworth()
{
    std::array<double, kRows> assets{};
    std::array<double, kRows> liabilities{};
    for (std::size_t i = 0; i < kRows; ++i) {
        assets[i] = assets_[i]->value();
        liabilities[i] = liabilities_[i]->value();
    }
    const networth::Totals t = networth::totals(assets, liabilities);
    lblNWAssets_->setText(amounts::currencyText(t.assets, 15, 2));
    lblNWLiabilities_->setText(amounts::currencyText(t.liabilities, 15, 2));
    lblNWNetworth_->setText(amounts::currencyText(t.netWorth, 15, 2));
    setTextColour(lblNWNetworth_, t.positive() ? theme::green() : theme::red());
}

void NetWorthPage::nbkDiscoverYourNetWorthTabClick(int index)
{
    if (index != 0)
        return;
    nbkDiscoverYourNetWorth_->setCurrentIndex(0);
    assets_.front()->setFocus(Qt::MouseFocusReason);
}

void NetWorthPage::enterPage()
{
    CalcNetworth();
    if (nbkDiscoverYourNetWorth_->currentIndex() == 0)
        assets_.front()->setFocus(Qt::OtherFocusReason);
    else
        liabilities_.front()->setFocus(Qt::OtherFocusReason);
}

} // namespace larkspan
