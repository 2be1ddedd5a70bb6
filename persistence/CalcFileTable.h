#pragma once
// The calculation file (".lkp") as one table: the meaning of each of its
// 304 value lines, by position. The payoff schedule rows follow them. The
// writer and the reader both walk this table.

#include "persistence/StateValues.h"

#include <QString>
#include <QVector>

namespace larkspan {

enum class LineKind {
    Header,     // the literal first line, never read
    StateWhole, // a state value as a whole number
    StateReal,  // a state value in general format
    FieldText,  // an edit field's text (without "$" / "%"), taken back as is
    FieldWhole, // an edit field's value as a whole number
    Label,      // a label's caption
    BoxText,    // a drop-down box's text
    Tick,       // a check box: "-1" ticked, "0" not
    ChosenItem, // a radio group's chosen item
    Date,       // a date picker's date, four-digit year
};

struct CalcLine {
    LineKind kind;
    QString control;
    StateValue state = StateValue::None;
};

inline constexpr int kCalcValueLines = 304;
inline constexpr auto kCalcFileHeader = QLatin1StringView("Larkspan 2.0");

// The 304 value lines; entry i describes line i.
const QVector<CalcLine>& calcFileTable();

} // namespace larkspan
