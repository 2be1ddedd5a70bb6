// The settings file: our INI document, the value texts, whole-file reading
// and writing, and the settings surviving a restart of the main window.

#include "persistence/IniFile.h"
#include "persistence/IniSetup.h"
#include "persistence/SettingsTable.h"
#include "persistence/TextFiles.h"
#include "persistence/ValueText.h"
#include "shell/AppState.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <unistd.h>

using namespace larkspan;

namespace {
QString iniPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("Larkspan/larkspan.ini"));
}

void writeIni(const QString& text)
{
    QDir().mkpath(QFileInfo(iniPath()).absolutePath());
    textfiles::writeAll(iniPath(), text.toUtf8());
}

IniFile readIni()
{
    return IniFile::parse(textfiles::decode(textfiles::readAll(iniPath())));
}

// Starts the program, lets `during` act on the running window, and closes it
// (the settings are written).
template <class F>
void run(F during)
{
    test::MainWindowFixture f;
    during(f);
    f.window().close();
}
} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        test::dialogs().clear();
        test::removeSettings();
    }

    void iniKeepsOrderAndPlainValues()
    {
        IniFile ini = IniFile::parse(QStringLiteral("; comment\r\n[B]\r\nz=1\r\nAmount=$1,234.50\r\na=x=y\r\n\r\n[A]\r\nk=v\r\n"));
        QCOMPARE(ini.sections(), QStringList({QStringLiteral("B"), QStringLiteral("A")}));
        QCOMPARE(ini.keys(QStringLiteral("B")), QStringList({QStringLiteral("z"), QStringLiteral("Amount"), QStringLiteral("a")}));
        QCOMPARE(ini.value(QStringLiteral("b"), QStringLiteral("AMOUNT")), QStringLiteral("$1,234.50"));
        QCOMPARE(ini.value(QStringLiteral("B"), QStringLiteral("a")), QStringLiteral("x=y"));
        QVERIFY(!ini.value(QStringLiteral("A"), QStringLiteral("z")));
        ini.setValue(QStringLiteral("B"), QStringLiteral("z"), QStringLiteral("2"));
        ini.setValue(QStringLiteral("C"), QStringLiteral("n"), QStringLiteral("3"));
        QCOMPARE(ini.toText(), QStringLiteral("[B]\r\nz=2\r\nAmount=$1,234.50\r\na=x=y\r\n\r\n[A]\r\nk=v\r\n\r\n[C]\r\nn=3\r\n"));
    }

    void valueTexts()
    {
        QCOMPARE(valuetext::parseInteger(QStringLiteral("0x10")), std::optional<int>(16));
        QCOMPARE(valuetext::parseInteger(QStringLiteral(" -7 ")), std::optional<int>(-7));
        QVERIFY(!valuetext::parseInteger(QStringLiteral("abc")));
        QVERIFY(!valuetext::parseInteger(QStringLiteral("1.5")));
        QCOMPARE(valuetext::parseReal(QStringLiteral("8.75")), std::optional<double>(8.75));
        QVERIFY(!valuetext::parseReal(QStringLiteral("1,031.86")));
        QVERIFY(!valuetext::parseReal(QStringLiteral("inf")));
        QCOMPARE(valuetext::realText(50000), QStringLiteral("50000"));
        const QDateTime noon(QDate(2012, 7, 4), QTime(14, 5, 9));
        QCOMPARE(valuetext::dateTimeText(noon), QStringLiteral("7/4/2012 14:05:09"));
        QCOMPARE(valuetext::dateTimeText(QDateTime(QDate(1999, 12, 31), QTime(0, 0))), QStringLiteral("12/31/1999"));
        QCOMPARE(valuetext::parseDateTime(valuetext::dateTimeText(noon)), std::optional<QDateTime>(noon));
        QVERIFY(!valuetext::parseDateTime(QStringLiteral("not a date")));
    }

    void textEncodings()
    {
        QCOMPARE(textfiles::decode(QByteArray("Caf\xc3\xa9")), QStringLiteral("Café"));
        QCOMPARE(textfiles::decode(QByteArray("\xef\xbb\xbfX")), QStringLiteral("X"));
        // Not valid UTF-8: read as Windows-1252, euro sign included.
        QCOMPARE(textfiles::decode(QByteArray("Caf\xe9 \x80")), QStringLiteral("Café €"));
    }

    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.ini"));
        textfiles::writeAll(path, "old");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, textfiles::writeAll(dir.filePath(QStringLiteral("missing/a.ini")), "new"));
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY_THROWS_EXCEPTION(std::runtime_error, textfiles::writeAll(path, "new"));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(textfiles::readAll(path), QByteArray("old"));
    }

    void tableNamesResolve()
    {
        test::MainWindowFixture f;
        QStringList missing;
        for (const SettingsKey& k : settingsTable())
            if (!k.control.isEmpty() && !f.window().control(k.control))
                missing << k.control;
        if (!missing.isEmpty())
            qWarning("settings keys without a control yet: %s", qPrintable(missing.join(QLatin1Char(' '))));
    }

    void firstStartWithoutFile()
    {
        run([](test::MainWindowFixture& f) {
            QCOMPARE(test::dialogs().helpTopics, QList<int>{10000});
            QCOMPARE(f.window().state().FrequencyCode, 6);
            QCOMPARE(f.window().state().PeriodsPerYear, 12.0);
            QCOMPARE(f.window().state().StoredDownpayment, 20000.0);
            if (auto* item = f.window().findChild<QLineEdit*>(QStringLiteral("edtBudgetItem11")))
                QCOMPARE(item->text(), QStringLiteral("Pet Expenses"));
        });
        QVERIFY(test::dialogs().messages.isEmpty());
        // Closing created the file with every key, in the table's order.
        const IniFile ini = readIni();
        QStringList written, expected;
        for (const SettingsKey& k : settingsTable())
            if (k.direction != Direction::ReadOnly && (k.control.isEmpty() || ini.value(k.section, k.key)))
                expected << k.section + QLatin1Char('/') + k.key;
        for (const QString& s : ini.sections())
            for (const QString& key : ini.keys(s))
                written << s + QLatin1Char('/') + key;
        QCOMPARE(written, expected);
        QCOMPARE(ini.value(QStringLiteral("GeneralValues"), QStringLiteral("Run")).value_or(QString()), QStringLiteral("1"));
        QCOMPARE(ini.value(QStringLiteral("GeneralValues"), QStringLiteral("Downpayment")).value_or(QString()), QStringLiteral("20000"));
        // A second start opens no help.
        test::dialogs().clear();
        run([](test::MainWindowFixture&) { QVERIFY(test::dialogs().helpTopics.isEmpty()); });
    }

    void handWrittenValues()
    {
        writeIni(QStringLiteral("[GeneralValues]\r\nRun=1\r\nTerm=0x10\r\nYear=2012\r\nLoan=oops\r\nLastUpdate=31/31/31\r\n"
                                "[Networth]\r\nAsset3=letters\r\nAsset4=1234.5\r\nAssets=$999.00\r\n"
                                "[FutureValue]\r\nBeginDate=garbage\r\n"));
        run([](test::MainWindowFixture& f) {
            AppState& s = f.window().state();
            QCOMPARE(s.StoredYear, 2012);
            QVERIFY(s.LastUpdate.isValid());
            if (auto* a3 = f.field<QLineEdit>(QStringLiteral("edtAsset3")))
                QCOMPARE(a3->text(), QStringLiteral("0.00"));
            if (auto* a4 = f.field<QLineEdit>(QStringLiteral("edtAsset4")))
                QCOMPARE(a4->text(), QStringLiteral("1,234.50"));
            if (auto* total = f.window().findChild<QLabel*>(QStringLiteral("lblNWAssets")))
                QVERIFY(total->text() != QStringLiteral("$999.00"));
        });
        QVERIFY(test::dialogs().messages.isEmpty());
        const IniFile ini = readIni();
        QCOMPARE(ini.value(QStringLiteral("GeneralValues"), QStringLiteral("Year")).value_or(QString()), QStringLiteral("2012"));
    }

    void loanAndBudgetNameSurviveRestart()
    {
        bool haveLoan = false, haveItem = false;
        run([&](test::MainWindowFixture& f) {
            if (auto* loan = f.window().findChild<QLineEdit*>(QStringLiteral("edtLoan"))) {
                haveLoan = true;
                loan->setText(QStringLiteral("75,000.00"));
            }
            if (auto* item = f.window().findChild<QLineEdit*>(QStringLiteral("edtBudgetItem11"))) {
                haveItem = true;
                item->setText(QStringLiteral("Garden"));
            }
        });
        if (haveLoan)
            QCOMPARE(readIni().value(QStringLiteral("CompareConsolidationLoans"), QStringLiteral("Loan")).value_or(QString()), QStringLiteral("75000"));
        run([&](test::MainWindowFixture& f) {
            if (haveLoan)
                QCOMPARE(f.field<QLineEdit>(QStringLiteral("edtLoan"))->text(), QStringLiteral("75,000.00"));
            if (haveItem)
                QCOMPARE(f.field<QLineEdit>(QStringLiteral("edtBudgetItem11"))->text(), QStringLiteral("Garden"));
        });
        if (!haveLoan || !haveItem)
            qWarning("edtLoan or edtBudgetItem11 not built yet");
    }

    void unwritableSettingsReachGenericMessage()
    {
        // The settings folder is taken by a plain file: nothing can be written.
        const QString folder = QFileInfo(iniPath()).absolutePath();
        QDir().mkpath(QFileInfo(folder).absolutePath());
        textfiles::writeAll(folder, "not a folder");
        run([](test::MainWindowFixture&) {});
        QCOMPARE(test::dialogs().messages.size(), 1);
        QVERIFY(test::dialogs().messages.first().startsWith(QStringLiteral("An error has occurred.")));
        QFile::remove(folder);
    }
};

LARKSPAN_TEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
