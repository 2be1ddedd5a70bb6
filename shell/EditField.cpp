#include "shell/EditField.h"

#include "shell/AmountText.h"
#include "shell/Regional.h"
#include "shell/Theme.h"

#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QStyleOptionFrame>

namespace larkspan {

namespace {

// Accepts what a numeric field may hold while the user edits it: digits,
// thousands separators and (for reals) one decimal separator with at most
// the kind's decimals. A leading "-" is let through only so that a negative
// value written by code stays editable; the keyboard never types a sign
// (keyPressEvent swallows it).
QRegularExpression typedForm(FieldKind kind, int decimals)
{
    const RegionalConventions& r = RegionalConventions::current();
    const QString dec = QRegularExpression::escape(QString(r.decimalSeparator));
    const QString thou = r.thousandsSeparator.isNull() ? QString() : QRegularExpression::escape(QString(r.thousandsSeparator));
    if (kind == FieldKind::Count)
        return QRegularExpression(QStringLiteral("^-?\\d*$"));
    return QRegularExpression(QStringLiteral("^-?[\\d%1]*(%2\\d{0,%3})?$").arg(thou, dec).arg(decimals));
}

bool isSignKey(const QKeyEvent* event)
{
    const QString text = event->text();
    return event->key() == Qt::Key_Minus || event->key() == Qt::Key_Plus
           || text == QLatin1String("-") || text == QLatin1String("+") || text == QString(QChar(0x2212));
}

} // namespace

TEditField::TEditField(FieldKind kind, const QString& objectName, QWidget* parent)
    : QLineEdit(parent), kind_(kind)
{
    setObjectName(objectName);
    switch (kind_) {
    case FieldKind::Money:
    case FieldKind::MoneyResult:
    case FieldKind::PlainMoney:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case FieldKind::CentredMoney:
    case FieldKind::Rate:
    case FieldKind::Count:
        setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case FieldKind::Name:
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case FieldKind::Label:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    }
    if (isNumeric()) {
        setValidator(new QRegularExpressionValidator(typedForm(kind_, decimals()), this));
        setValue(0);
        if (kind_ != FieldKind::Count && kind_ != FieldKind::MoneyResult)
            connect(this, &QLineEdit::textEdited, this, &TEditField::insertThousandsSeparators);
    }
    const int affix = fontMetrics().horizontalAdvance(prefix() + suffix());
    if (!prefix().isEmpty())
        setTextMargins(affix + 1, 0, 0, 0);
    else if (!suffix().isEmpty())
        setTextMargins(0, 0, affix + 1, 0);
    resultLook_ = kind_ == FieldKind::MoneyResult || kind_ == FieldKind::Label;
    applyLook();
}

bool TEditField::isNumeric() const
{
    return kind_ != FieldKind::Name && kind_ != FieldKind::Label;
}

QString TEditField::prefix() const
{
    switch (kind_) {
    case FieldKind::Money:
    case FieldKind::MoneyResult:
    case FieldKind::CentredMoney:
        return QStringLiteral("$");
    default:
        return {};
    }
}

QString TEditField::suffix() const
{
    return kind_ == FieldKind::Rate ? QStringLiteral("%") : QString();
}

int TEditField::decimals() const
{
    switch (kind_) {
    case FieldKind::Rate:
        return 4;
    case FieldKind::Count:
    case FieldKind::Name:
    case FieldKind::Label:
        return 0;
    default:
        return 2;
    }
}

double TEditField::value() const
{
    return isNumeric() ? amounts::readNumber(text()) : 0.0;
}

int TEditField::intValue() const
{
    return amounts::readCount(text());
}

void TEditField::setValue(double value)
{
    switch (kind_) {
    case FieldKind::Rate:
        setText(amounts::rateFieldText(value));
        break;
    case FieldKind::Count:
        setText(amounts::countFieldText(static_cast<int>(value)));
        break;
    case FieldKind::Name:
    case FieldKind::Label:
        setText(amounts::generalText(value));
        break;
    default:
        setText(amounts::moneyFieldText(value));
        break;
    }
}

void TEditField::setMaxDigits(int digits)
{
    setMaxLength(digits);
}

void TEditField::setZeroPlaceholder(bool on)
{
    zeroPlaceholder_ = on;
    showPlaceholder(!hasFocus());
}

void TEditField::showPlaceholder(bool shown)
{
    // Qt keeps a placeholder visible in a focused empty field; this one is
    // only drawn while the field does not have the focus.
    setPlaceholderText(zeroPlaceholder_ && shown ? QStringLiteral("0") : QString());
}

void TEditField::setResultLook(bool result)
{
    resultLook_ = result;
    applyLook();
}

void TEditField::setLabelEditable(bool editable)
{
    setResultLook(!editable);
}

void TEditField::applyLook()
{
    QPalette p = palette();
    if (resultLook_) {
        p.setColor(QPalette::Base, theme::activeCaption());
        p.setColor(QPalette::Text, theme::captionText());
        setReadOnly(true);
        setFocusPolicy(Qt::ClickFocus);
    } else {
        p.setColor(QPalette::Base, Qt::white);
        p.setColor(QPalette::Text, Qt::black);
        setReadOnly(false);
        setFocusPolicy(Qt::StrongFocus);
    }
    p.setColor(QPalette::PlaceholderText, theme::gray());
    setPalette(p);
}

void TEditField::insertThousandsSeparators()
{
    const QChar thou = RegionalConventions::current().thousandsSeparator;
    const QChar dec = RegionalConventions::current().decimalSeparator;
    if (thou.isNull())
        return;
    const QString old = text();
    // Keep the cursor behind the same number of characters that are not
    // separators.
    int kept = 0;
    for (int i = 0; i < cursorPosition() && i < old.size(); ++i)
        if (old.at(i) != thou)
            ++kept;
    QString plain = old;
    plain.remove(thou);
    // A sign written by code stays in front of the grouped digits.
    const QString sign = plain.startsWith(QLatin1Char('-')) ? QStringLiteral("-") : QString();
    plain.remove(0, sign.size());
    const qsizetype dot = plain.indexOf(dec);
    const QString integerPart = dot < 0 ? plain : plain.left(dot);
    QString grouped = sign;
    for (qsizetype i = 0; i < integerPart.size(); ++i) {
        grouped += integerPart.at(i);
        const qsizetype left = integerPart.size() - 1 - i;
        if (left > 0 && left % 3 == 0)
            grouped += thou;
    }
    if (dot >= 0)
        grouped += plain.mid(dot);
    if (grouped == old)
        return;
    int cursor = 0;
    for (int seen = 0; cursor < grouped.size() && seen < kept; ++cursor)
        if (grouped.at(cursor) != thou)
            ++seen;
    setText(grouped);
    setCursorPosition(cursor);
}

void TEditField::keyPressEvent(QKeyEvent* event)
{
    if (isNumeric() && isSignKey(event)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TEditField::focusInEvent(QFocusEvent* event)
{
    showPlaceholder(false);
    QLineEdit::focusInEvent(event);
}

void TEditField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    showPlaceholder(true);
    // The focus going to another window or to a pop-up menu is no leaving:
    // it comes back to this field, as when a message box closes.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // A typed figure takes the kind's written form (1234.5 becomes 1,234.50).
    if (isNumeric() && !isReadOnly() && !text().isEmpty())
        setValue(kind_ == FieldKind::Count ? intValue() : value());
    Q_EMIT exited();
}

void TEditField::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const QString affix = prefix().isEmpty() ? suffix() : prefix();
    if (affix.isEmpty())
        return;
    // Draw the prefix just before the text, the suffix just after it,
    // wherever the alignment puts the text.
    QStyleOptionFrame option;
    initStyleOption(&option);
    QRect area = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const QMargins margins = textMargins();
    const QRect textArea = area.marginsRemoved(margins);
    const QFontMetrics fm = fontMetrics();
    // The affix stands beside the text, or beside the grey placeholder.
    const QString visible = text().isEmpty() ? placeholderText() : displayText();
    const int shown = visible.isEmpty() ? 0 : fm.horizontalAdvance(visible);
    int textLeft = textArea.left() + 2;
    if (alignment() & Qt::AlignRight)
        textLeft = textArea.right() - 1 - shown;
    else if (alignment() & Qt::AlignHCenter)
        textLeft = textArea.left() + (textArea.width() - shown) / 2;
    QPainter painter(this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setFont(font());
    const int width = fm.horizontalAdvance(affix);
    if (!prefix().isEmpty())
        painter.drawText(QRect(std::max(area.left(), textLeft - width), area.top(), width, area.height()), Qt::AlignVCenter | Qt::AlignLeft, affix);
    else
        painter.drawText(QRect(std::min(textLeft + shown, area.right() - width), area.top(), width + 1, area.height()), Qt::AlignVCenter | Qt::AlignLeft, affix);
}

} // namespace larkspan
