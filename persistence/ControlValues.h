#pragma once
// Reading and setting the value of a page control found by objectName,
// whatever its kind: edit field, label, drop-down box, check box, radio
// group or date picker. Each function does nothing (or returns an empty
// value) for a control of another kind, so the file tables can name
// controls without knowing how each page builds them.

#include <QDate>
#include <QString>

class QWidget;

namespace larkspan::controls {

// The text of an edit field (without "$" / "%"), the caption of a label, the
// text of a drop-down box.
QString text(const QWidget* control);
// Sets that text as it is. A drop-down box that is not editable selects the
// item of that text; a text that is none of its items is shown as the box's
// placeholder with no item chosen, and text() gives it back.
void setText(QWidget* control, const QString& text);

// An edit field's value by its reading rule / written by its writing rule.
double fieldValue(const QWidget* control);
int fieldWholeValue(const QWidget* control);
void setFieldValue(QWidget* control, double value);

// A check box's tick. Setting a different tick acts as the user's click, so
// the handler bound to the box runs.
bool tick(const QWidget* control);
void setTick(QWidget* control, bool ticked);

// A radio group's chosen item (-1 for none). Choosing a different item runs
// the group's click handler.
int chosenItem(const QWidget* control);
void setChosenItem(QWidget* control, int index);

// A date picker's date.
QDate date(const QWidget* control);
void setDate(QWidget* control, const QDate& date);

} // namespace larkspan::controls
