// The amount rules of the edit fields and labels, and the regional
// conventions they follow, without any window.
#include "engine/Errors.h"
#include "shell/AmountText.h"
#include "shell/Regional.h"
#include "support/TestMain.h"

using namespace larkspan;
using namespace larkspan::amounts;

namespace {
// Puts other conventions in force for one test and restores the previous.
class ConventionsScope {
public:
    explicit ConventionsScope(const RegionalConventions& conventions) : saved_(RegionalConventions::current())
    {
        RegionalConventions::setCurrent(conventions);
    }
    ~ConventionsScope() { RegionalConventions::setCurrent(saved_); }

private:
    RegionalConventions saved_;
};

RegionalConventions conventionsOf(const char* localeName)
{
    return localeName ? RegionalConventions::fromLocale(QLocale(QLatin1String(localeName)))
                      : RegionalConventions::unitedStates();
}
} // namespace

class TestAmountText : public QObject {
    Q_OBJECT
private slots:
    void readNumber_data();
    void readNumber();
    void readCount_data();
    void readCount();
    void fieldTexts_data();
    void fieldTexts();
    void currencyText_data();
    void currencyText();
    void currencyTextLargeIsScientific();
    void textToCurrency_data();
    void textToCurrency();
    void textToCurrencyErrors_data();
    void textToCurrencyErrors();
    void changeCurrencyStringToFloat();
    void stripCurrencySymbols_data();
    void stripCurrencySymbols();
    void parseDateTexts();
    void conventionsFromLocale_data();
    void conventionsFromLocale();
};

void TestAmountText::readNumber_data()
{
    QTest::addColumn<QString>("locale"); // empty: United States conventions
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << QString() << "" << 0.0;
    QTest::newRow("lone minus") << QString() << "-" << 0.0;
    QTest::newRow("not a number") << QString() << "abc" << 0.0;
    QTest::newRow("two decimal points") << QString() << "1.2.3" << 0.0;
    QTest::newRow("thousands separators") << QString() << "1,234.56" << 1234.56;
    QTest::newRow("with prefix") << QString() << "$1,234.56" << 1234.56;
    QTest::newRow("with suffix") << QString() << "8.7500%" << 8.75;
    QTest::newRow("negative written by code") << QString() << "-80.00" << -80.0;
    QTest::newRow("de_DE grouping") << "de_DE" << "1.234,56" << 1234.56;
    QTest::newRow("de_DE point is no decimal") << "de_DE" << "12.5" << 125.0;
}

void TestAmountText::readNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    const ConventionsScope scope(conventionsOf(locale.isEmpty() ? nullptr : qPrintable(locale)));
    QCOMPARE(amounts::readNumber(text), expected);
}

void TestAmountText::readCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("digits") << "360" << 360;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("lone minus") << "-" << 0;
    QTest::newRow("fraction") << "12.5" << 0;
    QTest::newRow("grouped") << "1,200" << 1200;
}

void TestAmountText::readCount()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(amounts::readCount(text), expected);
}

void TestAmountText::fieldTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("money grouped") << "money" << 1234.5 << "1,234.50";
    QTest::newRow("money negative") << "money" << -80.0 << "-80.00";
    QTest::newRow("money millions") << "money" << 1234567.891 << "1,234,567.89";
    QTest::newRow("money tiny negative has no sign") << "money" << -0.001 << "0.00";
    QTest::newRow("rate") << "rate" << 8.75 << "8.7500";
    QTest::newRow("rate tiny negative has no sign") << "rate" << -0.00001 << "0.0000";
    QTest::newRow("count") << "count" << 360.0 << "360";
}

void TestAmountText::fieldTexts()
{
    QFETCH(QString, kind);
    QFETCH(double, value);
    QFETCH(QString, expected);
    const QString text = kind == QLatin1String("money") ? moneyFieldText(value)
                         : kind == QLatin1String("rate") ? rateFieldText(value)
                                                         : countFieldText(static_cast<int>(value));
    QCOMPARE(text, expected);
}

void TestAmountText::currencyText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive") << QString() << 1234.5 << 15 << 2 << "$1,234.50";
    QTest::newRow("negative in parentheses") << QString() << -1234.5 << 15 << 2 << "($1,234.50)";
    QTest::newRow("zero") << QString() << 0.0 << 15 << 2 << "$0.00";
    QTest::newRow("negative rounding to zero has no sign") << QString() << -0.004 << 15 << 2 << "$0.00";
    QTest::newRow("precision 10 keeps ten digits") << QString() << 123456789.126 << 10 << 2 << "$123,456,789.10";
    QTest::newRow("no decimals rounds") << QString() << 1234.56 << 12 << 0 << "$1,235";
    QTest::newRow("decimals filled with zeros") << QString() << 7.0 << 12 << 2 << "$7.00";
    QTest::newRow("de_DE positive") << "de_DE" << 1234.5 << 15 << 2 << QString::fromUtf8("1.234,50 €");
    QTest::newRow("de_DE negative") << "de_DE" << -1234.5 << 15 << 2 << QString::fromUtf8("-1.234,50 €");
    QTest::newRow("C locale uses United States") << "C" << -1234.5 << 15 << 2 << "($1,234.50)";
}

void TestAmountText::currencyText()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(int, decimals);
    QFETCH(QString, expected);
    const ConventionsScope scope(conventionsOf(locale.isEmpty() ? nullptr : qPrintable(locale)));
    QCOMPARE(amounts::currencyText(value, precision, decimals), expected);
}

void TestAmountText::currencyTextLargeIsScientific()
{
    // More integer digits than the precision: scientific notation.
    const QString text = amounts::currencyText(1.5e16, 15, 2);
    QVERIFY2(text.startsWith(QLatin1String("$1.5E")) && text.endsWith(QLatin1String("E16")), qPrintable(text));
    QCOMPARE(amounts::currencyText(-1.5e16, 15, 2), QStringLiteral("(") + text + QStringLiteral(")"));
    // Arithmetic gone wrong is reported, never shown as "inf".
    QVERIFY_THROWS_EXCEPTION(ArithmeticError, amounts::currencyText(std::numeric_limits<double>::infinity(), 15, 2));
}

void TestAmountText::textToCurrency_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("letters around") << "abc 12.5 xyz" << 12.5;
    QTest::newRow("grouped") << "1,234.50" << 1234.5;
    QTest::newRow("leading minus") << "-3.25" << -3.25;
    QTest::newRow("second sign ends the span") << "3-2" << 3.0;
    QTest::newRow("no separator after the decimal one") << "1.5,000" << 1.5;
    QTest::newRow("four decimals") << "12.345678" << 12.3457;
    QTest::newRow("prepayment list line") << "12 250.00" << 12.0;
}

void TestAmountText::textToCurrency()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(TextToCurrency(text), expected);
}

void TestAmountText::textToCurrencyErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing of an amount") << "abc";
    QTest::newRow("empty") << "";
    QTest::newRow("currency symbol in the span") << "$12.50";
    QTest::newRow("sign alone") << "x - y";
}

void TestAmountText::textToCurrencyErrors()
{
    QFETCH(QString, text);
    try {
        TextToCurrency(text);
        QFAIL("no conversion error");
    } catch (const ConversionError& e) {
        QCOMPARE(QString::fromStdString(e.what()), text + QStringLiteral(" is not a valid currency value!"));
    }
}

void TestAmountText::changeCurrencyStringToFloat()
{
    QCOMPARE(ChangeCurrencyStringToFloat(QStringLiteral("$12,345.67")), 12345.67);
    QCOMPARE(ChangeCurrencyStringToFloat(QStringLiteral("$-80.00")), -80.0);
    QVERIFY_THROWS_EXCEPTION(ConversionError, ChangeCurrencyStringToFloat(QStringLiteral("$abc")));
    QVERIFY_THROWS_EXCEPTION(ConversionError, ChangeCurrencyStringToFloat(QStringLiteral("$")));
}

void TestAmountText::stripCurrencySymbols_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("parentheses negative") << QString() << "($1,234.56)" << "-1234.56";
    QTest::newRow("positive") << QString() << "$1,234.56" << "1234.56";
    QTest::newRow("percent") << QString() << "12.5%" << "12.5";
    QTest::newRow("minus sign is dropped") << QString() << "$-80.00" << "80.00";
    QTest::newRow("letters and blanks") << QString() << "USD 1,000.00" << "1000.00";
    QTest::newRow("de_DE keeps the decimal comma") << "de_DE" << QString::fromUtf8("1.234,56 €") << "1234,56";
}

void TestAmountText::stripCurrencySymbols()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const ConventionsScope scope(conventionsOf(locale.isEmpty() ? nullptr : qPrintable(locale)));
    QCOMPARE(StripCurrencySymbols(text), expected);
}

void TestAmountText::parseDateTexts()
{
    QCOMPARE(ParseYear(QStringLiteral("Jan 2000")), QStringLiteral("2000"));
    QCOMPARE(ParseMonth(QStringLiteral("Jan 2000")), QStringLiteral("Jan"));
}

void TestAmountText::conventionsFromLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<QString>("negative");
    QTest::newRow("en_US") << "en_US" << "." << "," << QString::fromUtf8("(¤n)");
    QTest::newRow("C") << "C" << "." << "," << QString::fromUtf8("(¤n)");
    QTest::newRow("de_DE") << "de_DE" << "," << "." << QString::fromUtf8("-n ¤");
}

void TestAmountText::conventionsFromLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, decimal);
    QFETCH(QString, thousands);
    QFETCH(QString, negative);
    const RegionalConventions r = RegionalConventions::fromLocale(QLocale(locale));
    QCOMPARE(QString(r.decimalSeparator), decimal);
    QCOMPARE(QString(r.thousandsSeparator), thousands);
    QCOMPARE(r.negativePattern, negative);
}

LARKSPAN_TEST_MAIN(TestAmountText)
#include "tst_amounttext.moc"
