#pragma once
// The edit field every figure is typed into. A field has a kind that fixes
// its decimals, its shown prefix ("$") or suffix ("%"), its alignment and
// whether it is an input or a computed result. text() is what the user sees
// without the prefix or suffix; value() reads it by the kind's rule.

#include <QLineEdit>

namespace larkspan {

enum class FieldKind {
    Money,         // input, 2 decimals, "$", right
    MoneyResult,   // computed, read-only, skipped by Tab
    CentredMoney,  // input, centred
    PlainMoney,    // input, no prefix
    Rate,          // input, 4 decimals, "%", centred
    Count,         // whole number, centred, limited digits
    Name,          // free text, left
    Label,         // free text, right, read-only until the page unlocks it
};

class TEditField : public QLineEdit {
    Q_OBJECT
public:
    TEditField(FieldKind kind, const QString& objectName, QWidget* parent = nullptr);

    FieldKind kind() const { return kind_; }
    bool isNumeric() const;
    QString prefix() const;
    QString suffix() const;

    // The field's value by the reading rule of its kind (unreadable is 0).
    double value() const;
    int intValue() const;
    // Writes a value by the writing rule of its kind.
    void setValue(double value);

    // Count fields: how many digits may be typed.
    void setMaxDigits(int digits);
    // A grey "0" drawn while the field is empty and unfocused.
    void setZeroPlaceholder(bool on);
    // Result look (read-only, caption colours, skipped by Tab) or input look.
    void setResultLook(bool result);
    bool hasResultLook() const { return resultLook_; }
    // Label fields: editable (input look, in the Tab order) or locked.
    void setLabelEditable(bool editable);

Q_SIGNALS:
    // The focus left the field: the page's computation runs.
    void exited();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyLook();
    void insertThousandsSeparators();
    int decimals() const;

    void showPlaceholder(bool shown);

    FieldKind kind_;
    bool resultLook_ = false;
    bool zeroPlaceholder_ = false;
};

} // namespace larkspan
