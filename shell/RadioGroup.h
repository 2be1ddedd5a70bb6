#pragma once
// A framed group of radio buttons with one chosen item. Choosing an item,
// by a click or by code (setItemIndex), runs the group's click handler
// (itemClicked) when the choice changes.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

class QRadioButton;

namespace larkspan {

class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemClicked)
public:
    TRadioGroup(const QString& objectName, const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return index_; }
    // Selects item `index` (-1 for none); runs itemClicked when it changes.
    void setItemIndex(int index);
    int count() const;
    QRadioButton* button(int index) const;
    QStringList items() const;

Q_SIGNALS:
    void itemClicked(int index);

private:
    QButtonGroup buttons_;
    int index_ = -1;
};

} // namespace larkspan
