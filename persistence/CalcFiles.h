#pragma once
// Calculation files (".lkp"): every page's values and the payoff schedule.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

namespace larkspan {
class ShellServices;

// The File menu and tool-bar actions.
void OpenCalculationFile(ShellServices& shell);   // btnOpenClick
void SaveCalculationFile(ShellServices& shell);   // btnSaveClick
void SaveCalculationFileAs(ShellServices& shell); // mnuFileSaveAsClick
void CloseCalculationFile(ShellServices& shell);  // mnuFileCloseClick

// --- The file's lines, apart from the window ---------------------------------

// A file's content: the 304 value lines, then one row of cells per row of
// the monthly schedule.
struct CalcFileContents {
    QStringList values;
    QVector<QStringList> scheduleRows;
};

// One value line checked and converted by its kind.
struct CalcValue {
    QString text;
    double number = 0;
    QDate date;
};

// The text of a file, UTF-8 with CR LF line ends.
QByteArray encodeCalcFile(const CalcFileContents& contents);
// Splits a file's text into value lines (a short file's missing lines are
// empty) and schedule rows.
CalcFileContents decodeCalcFile(const QByteArray& bytes);
// A schedule row as one line: the cells joined by single blanks.
QString scheduleRowText(const QStringList& cells);
// A line split back into the eight cells: payment number, the date of two
// words, five amounts, and the rest of the line as the last cell.
QStringList scheduleRowCells(const QString& line);
// Converts every value line that must be converted; throws ConversionError
// at the first one that does not, so nothing is applied from a bad file.
QVector<CalcValue> checkCalcValues(const QStringList& values);

// The pages' values and schedule, as a file holds them.
CalcFileContents gatherCalcFile(ShellServices& shell);
// Puts checked values and schedule rows into the pages.
void applyCalcFile(ShellServices& shell, const QVector<CalcValue>& values, const QVector<QStringList>& scheduleRows);
} // namespace larkspan
