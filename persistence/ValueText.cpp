#include "persistence/ValueText.h"

#include "shell/AmountText.h"
#include "shell/Regional.h"

#include <QLocale>
#include <cmath>

namespace larkspan::valuetext {

namespace {
const QString kTimeFormat = QStringLiteral("HH:mm:ss");
}

std::optional<int> parseInteger(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    int value = 0;
    if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        value = t.mid(2).toInt(&ok, 16);
    else
        value = t.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<double> parseReal(const QString& text)
{
    QString t = text.trimmed();
    const QChar dec = RegionalConventions::current().decimalSeparator;
    if (dec != QLatin1Char('.')) {
        if (t.contains(QLatin1Char('.')))
            return std::nullopt;
        t.replace(dec, QLatin1Char('.'));
    }
    bool ok = false;
    const double value = t.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

QString realText(double value)
{
    return amounts::generalText(value, 15);
}

QString dateText(const QDate& value)
{
    return QLocale::c().toString(value, RegionalConventions::current().readableDateFormat());
}

QString dateTimeText(const QDateTime& value)
{
    QString text = dateText(value.date());
    if (value.time() != QTime(0, 0))
        text += QLatin1Char(' ') + value.time().toString(kTimeFormat);
    return text;
}

std::optional<QDate> parseDate(const QString& text)
{
    const RegionalConventions& r = RegionalConventions::current();
    const QString t = text.trimmed();
    for (const QString& format : {r.readableDateFormat(), r.shortDateFormat}) {
        const QDate d = QLocale::c().toDate(t, format);
        if (d.isValid())
            return d;
    }
    return std::nullopt;
}

std::optional<QDateTime> parseDateTime(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    const std::optional<QDate> date = parseDate(blank < 0 ? t : t.left(blank));
    if (!date)
        return std::nullopt;
    if (blank < 0)
        return QDateTime(*date, QTime(0, 0));
    QTime time = QTime::fromString(t.mid(blank + 1).trimmed(), kTimeFormat);
    if (!time.isValid())
        time = QTime::fromString(t.mid(blank + 1).trimmed(), QStringLiteral("H:mm"));
    if (!time.isValid())
        return std::nullopt;
    return QDateTime(*date, time);
}

} // namespace larkspan::valuetext
