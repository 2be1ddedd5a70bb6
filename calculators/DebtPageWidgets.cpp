#include "calculators/DebtPageWidgets.h"

#include "shell/Theme.h"

#include <QCheckBox>
#include <QLabel>

namespace larkspan::debtui {

QLabel* placeLabel(QWidget* parent, const QString& name, const QString& text, int x, int y, int w, int h,
                   Qt::Alignment align)
{
    auto* l = new QLabel(text, parent);
    if (!name.isEmpty())
        l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(align);
    l->setGeometry(x, y, w, h);
    return l;
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y, int w, int h)
{
    QLabel* l = placeLabel(parent, QString(), text, x, y, w, h, Qt::AlignHCenter | Qt::AlignBottom);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QLabel* redResult(QWidget* parent, const QString& name, const QString& designText, int x, int y, int w, int h)
{
    QLabel* l = placeLabel(parent, name, designText, x, y, w, h);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, theme::red());
    l->setPalette(p);
    return l;
}

QCheckBox* consolidateBox(QWidget* parent, const QString& name, int x, int y)
{
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setGeometry(x, y, 20, 21);
    return box;
}

} // namespace larkspan::debtui
