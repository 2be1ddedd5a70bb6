#pragma once
// Hints of the form "short|long": the tool tip shows the short part, the
// status bar the long part (or the whole hint when it has no bar).

#include <QString>

class QWidget;
class QObject;

namespace larkspan {

void setHint(QWidget* widget, const QString& hint);
// The hint given to setHint, or an empty text.
QString hintOf(const QObject* object);
QString shortHint(const QString& hint);
QString longHint(const QString& hint);

} // namespace larkspan
