#include "shell/RadioGroup.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace larkspan {

TRadioGroup::TRadioGroup(const QString& objectName, const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(this)
{
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items.at(i), this);
        b->setObjectName(objectName + QStringLiteral("Item") + QString::number(i));
        layout->addWidget(b);
        buttons_.addButton(b, i);
    }
    buttons_.setExclusive(true);
    connect(&buttons_, &QButtonGroup::idClicked, this, &TRadioGroup::setItemIndex);
}

void TRadioGroup::setItemIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    if (index == index_)
        return;
    index_ = index;
    if (index < 0) {
        buttons_.setExclusive(false);
        for (QAbstractButton* b : buttons_.buttons())
            b->setChecked(false);
        buttons_.setExclusive(true);
    } else {
        buttons_.button(index)->setChecked(true);
    }
    Q_EMIT itemClicked(index);
}

int TRadioGroup::count() const
{
    return static_cast<int>(buttons_.buttons().size());
}

QRadioButton* TRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(buttons_.button(index));
}

QStringList TRadioGroup::items() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << button(i)->text();
    return out;
}

} // namespace larkspan
