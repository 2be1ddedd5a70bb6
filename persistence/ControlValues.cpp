#include "persistence/ControlValues.h"

#include "shell/AmountText.h"
#include "shell/EditField.h"
#include "shell/RadioGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>

namespace larkspan::controls {

QString text(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QComboBox*>(control)) {
        if (!box->isEditable() && box->currentIndex() < 0)
            return box->placeholderText();
        return box->currentText();
    }
    return {};
}

void setText(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else if (auto* box = qobject_cast<QComboBox*>(control)) {
        if (box->isEditable()) {
            box->setCurrentText(text);
            return;
        }
        const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        box->setPlaceholderText(index < 0 ? text : QString());
        box->setCurrentIndex(index);
    }
}

double fieldValue(const QWidget* control)
{
    if (const auto* field = qobject_cast<const TEditField*>(control))
        return field->value();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return amounts::readNumber(edit->text());
    return 0;
}

int fieldWholeValue(const QWidget* control)
{
    if (const auto* field = qobject_cast<const TEditField*>(control))
        return field->intValue();
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return amounts::readCount(edit->text());
    return 0;
}

void setFieldValue(QWidget* control, double value)
{
    if (auto* field = qobject_cast<TEditField*>(control))
        field->setValue(value);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(amounts::generalText(value));
}

bool tick(const QWidget* control)
{
    const auto* box = qobject_cast<const QCheckBox*>(control);
    return box && box->isChecked();
}

void setTick(QWidget* control, bool ticked)
{
    auto* box = qobject_cast<QCheckBox*>(control);
    if (!box || box->isChecked() == ticked)
        return;
    box->click();
    // A disabled box ignores click(); its tick is still the file's.
    if (box->isChecked() != ticked)
        box->setChecked(ticked);
}

int chosenItem(const QWidget* control)
{
    const auto* group = qobject_cast<const TRadioGroup*>(control);
    return group ? group->itemIndex() : -1;
}

void setChosenItem(QWidget* control, int index)
{
    if (auto* group = qobject_cast<TRadioGroup*>(control))
        group->setItemIndex(index);
}

QDate date(const QWidget* control)
{
    const auto* picker = qobject_cast<const QDateTimeEdit*>(control);
    return picker ? picker->date() : QDate();
}

void setDate(QWidget* control, const QDate& date)
{
    if (auto* picker = qobject_cast<QDateTimeEdit*>(control))
        picker->setDate(date);
}

} // namespace larkspan::controls
