#pragma once
// How numbers, truth values and dates are written into the settings and
// calculation files, and read back. Reading never throws: a text that does
// not convert gives std::nullopt, and the caller decides.

#include <QDateTime>
#include <QString>
#include <optional>

namespace larkspan::valuetext {

// A whole number in decimal, optionally signed; a hexadecimal number with a
// leading "0x" is accepted as well. Surrounding blanks are ignored.
std::optional<int> parseInteger(const QString& text);
// A real in general format with the regional decimal separator (no
// thousands separators).
std::optional<double> parseReal(const QString& text);
// Up to 15 significant digits, no thousands separators: 50000, 8.75.
QString realText(double value);

// A date with a four-digit year in the regional order (7/4/2012), followed
// by the time (" 14:05:09") unless it is midnight.
QString dateTimeText(const QDateTime& value);
QString dateText(const QDate& value);
// Reads what dateTimeText / dateText write; also a date in the regional
// short format, as older files hold.
std::optional<QDateTime> parseDateTime(const QString& text);
std::optional<QDate> parseDate(const QString& text);

} // namespace larkspan::valuetext
