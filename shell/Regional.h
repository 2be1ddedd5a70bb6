#pragma once
// The user's regional conventions for amounts and dates, captured once at
// start-up. United States conventions are built in and used whenever the
// system offers no currency symbol (the "C" locale, for example), and by the
// tests.

#include <QChar>
#include <QLocale>
#include <QString>

namespace larkspan {

struct RegionalConventions {
    QString currencySymbol = QStringLiteral("$");
    // Patterns for a formatted amount: "¤" stands for the currency symbol and
    // "n" for the number (digits, separators, decimals) without a sign.
    QString positivePattern = QStringLiteral("¤n");
    QString negativePattern = QStringLiteral("(¤n)");
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandsSeparator = QLatin1Char(',');
    QString shortDateFormat = QStringLiteral("M/d/yyyy"); // Qt date format

    static RegionalConventions unitedStates();
    static RegionalConventions fromLocale(const QLocale& locale);

    // The conventions in force. Until setCurrent is called they are the
    // United States ones; the program entry installs the system's.
    static const RegionalConventions& current();
    static void setCurrent(const RegionalConventions& conventions);

    // A date format for text that must be read back: the short format with a
    // four-digit year.
    QString readableDateFormat() const;

    bool operator==(const RegionalConventions&) const = default;
};

} // namespace larkspan
