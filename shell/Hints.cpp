#include "shell/Hints.h"

#include <QVariant>
#include <QWidget>

namespace larkspan {

namespace {
constexpr const char* kHintProperty = "larkspanHint";
}

void setHint(QWidget* widget, const QString& hint)
{
    widget->setProperty(kHintProperty, hint);
    widget->setToolTip(shortHint(hint).toHtmlEscaped());
}

QString hintOf(const QObject* object)
{
    return object ? object->property(kHintProperty).toString() : QString();
}

QString shortHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.left(bar);
}

QString longHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    return bar < 0 ? hint : hint.mid(bar + 1);
}

} // namespace larkspan
