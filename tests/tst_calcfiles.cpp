// Calculation files: the line codec on its own, and saving and opening
// through the main window's commands.

#include "engine/Errors.h"
#include "persistence/CalcFileTable.h"
#include "persistence/CalcFiles.h"
#include "persistence/ControlValues.h"
#include "persistence/TextFiles.h"
#include "shell/AppState.h"
#include "shell/StringGrid.h"
#include "support/Fixtures.h"
#include "support/TestMain.h"

#include <QTemporaryDir>
#include <unistd.h>

using namespace larkspan;

namespace {
const QString kGeneric = QStringLiteral("An error has occurred.");

// Runs a command the way the application's handler would see it.
template <class F>
void command(TfrmMain& w, F f)
{
    try {
        f();
    } catch (...) {
        w.AppOnException(std::current_exception());
    }
}

QStringList fileLines(const QString& path)
{
    QStringList lines = textfiles::decode(textfiles::readAll(path)).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

// A distinct, readable value for every line of the table, put into the
// pages; returns the lines that have a control to compare.
QList<int> fillEveryLine(TfrmMain& w)
{
    QList<int> present;
    QStringList missing;
    const QVector<CalcLine>& table = calcFileTable();
    for (int i = 1; i < table.size(); ++i) {
        const CalcLine& line = table.at(i);
        if (line.control.isEmpty())
            continue;
        QWidget* c = w.control(line.control);
        if (!c) {
            missing << line.control;
            continue;
        }
        present << i;
        switch (line.kind) {
        case LineKind::FieldWhole: controls::setFieldValue(c, 2000 + i); break;
        case LineKind::Tick: controls::setTick(c, i % 2 == 0); break;
        case LineKind::ChosenItem: controls::setChosenItem(c, 1); break;
        case LineKind::Date: controls::setDate(c, QDate(2011, 3, i - 240)); break;
        default: controls::setText(c, QStringLiteral("v%1 é").arg(i)); break;
        }
    }
    if (!missing.isEmpty())
        qWarning("file lines without a control yet: %s", qPrintable(missing.join(QLatin1Char(' '))));
    return present;
}
} // namespace

class TestCalcFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        test::dialogs().clear();
        test::removeSettings();
    }

    void tableLayout()
    {
        const QVector<CalcLine>& t = calcFileTable();
        QCOMPARE(t.size(), kCalcValueLines);
        const QList<std::pair<int, QString>> spots = {
            {7, QStringLiteral("edtAsset1")}, {57, QStringLiteral("lblNWNetworth")}, {148, QStringLiteral("chbTDConsolidate13")},
            {191, QStringLiteral("edtCCTerm")}, {192, QStringLiteral("edtLoan")}, {209, QStringLiteral("edtYear")},
            {230, QStringLiteral("edtdebt8")}, {245, QStringLiteral("dtpBeginDate")}, {264, QStringLiteral("edtBudgetItem10")},
            {265, QStringLiteral("edtBudgetItem12")}, {303, QStringLiteral("lblBudgetBalance")},
        };
        for (const auto& [line, name] : spots)
            QCOMPARE(t.at(line).control, name);
        for (const CalcLine& l : t)
            QVERIFY(l.control != QStringLiteral("edtBudgetItem11"));
    }

    void scheduleRowCells_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("full") << "1 Jan 2000 $5,057.53 $729.17 $5,057.53 $729.17 $5,000.00 $94,942.47"
                              << QStringList{"1", "Jan 2000", "$5,057.53", "$729.17", "$5,057.53", "$729.17", "$5,000.00", "$94,942.47"};
        QTest::newRow("rest with trailing blanks") << "2 Feb 2000 a b c d e f g  "
                                                   << QStringList{"2", "Feb 2000", "a", "b", "c", "d", "e", "f g"};
        QTest::newRow("fewer words") << "3 Mar" << QStringList{"3", "Mar", "", "", "", "", "", ""};
        QTest::newRow("empty row") << "       " << QStringList{"", "", "", "", "", "", "", ""};
    }
    void scheduleRowCells()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, cells);
        QCOMPARE(larkspan::scheduleRowCells(line), cells);
    }

    void codecRoundTripAndShortFile()
    {
        CalcFileContents c;
        for (int i = 0; i < kCalcValueLines; ++i)
            c.values << QStringLiteral("x%1").arg(i);
        c.scheduleRows << larkspan::scheduleRowCells(QStringLiteral("1 Jan 2000 a b c d e f"));
        const QByteArray bytes = encodeCalcFile(c);
        QVERIFY(bytes.startsWith("x0\r\nx1\r\n"));
        QVERIFY(bytes.endsWith("1 Jan 2000 a b c d e f\r\n"));
        const CalcFileContents back = decodeCalcFile(bytes);
        QCOMPARE(back.values, c.values);
        QCOMPARE(back.scheduleRows, c.scheduleRows);

        const CalcFileContents shortFile = decodeCalcFile("Larkspan 2.0\r\n1\r\n");
        QCOMPARE(shortFile.values.size(), kCalcValueLines);
        QVERIFY(shortFile.values.at(2).isEmpty());
        QVERIFY(shortFile.scheduleRows.isEmpty());
    }

    void checkRejectsBadLines()
    {
        test::MainWindowFixture f;
        const QStringList good = gatherCalcFile(f.window()).values;
        QVERIFY(checkCalcValues(good).size() == kCalcValueLines);
        for (const int line : {1, 2, 136, 191, 197, 245}) {
            QStringList bad = good;
            bad[line] = QStringLiteral("abc");
            QVERIFY_THROWS_EXCEPTION(ConversionError, checkCalcValues(bad));
        }
        QVERIFY_THROWS_EXCEPTION(ConversionError, checkCalcValues(good.mid(0, 100)));
    }

    void saveAndOpenGiveEverythingBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("mine.lkp"));
        test::MainWindowFixture f;
        TfrmMain& w = f.window();
        const QList<int> present = fillEveryLine(w);
        w.state().StoredLoan = 50000;
        w.state().StoredTerm = 60;
        QString item11;
        if (QWidget* c = w.control(QStringLiteral("edtBudgetItem11"))) {
            controls::setText(c, QStringLiteral("kept in settings only"));
            item11 = controls::text(c);
        }
        auto* grid = qobject_cast<TStringGrid*>(w.control(QStringLiteral("grdMonthlyAmortization")));
        if (grid) {
            grid->setColCount(8);
            grid->setRowCount(4);
            for (int r = 1; r < 4; ++r)
                grid->cells().setRow(r, {QString::number(r), QStringLiteral("Jan 2000"), "$1.00", "$2.00", "$3.00", "$4.00", "$5.00", "$1,006.00"});
        }
        const CalcFileContents saved = gatherCalcFile(w);

        test::dialogs().fileAnswers.enqueue(dir.filePath(QStringLiteral("mine"))); // ".lkp" is added
        command(w, [&] { SaveCalculationFile(w); });
        QVERIFY(test::dialogs().messages.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Larkspan 2.0 - mine.lkp"));
        QVERIFY(w.state().CurrentFileName.isEmpty());
        const QStringList lines = fileLines(path);
        QCOMPARE(lines.size(), kCalcValueLines + (grid ? 3 : 0));
        QCOMPARE(lines.at(0), QStringLiteral("Larkspan 2.0"));
        QCOMPARE(lines.at(2), QStringLiteral("50000"));
        QCOMPARE(lines.at(4), QStringLiteral("60"));
        if (grid)
            QCOMPARE(lines.at(kCalcValueLines), QStringLiteral("1 Jan 2000 $1.00 $2.00 $3.00 $4.00 $5.00 $1,006.00"));

        // Change everything, then open the file again.
        for (int i : present)
            if (calcFileTable().at(i).kind == LineKind::FieldText)
                controls::setText(w.control(calcFileTable().at(i).control), QStringLiteral("changed"));
        w.state().StoredLoan = 1;
        test::dialogs().fileAnswers.enqueue(path);
        command(w, [&] { OpenCalculationFile(w); });
        QVERIFY(test::dialogs().messages.isEmpty());
        QCOMPARE(w.state().CurrentFileName, path);
        QCOMPARE(w.state().StoredLoan, 50000.0);
        // Opening ends by computing the schedule again, which rewrites its
        // labels (lines 198-207) and grid; every other line comes back.
        const CalcFileContents opened = gatherCalcFile(w);
        for (int i : present)
            if (i < 198 || i > 207)
                QCOMPARE(opened.values.at(i), saved.values.at(i));
        // Taking the values out, before that computation, gives back all.
        // (The prepayment list keeps the grid at the schedule's length.)
        w.state().ScheduleTerm = static_cast<int>(saved.scheduleRows.size());
        applyCalcFile(w, checkCalcValues(saved.values), saved.scheduleRows);
        const CalcFileContents applied = gatherCalcFile(w);
        for (int i : present)
            QCOMPARE(applied.values.at(i), saved.values.at(i));
        if (grid)
            QCOMPARE(applied.scheduleRows, saved.scheduleRows);
        if (QWidget* c = w.control(QStringLiteral("edtBudgetItem11")))
            QCOMPARE(controls::text(c), item11); // no line of its own: left as it was
    }

    void savesWithoutOpenFileBothAsk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.lkp"));
        test::MainWindowFixture f;
        TfrmMain& w = f.window();
        test::dialogs().fileAnswers << path << path;
        test::dialogs().yesNoAnswers << true;
        command(w, [&] { SaveCalculationFile(w); });
        const QByteArray first = textfiles::readAll(path);
        w.state().StoredLoan = 12345;
        command(w, [&] { SaveCalculationFile(w); });
        QCOMPARE(test::dialogs().fileDialogTitles,
                 QStringList(2, QStringLiteral("Save Current Larkspan Values")));
        QCOMPARE(test::dialogs().questions.size(), 1); // the overwrite question, answered Yes
        QVERIFY(textfiles::readAll(path) != first);
        // Declining the overwrite question keeps the file.
        test::dialogs().fileAnswers << path;
        const QByteArray second = textfiles::readAll(path);
        w.state().StoredLoan = 1;
        command(w, [&] { SaveCalculationFileAs(w); });
        QCOMPARE(textfiles::readAll(path), second);
    }

    void openThenCancelledOpenKeepsCurrentFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.lkp"));
        test::MainWindowFixture f;
        TfrmMain& w = f.window();
        test::dialogs().fileAnswers << path << path;
        command(w, [&] { SaveCalculationFile(w); });
        command(w, [&] { OpenCalculationFile(w); });
        QCOMPARE(w.state().CurrentFileName, path);
        command(w, [&] { OpenCalculationFile(w); }); // cancelled
        QCOMPARE(w.state().CurrentFileName, path);
        QCOMPARE(w.windowTitle(), QStringLiteral("Larkspan 2.0")); // the close step ran
        QVERIFY(test::dialogs().messages.isEmpty());
        // Saving now writes to the current file without a dialog.
        test::dialogs().fileDialogTitles.clear();
        command(w, [&] { SaveCalculationFile(w); });
        QVERIFY(test::dialogs().fileDialogTitles.isEmpty());
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<int>("keepLines");
        QTest::addColumn<int>("badLine");
        QTest::newRow("line 1 not a number") << kCalcValueLines << 1;
        QTest::newRow("truncated file") << 140 << -1;
        QTest::newRow("bad date near the end") << kCalcValueLines << 246;
    }
    void badFilesChangeNothing()
    {
        QFETCH(int, keepLines);
        QFETCH(int, badLine);
        QTemporaryDir dir;
        const QString good = dir.filePath(QStringLiteral("good.lkp"));
        const QString bad = dir.filePath(QStringLiteral("bad.lkp"));
        test::MainWindowFixture f;
        TfrmMain& w = f.window();
        fillEveryLine(w);
        test::dialogs().fileAnswers << good;
        command(w, [&] { SaveCalculationFile(w); });
        QStringList lines = fileLines(good).mid(0, keepLines);
        if (badLine >= 0)
            lines[badLine] = QStringLiteral("abc");
        textfiles::writeAll(bad, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        // Change the pages so that a half-applied file would show.
        for (const CalcLine& l : calcFileTable())
            if (l.kind == LineKind::FieldText)
                if (QWidget* c = w.control(l.control))
                    controls::setText(c, QStringLiteral("before"));
        w.setWindowTitle(QStringLiteral("Larkspan 2.0"));
        const CalcFileContents before = gatherCalcFile(w);
        test::dialogs().fileAnswers << bad;
        command(w, [&] { OpenCalculationFile(w); });
        QCOMPARE(test::dialogs().messages.size(), 1);
        QVERIFY(test::dialogs().messages.first().startsWith(kGeneric));
        QVERIFY(w.state().CurrentFileName.isEmpty());
        QCOMPARE(w.windowTitle(), QStringLiteral("Larkspan 2.0"));
        QCOMPARE(gatherCalcFile(w).values, before.values);
    }

    void failedWriteKeepsOldFile()
    {
        QTemporaryDir dir;
        test::MainWindowFixture f;
        TfrmMain& w = f.window();
        // A folder that does not exist: the generic message, nothing written.
        w.state().CurrentFileName = dir.filePath(QStringLiteral("missing/a.lkp"));
        command(w, [&] { SaveCalculationFile(w); });
        QCOMPARE(test::dialogs().messages.size(), 1);
        QVERIFY(test::dialogs().messages.first().startsWith(kGeneric));
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        const QString path = dir.filePath(QStringLiteral("a.lkp"));
        textfiles::writeAll(path, "old");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        w.state().CurrentFileName = path;
        command(w, [&] { SaveCalculationFile(w); });
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(test::dialogs().messages.size(), 2);
        QCOMPARE(textfiles::readAll(path), QByteArray("old"));
    }
};

LARKSPAN_TEST_MAIN(TestCalcFiles)
#include "tst_calcfiles.moc"
