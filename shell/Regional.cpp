#include "shell/Regional.h"

namespace larkspan {

namespace {
RegionalConventions& currentConventions()
{
    static RegionalConventions conventions = RegionalConventions::unitedStates();
    return conventions;
}

// Turns a currency string of the locale into a pattern by putting "¤" in
// place of the symbol and "n" in place of the unsigned number.
QString patternFrom(QString formatted, const QString& number, const QString& symbol)
{
    const qsizetype at = formatted.indexOf(number);
    if (at < 0)
        return {};
    formatted.replace(at, number.size(), QStringLiteral("n"));
    formatted.replace(symbol, QStringLiteral("¤"));
    formatted.replace(QChar(0x00A0), QLatin1Char(' ')); // keep the blank, drop its no-break kind
    formatted.replace(QChar(0x2212), QLatin1Char('-')); // Unicode minus as the ASCII one
    return formatted;
}
} // namespace

RegionalConventions RegionalConventions::unitedStates()
{
    return RegionalConventions{};
}

RegionalConventions RegionalConventions::fromLocale(const QLocale& locale)
{
    // United States conventions are the built-in ones, with negative amounts
    // in parentheses as the desktop's regional settings write them (the
    // locale data's "-$1.00" form is not what those settings show).
    if (locale.language() == QLocale::English && locale.territory() == QLocale::UnitedStates)
        return unitedStates();
    RegionalConventions r;
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (symbol.isEmpty())
        return unitedStates();
    const QString number = locale.toString(1234.5, 'f', 2);
    QString positive = patternFrom(locale.toCurrencyString(1234.5, symbol, 2), number, symbol);
    QString negative = patternFrom(locale.toCurrencyString(-1234.5, symbol, 2), number, symbol);
    if (!positive.contains(QLatin1Char('n')) || !negative.contains(QLatin1Char('n')))
        return unitedStates();
    r.currencySymbol = symbol;
    r.positivePattern = positive;
    r.negativePattern = negative;
    r.decimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().at(0);
    r.thousandsSeparator = locale.groupSeparator().isEmpty() ? QChar() : locale.groupSeparator().at(0);
    if (r.thousandsSeparator == QChar(0x00A0) || r.thousandsSeparator == QChar(0x202F))
        r.thousandsSeparator = QLatin1Char(' ');
    r.shortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    return r;
}

const RegionalConventions& RegionalConventions::current()
{
    return currentConventions();
}

void RegionalConventions::setCurrent(const RegionalConventions& conventions)
{
    currentConventions() = conventions;
}

QString RegionalConventions::readableDateFormat() const
{
    QString format = shortDateFormat;
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    if (!format.contains(QLatin1String("yyyy")))
        format = QStringLiteral("M/d/yyyy");
    return format;
}

} // namespace larkspan
