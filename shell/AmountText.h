#pragma once
// The rules for turning the texts of edit fields, labels, grid cells and
// list lines into numbers and back. Every page reads and writes amounts
// through these functions, so that all of them agree.

#include <QString>

namespace larkspan::amounts {

// --- Reading an edit field's text ------------------------------------------
// The text without a "$" prefix or "%" suffix and without thousands
// separators, as a real. An empty text, a lone "-" or a text that does not
// convert reads as 0; nothing here ever fails.
double readNumber(const QString& text);
// The same as a whole number (a text that is no whole number reads as 0).
int readCount(const QString& text);

// --- Writing a value into an edit field (without the field's fixed prefix
// or suffix, which the field shows itself) ------------------------------------
// 2 decimals, thousands separators, a leading "-" when negative: 1,234.50.
QString moneyFieldText(double value);
// 4 decimals, no separators: 8.7500.
QString rateFieldText(double value);
QString countFieldText(int value);

// --- Writing into labels and grid cells -------------------------------------
// Currency text: rounded to at most `precision` significant digits and at
// most `decimals` decimals, whichever keeps fewer digits, then written with
// the regional currency conventions; scientific notation when the integer
// part has more digits than `precision`.
QString currencyText(double value, int precision, int decimals);
// The shortest decimal text with at most `digits` significant digits, no
// thousands separators, exponent form "1.5E20" / "1E-5" where a general
// format would use one. `decimalSeparator` defaults to the regional one.
QString generalText(double value, int digits = 15);
QString generalText(double value, int digits, QChar decimalSeparator);
// Percent text in general format with `digits` significant digits.
QString percentTextGeneral(double value, int digits);
// Percent text with exactly `decimals` decimals: 9.000%.
QString percentTextFixed(double value, int decimals);

// --- Converting the program's own texts back ----------------------------------
// The amount that an amount text holds, as a value with four decimals.
// Throws ConversionError ("<text> is not a valid currency value!") when the
// text has no character of an amount, or the span found does not convert.
double TextToCurrency(const QString& text);
// Drops the first character (the currency symbol), keeps at most 20 of the
// rest, deletes every "," and converts; ConversionError when it does not.
double ChangeCurrencyStringToFloat(const QString& text);
// A currency text as the program writes it, made into a plain number text
// ("($1,234.56)" gives "-1234.56"); only parentheses mark a negative value.
QString StripCurrencySymbols(const QString& text);
// From a date text "Jan 2000": the year text ("2000") / the month text ("Jan").
QString ParseYear(const QString& dateText);
QString ParseMonth(const QString& dateText);

} // namespace larkspan::amounts
