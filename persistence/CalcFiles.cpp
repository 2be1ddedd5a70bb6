#include "persistence/CalcFiles.h"

#include "engine/Errors.h"
#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "persistence/CalcFileTable.h"
#include "persistence/ControlValues.h"
#include "persistence/TextFiles.h"
#include "persistence/ValueText.h"
#include "shell/AppState.h"
#include "shell/Dialogs.h"
#include "shell/Pages.h"
#include "shell/Reset.h"
#include "shell/ShellServices.h"
#include "shell/StringGrid.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QWidget>
#include <cmath>

namespace larkspan {

namespace {

const QString kCaption = QStringLiteral("Larkspan 2.0");
const QString kFilter = QStringLiteral("Larkspan File (*.lkp)");
const QString kScheduleGrid = QStringLiteral("grdMonthlyAmortization");
constexpr int kScheduleCells = 8;

// The main window itself, for its caption and repaint.
QWidget* mainWindow(ShellServices& shell)
{
    return dynamic_cast<QWidget*>(&shell);
}

void setCaption(ShellServices& shell, const QString& caption)
{
    if (QWidget* w = mainWindow(shell))
        w->setWindowTitle(caption);
}

void repaint(ShellServices& shell)
{
    if (QWidget* w = mainWindow(shell))
        w->update();
}

AmortizationPage* amortizationPage(ShellServices& shell)
{
    return qobject_cast<AmortizationPage*>(shell.page(pages::Amortization));
}

void createPrepaymentList(ShellServices& shell)
{
    if (AmortizationPage* p = amortizationPage(shell))
        p->CreatePrepaymentList();
}

[[noreturn]] void badLine(int line, const QString& text, const char* what)
{
    throw ConversionError("line " + std::to_string(line) + ": '" + text.toStdString() + "' is not a valid " + what);
}

QString wholeText(double value)
{
    return QString::number(static_cast<qint64>(std::llround(value)));
}

// The text of one value line, taken from its page control or state value.
// A control that does not exist gives an empty line (a readable one where
// the line must convert).
QString lineText(ShellServices& shell, const CalcLine& line)
{
    const QWidget* c = line.control.isEmpty() ? nullptr : shell.control(line.control);
    switch (line.kind) {
    case LineKind::Header: return kCalcFileHeader.toString();
    case LineKind::StateWhole: return wholeText(statevalues::number(shell.state(), line.state));
    case LineKind::StateReal: return valuetext::realText(statevalues::number(shell.state(), line.state));
    case LineKind::FieldText:
    case LineKind::Label:
    case LineKind::BoxText: return controls::text(c);
    case LineKind::FieldWhole: return QString::number(controls::fieldWholeValue(c));
    case LineKind::Tick: return controls::tick(c) ? QStringLiteral("-1") : QStringLiteral("0");
    case LineKind::ChosenItem: return QString::number(c ? controls::chosenItem(c) : 0);
    case LineKind::Date: return valuetext::dateText(c ? controls::date(c) : QDate::currentDate());
    }
    return {};
}

// Writes the contents to `path`; the prepayment list is rebuilt afterwards,
// as after every build of the file text.
void writeCalcFile(ShellServices& shell, const QString& path)
{
    const QByteArray bytes = encodeCalcFile(gatherCalcFile(shell));
    createPrepaymentList(shell);
    textfiles::writeAll(path, bytes);
}

// Asks for a file name to save under: ".lkp" added to a name without an
// extension, and the overwrite question for an existing file. Empty when
// the user cancels or declines.
QString askSaveName(ShellServices& shell)
{
    QString path = shell.dialogs().saveFileName(QStringLiteral("Save Current Larkspan Values"), QStringLiteral("untitled.lkp"), kFilter);
    if (path.isEmpty())
        return {};
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".lkp");
    if (QFileInfo::exists(path)
        && !shell.dialogs().askYesNo(QStringLiteral("%1 already exists.\r\nDo you want to replace it?").arg(QDir::toNativeSeparators(path))))
        return {};
    return path;
}

void saveUnderNewName(ShellServices& shell)
{
    const QString path = askSaveName(shell);
    if (path.isEmpty())
        return;
    writeCalcFile(shell, path);
    setCaption(shell, kCaption + QStringLiteral(" - ") + QFileInfo(path).fileName());
}

} // namespace

// ------------------------------------------------------------------ codec

QString scheduleRowText(const QStringList& cells)
{
    return cells.join(QLatin1Char(' '));
}

QStringList scheduleRowCells(const QString& line)
{
    qsizetype pos = 0;
    auto nextWord = [&]() -> QString {
        if (pos > line.size())
            return {};
        qsizetype blank = line.indexOf(QLatin1Char(' '), pos);
        if (blank < 0)
            blank = line.size();
        const QString word = line.mid(pos, blank - pos);
        pos = blank + 1;
        return word;
    };
    QStringList cells;
    cells.reserve(kScheduleCells);
    cells << nextWord();
    const QString month = nextWord();
    const QString year = nextWord();
    cells << (month + QLatin1Char(' ') + year).trimmed();
    for (int i = 0; i < 5; ++i)
        cells << nextWord();
    QString rest = pos > line.size() ? QString() : line.mid(pos);
    while (rest.endsWith(QLatin1Char(' ')))
        rest.chop(1);
    cells << rest;
    return cells;
}

QByteArray encodeCalcFile(const CalcFileContents& contents)
{
    QString text;
    text.reserve((contents.values.size() + contents.scheduleRows.size()) * 64);
    const auto crlf = QLatin1String("\r\n");
    for (const QString& v : contents.values)
        text += v + crlf;
    for (const QStringList& row : contents.scheduleRows)
        text += scheduleRowText(row) + crlf;
    return textfiles::encode(text);
}

CalcFileContents decodeCalcFile(const QByteArray& bytes)
{
    const QString text = textfiles::decode(bytes);
    QStringList lines = text.split(QLatin1Char('\n'));
    // The line break after the last line ends it; it starts no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    CalcFileContents contents;
    contents.values = lines.mid(0, kCalcValueLines);
    while (contents.values.size() < kCalcValueLines)
        contents.values << QString();
    contents.scheduleRows.reserve(std::max<qsizetype>(0, lines.size() - kCalcValueLines));
    for (qsizetype i = kCalcValueLines; i < lines.size(); ++i)
        contents.scheduleRows << scheduleRowCells(lines.at(i));
    return contents;
}

QVector<CalcValue> checkCalcValues(const QStringList& values)
{
    const QVector<CalcLine>& table = calcFileTable();
    QVector<CalcValue> checked(table.size());
    for (int i = 1; i < table.size(); ++i) {
        const QString text = i < values.size() ? values.at(i) : QString();
        CalcValue& v = checked[i];
        v.text = text;
        switch (table.at(i).kind) {
        case LineKind::StateWhole:
        case LineKind::FieldWhole:
        case LineKind::Tick:
        case LineKind::ChosenItem: {
            const std::optional<int> n = valuetext::parseInteger(text);
            if (!n)
                badLine(i, text, "integer value");
            v.number = *n;
            break;
        }
        case LineKind::StateReal: {
            const std::optional<double> n = valuetext::parseReal(text);
            if (!n)
                badLine(i, text, "floating point value");
            v.number = *n;
            break;
        }
        case LineKind::Date: {
            const std::optional<QDate> d = valuetext::parseDate(text);
            if (!d)
                badLine(i, text, "date");
            v.date = *d;
            break;
        }
        case LineKind::Header:
        case LineKind::FieldText:
        case LineKind::Label:
        case LineKind::BoxText:
            break;
        }
    }
    return checked;
}

// --------------------------------------------------------- pages <-> file

CalcFileContents gatherCalcFile(ShellServices& shell)
{
    CalcFileContents contents;
    const QVector<CalcLine>& table = calcFileTable();
    contents.values.reserve(table.size());
    for (const CalcLine& line : table)
        contents.values << lineText(shell, line);
    if (const auto* grid = qobject_cast<const TStringGrid*>(shell.control(kScheduleGrid))) {
        const int columns = std::min(grid->colCount(), kScheduleCells);
        contents.scheduleRows.reserve(std::max(0, grid->rowCount() - 1));
        for (int r = 1; r < grid->rowCount(); ++r) {
            QStringList cells;
            cells.reserve(columns);
            for (int c = 0; c < columns; ++c)
                cells << grid->cell(c, r);
            contents.scheduleRows << cells;
        }
    }
    return contents;
}

void applyCalcFile(ShellServices& shell, const QVector<CalcValue>& values, const QVector<QStringList>& scheduleRows)
{
    const QVector<CalcLine>& table = calcFileTable();
    for (int i = 1; i < table.size() && i < values.size(); ++i) {
        const CalcLine& line = table.at(i);
        const CalcValue& v = values.at(i);
        if (line.kind == LineKind::StateWhole || line.kind == LineKind::StateReal) {
            statevalues::setNumber(shell.state(), line.state, v.number);
            continue;
        }
        QWidget* c = shell.control(line.control);
        if (!c)
            continue;
        switch (line.kind) {
        case LineKind::FieldText:
        case LineKind::Label:
        case LineKind::BoxText: controls::setText(c, v.text); break;
        case LineKind::FieldWhole: controls::setFieldValue(c, v.number); break;
        case LineKind::Tick: controls::setTick(c, v.number != 0); break;
        case LineKind::ChosenItem: controls::setChosenItem(c, static_cast<int>(v.number)); break;
        case LineKind::Date: controls::setDate(c, v.date); break;
        case LineKind::Header:
        case LineKind::StateWhole:
        case LineKind::StateReal: break;
        }
    }

    if (auto* grid = qobject_cast<TStringGrid*>(shell.control(kScheduleGrid))) {
        if (grid->colCount() < kScheduleCells)
            grid->setColCount(kScheduleCells);
        grid->setRowCount(1 + static_cast<int>(scheduleRows.size()));
        for (int r = 0; r < scheduleRows.size(); ++r)
            grid->cells().setRow(r + 1, scheduleRows.at(r));
    }
    AmortizationPage* amortization = amortizationPage(shell);
    if (amortization)
        amortization->FillGrdAnnualAmortization();
    createPrepaymentList(shell);
    if (shell.activePageName() == pages::CompareLoans)
        if (auto* calculator = qobject_cast<LoanCalculatorPage*>(shell.page(pages::CompareLoans)))
            calculator->ChooseMarigridCalculator();
}

// ---------------------------------------------------------------- actions

void SaveCalculationFile(ShellServices& shell)
{
    const QString current = shell.state().CurrentFileName;
    if (!current.isEmpty())
        writeCalcFile(shell, current);
    else
        saveUnderNewName(shell);
    repaint(shell);
}

void SaveCalculationFileAs(ShellServices& shell)
{
    saveUnderNewName(shell);
    repaint(shell);
    createPrepaymentList(shell);
}

void CloseCalculationFile(ShellServices& shell)
{
    if (shell.state().CurrentFileName.isEmpty())
        return;
    RestoreZeroValues(shell);
    setCaption(shell, kCaption);
}

void OpenCalculationFile(ShellServices& shell)
{
    CloseCalculationFile(shell);
    const QString path = shell.dialogs().openFileName(QStringLiteral("Open Previously Saved Larkspan Files"), QStringLiteral("*.lkp"), kFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path)) {
        // The whole file is read and checked before anything is applied: a
        // bad line leaves every page, the current file and the caption as
        // they were.
        const CalcFileContents contents = decodeCalcFile(textfiles::readAll(path));
        const QVector<CalcValue> values = checkCalcValues(contents.values);
        applyCalcFile(shell, values, contents.scheduleRows);
        AppState& state = shell.state();
        state.CurrentFileName = path;
        const QString month = controls::text(shell.control(QStringLiteral("cbMonth")));
        for (int m = 1; m <= 12; ++m)
            if (month == QLocale::c().monthName(m, QLocale::ShortFormat))
                state.StoredMonth = m;
        if (const QWidget* year = shell.control(QStringLiteral("edtYear")))
            state.StoredYear = controls::fieldWholeValue(year);
    }
    setCaption(shell, kCaption + QStringLiteral(" - ") + QFileInfo(path).fileName());
    if (AmortizationPage* amortization = amortizationPage(shell)) {
        amortization->CalcAmortization();
        amortization->CreatePrepaymentList();
    }
    repaint(shell);
}

} // namespace larkspan
