#pragma once
// The net worth page: 24 asset values and 24 liability balances on two tabs
// of an inner notebook, their totals and the difference.

#include "shell/CalculatorPage.h"

#include <array>
#include <span>

class QLabel;
class QTabWidget;

namespace larkspan {

class TEditField;

class NetWorthPage : public CalculatorPage {
    Q_OBJECT
public:
    static constexpr int kRows = 24;

    NetWorthPage(ShellServices& shell, QWidget* parent = nullptr);

    // Recomputes the three totals from the 48 fields.
    void CalcNetworth();
    // Clicking the assets tab puts the focus into its first field.
    void nbkDiscoverYourNetWorthTabClick(int index);

    void enterPage() override;

private:
    void buildList(QWidget* tab, const QString& fieldPrefix, std::span<const char* const> captions, bool liabilities);
    void buildResults();

    QTabWidget* nbkDiscoverYourNetWorth_ = nullptr;
    std::array<TEditField*, kRows> assets_{};
    std::array<TEditField*, kRows> liabilities_{};
    QLabel* lblNWAssets_ = nullptr;
    QLabel* lblNWLiabilities_ = nullptr;
    QLabel* lblNWNetworth_ = nullptr;
};

} // namespace larkspan
