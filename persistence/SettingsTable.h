#pragma once
// The settings file "larkspan.ini" as one table: every section and key in
// the order they are written, with the key's type, its default, and the
// control or state value it belongs to. The reader and the writer both walk
// this table.

#include "persistence/StateValues.h"

#include <QString>
#include <QVector>

namespace larkspan {

enum class IniType {
    Integer,       // decimal ("0x" hexadecimal accepted on reading)
    IntegerAsReal, // read as an integer, written as a real
    Real,          // general format
    Truth,         // "1" / "0"; any non-zero integer reads as true
    Text,
    DateTime,      // four-digit year, time unless midnight
};

enum class Binding {
    Field,      // an edit field: its value (numbers) or its text (texts)
    Label,      // a label's caption
    BoxText,    // a drop-down box's text
    Tick,       // a check box
    ChosenItem, // a radio group
    DatePicker, // a date picker's date
    State,      // a shared state value
    None,       // read and dropped
};

enum class Direction { ReadWrite, WriteOnly, ReadOnly };

struct SettingsKey {
    QString section;
    QString key;
    IniType type;
    QString defaultText; // in the file's own form; empty DateTime: now
    Binding binding;
    QString control;     // objectName, for the control bindings
    StateValue state = StateValue::None;
    Direction direction = Direction::ReadWrite;
};

// Every key in file order.
const QVector<SettingsKey>& settingsTable();

} // namespace larkspan
