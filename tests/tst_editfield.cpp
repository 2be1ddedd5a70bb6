// The edit field driven by typed keys: what the keyboard may enter, how a
// figure looks while and after it is typed, and when the page recomputes.
#include "shell/EditField.h"
#include "shell/Theme.h"
#include "support/TestMain.h"

#include <QSignalSpy>
#include <QVBoxLayout>

using namespace larkspan;

class TestEditField : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void typing_data();
    void typing();
    void leavingRecomputesTypingDoesNot();
    void focusToAnotherWindowIsNoLeaving();
    void emptyReadsZeroWithPlaceholderOnlyWhenUnfocused();
    void codeWritesNegativeValuesThatStayEditable();
    void resultLookIsReadOnlyAndSkippedByTab();
    void affixIsDrawnBesideTheText();

private:
    TEditField* make(FieldKind kind, const QString& name);
    // Types into a field from empty, without leaving it.
    void typeInto(TEditField* field, const QString& keys);

    std::unique_ptr<QWidget> window_;
    TEditField* other_ = nullptr;
};

TEditField* TestEditField::make(FieldKind kind, const QString& name)
{
    auto* f = new TEditField(kind, name, window_.get());
    window_->layout()->addWidget(f);
    return f;
}

void TestEditField::init()
{
    window_ = std::make_unique<QWidget>();
    new QVBoxLayout(window_.get());
    other_ = make(FieldKind::Name, QStringLiteral("edtOther"));
}

void TestEditField::cleanup()
{
    window_.reset();
}

void TestEditField::typeInto(TEditField* field, const QString& keys)
{
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    field->setFocus();
    field->clear();
    QTest::keyClicks(field, keys);
}

void TestEditField::typing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("whileTyping");
    QTest::addColumn<QString>("afterLeaving");
    QTest::addColumn<double>("value");
    const int money = int(FieldKind::Money), rate = int(FieldKind::Rate), count = int(FieldKind::Count);
    QTest::newRow("money groups thousands") << money << 0 << "1234567" << "1,234,567" << "1,234,567.00" << 1234567.0;
    QTest::newRow("money with decimals") << money << 0 << "1234.5" << "1,234.5" << "1,234.50" << 1234.5;
    QTest::newRow("money refuses a minus") << money << 0 << "-12" << "12" << "12.00" << 12.0;
    QTest::newRow("money refuses a plus") << money << 0 << "+7" << "7" << "7.00" << 7.0;
    QTest::newRow("money refuses letters") << money << 0 << "1a2" << "12" << "12.00" << 12.0;
    QTest::newRow("money stops at two decimals") << money << 0 << "3.14159" << "3.14" << "3.14" << 3.14;
    QTest::newRow("centred money") << int(FieldKind::CentredMoney) << 0 << "25000" << "25,000" << "25,000.00" << 25000.0;
    QTest::newRow("plain money") << int(FieldKind::PlainMoney) << 0 << "1500" << "1,500" << "1,500.00" << 1500.0;
    QTest::newRow("rate four decimals") << rate << 0 << "8.123456" << "8.1234" << "8.1234" << 8.1234;
    QTest::newRow("rate refuses a minus") << rate << 0 << "-8.75" << "8.75" << "8.7500" << 8.75;
    QTest::newRow("count digits only") << count << 3 << "1.5" << "15" << "15" << 15.0;
    QTest::newRow("count at most its digits") << count << 3 << "12345" << "123" << "123" << 123.0;
    QTest::newRow("count refuses a minus") << count << 4 << "-60" << "60" << "60" << 60.0;
}

void TestEditField::typing()
{
    QFETCH(int, kind);
    QFETCH(int, maxDigits);
    QFETCH(QString, keys);
    QFETCH(QString, whileTyping);
    QFETCH(QString, afterLeaving);
    QFETCH(double, value);
    TEditField* field = make(FieldKind(kind), QStringLiteral("edtUnderTest"));
    if (maxDigits > 0)
        field->setMaxDigits(maxDigits);
    typeInto(field, keys);
    QCOMPARE(field->text(), whileTyping);
    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(!field->hasFocus());
    QCOMPARE(field->text(), afterLeaving);
    QCOMPARE(field->value(), value);
}

void TestEditField::leavingRecomputesTypingDoesNot()
{
    TEditField* field = make(FieldKind::Money, QStringLiteral("edtAmount"));
    QSignalSpy exits(field, &TEditField::exited);
    typeInto(field, QStringLiteral("250"));
    QCOMPARE(exits.count(), 0);
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(exits.count(), 0);
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(exits.count(), 1);
    QCOMPARE(field->value(), 25.0);
    // A mouse click into another field leaves just as well.
    field->setFocus();
    QTest::mouseClick(other_, Qt::LeftButton);
    QCOMPARE(exits.count(), 2);
}

void TestEditField::focusToAnotherWindowIsNoLeaving()
{
    TEditField* field = make(FieldKind::Money, QStringLiteral("edtAmount"));
    QSignalSpy exits(field, &TEditField::exited);
    typeInto(field, QStringLiteral("99"));
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(field, &away);
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(field, &popup);
    QCOMPARE(exits.count(), 0);
    QCOMPARE(field->text(), QStringLiteral("99"));
}

void TestEditField::emptyReadsZeroWithPlaceholderOnlyWhenUnfocused()
{
    TEditField* field = make(FieldKind::Money, QStringLiteral("edtLiability1"));
    field->setZeroPlaceholder(true);
    TEditField* plain = make(FieldKind::Money, QStringLiteral("edtAsset1"));
    typeInto(field, QString());
    QCOMPARE(field->placeholderText(), QString());
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(field->text(), QString()); // an empty field stays empty
    QCOMPARE(field->value(), 0.0);
    QCOMPARE(field->placeholderText(), QStringLiteral("0"));
    QCOMPARE(plain->placeholderText(), QString());
    plain->clear();
    QCOMPARE(plain->value(), 0.0);
}

void TestEditField::codeWritesNegativeValuesThatStayEditable()
{
    TEditField* field = make(FieldKind::Money, QStringLiteral("edtDifference1"));
    field->setValue(-1234.5);
    QCOMPARE(field->text(), QStringLiteral("-1,234.50"));
    QCOMPARE(field->value(), -1234.5);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    field->setFocus();
    field->setCursorPosition(int(field->text().indexOf(QLatin1Char('.'))));
    QTest::keyClick(field, Qt::Key_0);
    QCOMPARE(field->text(), QStringLiteral("-12,340.50"));
    TEditField* rate = make(FieldKind::Rate, QStringLiteral("edtInterest"));
    rate->setValue(8.75);
    QCOMPARE(rate->text(), QStringLiteral("8.7500"));
    QCOMPARE(rate->suffix(), QStringLiteral("%"));
    QCOMPARE(field->prefix(), QStringLiteral("$"));
}

void TestEditField::resultLookIsReadOnlyAndSkippedByTab()
{
    TEditField* input = make(FieldKind::Money, QStringLiteral("edtLoan"));
    TEditField* result = make(FieldKind::MoneyResult, QStringLiteral("edtPayment"));
    TEditField* after = make(FieldKind::Money, QStringLiteral("edtAnnualTaxes"));
    QVERIFY(result->isReadOnly());
    QCOMPARE(result->palette().color(QPalette::Base), theme::activeCaption());
    QCOMPARE(result->palette().color(QPalette::Text), theme::captionText());
    typeInto(input, QStringLiteral("1"));
    QTest::keyClick(input, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), after);
    QCOMPARE(result->text(), QStringLiteral("0.00"));

    // A label field locks and unlocks.
    TEditField* label = make(FieldKind::Label, QStringLiteral("edtBudgetItem1"));
    QVERIFY(label->isReadOnly());
    label->setLabelEditable(true);
    QVERIFY(!label->isReadOnly());
    QCOMPARE(label->palette().color(QPalette::Base), QColor(Qt::white));
    QVERIFY(label->focusPolicy() & Qt::TabFocus);
}

void TestEditField::affixIsDrawnBesideTheText()
{
    // The prefix is drawn, not part of the text: a field showing "$" paints
    // more than the same text in a field of a kind without prefix.
    TEditField* money = make(FieldKind::Money, QStringLiteral("edtA"));
    TEditField* plain = make(FieldKind::PlainMoney, QStringLiteral("edtB"));
    for (TEditField* f : {money, plain}) {
        f->setFixedSize(121, 23);
        f->setValue(5);
    }
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    auto darkPixels = [](TEditField* f) {
        const QImage image = f->grab().toImage();
        int dark = 0;
        for (int y = 3; y < image.height() - 3; ++y)
            for (int x = 3; x < image.width() - 3; ++x)
                dark += qGray(image.pixel(x, y)) < 128;
        return dark;
    };
    QCOMPARE(money->text(), plain->text());
    QVERIFY(darkPixels(money) > darkPixels(plain));
}

LARKSPAN_TEST_MAIN(TestEditField)
#include "tst_editfield.moc"
