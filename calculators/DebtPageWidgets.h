#pragma once
// Small builders the three debt-picture pages share: plain-text labels at a
// fixed place, and the bold red result label of the tally pages.

#include <QString>
#include <Qt>

class QCheckBox;
class QLabel;
class QWidget;

namespace larkspan::debtui {

// A plain-text label at (x, y) of size w × h.
QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h,
                   Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// A column caption: bold, centred, wrapped when it does not fit one line.
QLabel* caption(QWidget* parent, const QString& text, int x, int y, int w, int h);
// A result label of the tally pages: bold and red.
QLabel* redResult(QWidget* parent, const QString& name, const QString& designText, int x, int y, int w, int h);
// A Consolidate box: reached by the mouse only, never by Tab.
QCheckBox* consolidateBox(QWidget* parent, const QString& name, int x, int y);

} // namespace larkspan::debtui
