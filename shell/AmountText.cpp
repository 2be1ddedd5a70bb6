#include "shell/AmountText.h"

#include "engine/Errors.h"
#include "shell/Regional.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace larkspan::amounts {

namespace {

const RegionalConventions& regional()
{
    return RegionalConventions::current();
}

// Inserts `separator` between every group of three digits of an unsigned
// integer text.
QString groupThousands(const QString& digits, QChar separator)
{
    if (separator.isNull())
        return digits;
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        out += digits.at(i);
        const qsizetype left = n - 1 - i;
        if (left > 0 && left % 3 == 0)
            out += separator;
    }
    return out;
}

// |value| with `decimals` decimals, grouped, in the given separators.
QString fixedGrouped(double magnitude, int decimals, QChar decimalSeparator, QChar thousandsSeparator)
{
    const QString plain = QString::number(magnitude, 'f', decimals);
    const qsizetype dot = plain.indexOf(QLatin1Char('.'));
    const QString integerPart = dot < 0 ? plain : plain.left(dot);
    QString out = groupThousands(integerPart, thousandsSeparator);
    if (dot >= 0)
        out += decimalSeparator + plain.mid(dot + 1);
    return out;
}

// A C-locale number text for the standard conversions.
bool toDouble(const QString& text, double& out)
{
    bool ok = false;
    out = QLocale::c().toDouble(text, &ok);
    return ok && std::isfinite(out);
}

QString withRegionalDecimal(QString cText)
{
    const QChar dec = regional().decimalSeparator;
    if (dec != QLatin1Char('.'))
        cText.replace(QLatin1Char('.'), dec);
    return cText;
}

// Rewrites Qt's exponent form ("1.5e+20", "1e-05") in the program's form
// ("1.5E20", "1E-5").
QString tidyExponent(QString text)
{
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    const QString mantissa = text.left(e);
    QString exponent = text.mid(e + 1);
    bool negative = exponent.startsWith(QLatin1Char('-'));
    if (exponent.startsWith(QLatin1Char('+')) || negative)
        exponent.remove(0, 1);
    while (exponent.size() > 1 && exponent.startsWith(QLatin1Char('0')))
        exponent.remove(0, 1);
    return mantissa + QLatin1Char('E') + (negative ? QStringLiteral("-") : QString()) + exponent;
}

} // namespace

double readNumber(const QString& text)
{
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('$')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char('%')))
        t.chop(1);
    const RegionalConventions& r = regional();
    if (!r.thousandsSeparator.isNull())
        t.remove(r.thousandsSeparator);
    if (r.decimalSeparator != QLatin1Char('.'))
        t.replace(r.decimalSeparator, QLatin1Char('.'));
    t = t.trimmed();
    if (t.isEmpty() || t == QLatin1String("-"))
        return 0.0;
    double value = 0.0;
    return toDouble(t, value) ? value : 0.0;
}

int readCount(const QString& text)
{
    QString t = text.trimmed();
    const QChar sep = regional().thousandsSeparator;
    if (!sep.isNull())
        t.remove(sep);
    bool ok = false;
    const int value = t.toInt(&ok);
    return ok ? value : 0;
}

QString moneyFieldText(double value)
{
    checkedFinite(value, "money field");
    const RegionalConventions& r = regional();
    const QString digits = fixedGrouped(std::fabs(value), 2, r.decimalSeparator, r.thousandsSeparator);
    const bool negative = value < 0 && digits != fixedGrouped(0.0, 2, r.decimalSeparator, r.thousandsSeparator);
    return negative ? QLatin1Char('-') + digits : digits;
}

QString rateFieldText(double value)
{
    checkedFinite(value, "rate field");
    QString text = withRegionalDecimal(QString::number(value, 'f', 4));
    if (text.startsWith(QLatin1Char('-')) && readNumber(text) == 0.0)
        text.remove(0, 1);
    return text;
}

QString countFieldText(int value)
{
    return QString::number(value);
}

QString currencyText(double value, int precision, int decimals)
{
    checkedFinite(value, "currency text");
    const RegionalConventions& r = regional();
    const double magnitude = std::fabs(value);
    // Digits before the decimal point of the rounded value.
    int integerDigits = magnitude < 1.0 ? 0 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    QString number;
    if (integerDigits > precision) {
        number = tidyExponent(QString::number(magnitude, 'g', precision));
        number = withRegionalDecimal(number);
    } else {
        const int kept = std::max(0, std::min(decimals, precision - integerDigits));
        const double factor = std::pow(10.0, kept);
        double rounded = std::round(magnitude * factor) / factor;
        if (!std::isfinite(rounded))
            rounded = magnitude;
        number = fixedGrouped(rounded, decimals, r.decimalSeparator, r.thousandsSeparator);
        // Rounding that leaves nothing is zero, which has no sign.
        if (rounded == 0.0)
            value = 0.0;
    }
    const QString& pattern = value < 0 ? r.negativePattern : r.positivePattern;
    QString out = pattern;
    out.replace(QLatin1Char('n'), number);
    out.replace(QStringLiteral("¤"), r.currencySymbol);
    return out;
}

QString generalText(double value, int digits)
{
    return generalText(value, digits, regional().decimalSeparator);
}

QString generalText(double value, int digits, QChar decimalSeparator)
{
    checkedFinite(value, "number text");
    if (value == 0.0)
        return QStringLiteral("0");
    QString text = tidyExponent(QString::number(value, 'g', digits));
    if (decimalSeparator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString percentTextGeneral(double value, int digits)
{
    return generalText(value, digits) + QLatin1Char('%');
}

QString percentTextFixed(double value, int decimals)
{
    checkedFinite(value, "percent text");
    QString text = withRegionalDecimal(QString::number(value, 'f', decimals));
    if (text.startsWith(QLatin1Char('-')) && QString::number(std::fabs(value), 'f', decimals).toDouble() == 0.0)
        text.remove(0, 1);
    return text + QLatin1Char('%');
}

double TextToCurrency(const QString& text)
{
    const RegionalConventions& r = regional();
    const QChar dec = r.decimalSeparator;
    const QChar thou = r.thousandsSeparator;
    bool allowSign = true, allowDecimal = true, allowThousands = true;
    auto allowed = [&](QChar c) {
        if (c.isDigit() && c.unicode() < 128)
            return true;
        if (c == QLatin1Char('$'))
            return true;
        if (allowSign && (c == QLatin1Char('+') || c == QLatin1Char('-')))
            return true;
        if (allowDecimal && c == dec)
            return true;
        if (allowThousands && !thou.isNull() && c == thou)
            return true;
        return false;
    };
    qsizetype start = 0;
    while (start < text.size() && !allowed(text.at(start)))
        ++start;
    const QString message = text + QStringLiteral(" is not a valid currency value!");
    if (start == text.size())
        throw ConversionError(message.toStdString());
    allowSign = false;
    qsizetype end = start + 1;
    if (text.at(start) == dec) {
        allowDecimal = false;
        allowThousands = false;
    }
    while (end < text.size() && allowed(text.at(end))) {
        if (text.at(end) == dec) {
            allowDecimal = false;
            allowThousands = false;
        }
        ++end;
    }
    QString span = text.mid(start, end - start);
    if (!thou.isNull())
        span.remove(thou);
    if (dec != QLatin1Char('.'))
        span.replace(dec, QLatin1Char('.'));
    // An optional sign, digits and one decimal point; nothing else.
    static const QRegularExpression form(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)$"));
    double value = 0.0;
    if (!form.match(span).hasMatch() || !toDouble(span, value))
        throw ConversionError(message.toStdString());
    return std::round(value * 10000.0) / 10000.0;
}

double ChangeCurrencyStringToFloat(const QString& text)
{
    QString t = text.mid(1, 20);
    t.remove(QLatin1Char(','));
    double value = 0.0;
    if (!toDouble(t.trimmed(), value) || t.trimmed().isEmpty())
        throw ConversionError((QLatin1Char('\'') + t + QStringLiteral("' is not a valid floating point value")).toStdString());
    return value;
}

QString StripCurrencySymbols(const QString& text)
{
    QString t;
    t.reserve(text.size());
    for (const QChar c : text) {
        const bool latinLetter = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
        if (c != QLatin1Char(' ') && !latinLetter)
            t += c;
    }
    const bool negative = t.startsWith(QLatin1Char('(')) || (t.size() > 1 && t.at(1) == QLatin1Char('('));
    const QChar thou = regional().thousandsSeparator;
    if (thou == QLatin1Char(',') || thou == QLatin1Char('.')) {
        const QChar keep = thou == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
        QString kept;
        for (const QChar c : t)
            if (c == keep || (c.isDigit() && c.unicode() < 128))
                kept += c;
        t = kept;
    }
    QString cleaned;
    for (const QChar c : t) {
        const ushort u = c.unicode();
        if (c == QLatin1Char('$') || (u >= 0xA2 && u <= 0xA5))
            continue;
        cleaned += c == QLatin1Char('%') ? QLatin1Char(' ') : c;
    }
    return negative ? QLatin1Char('-') + cleaned : cleaned;
}

QString ParseYear(const QString& dateText)
{
    return dateText.mid(4);
}

QString ParseMonth(const QString& dateText)
{
    QString t = dateText;
    return t.remove(3, 5);
}

} // namespace larkspan::amounts
