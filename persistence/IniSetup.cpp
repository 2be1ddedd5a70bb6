#include "persistence/IniSetup.h"

#include "persistence/ControlValues.h"
#include "persistence/IniFile.h"
#include "persistence/SettingsTable.h"
#include "persistence/TextFiles.h"
#include "persistence/ValueText.h"
#include "shell/AppState.h"
#include "shell/ShellServices.h"

#include <QDir>
#include <QFileInfo>
#include <cmath>

namespace larkspan {

namespace {

// The value of one key as its type reads it; the default when the key is
// missing or its text does not convert.
struct KeyValue {
    QString text;
    double number = 0;
    QDateTime dateTime;
};

KeyValue readKey(const SettingsKey& k, const std::optional<QString>& raw)
{
    KeyValue v;
    switch (k.type) {
    case IniType::Integer:
    case IniType::IntegerAsReal:
    case IniType::Truth: {
        std::optional<int> n = raw ? valuetext::parseInteger(*raw) : std::nullopt;
        v.number = n.value_or(valuetext::parseInteger(k.defaultText).value_or(0));
        break;
    }
    case IniType::Real: {
        std::optional<double> n = raw ? valuetext::parseReal(*raw) : std::nullopt;
        v.number = n.value_or(valuetext::parseReal(k.defaultText).value_or(0));
        break;
    }
    case IniType::Text:
        v.text = raw.value_or(k.defaultText);
        break;
    case IniType::DateTime: {
        // An unreadable date takes the default rather than stopping start-up.
        std::optional<QDateTime> d = raw ? valuetext::parseDateTime(*raw) : std::nullopt;
        v.dateTime = d.value_or(QDateTime::currentDateTime());
        break;
    }
    }
    return v;
}

void applyKey(ShellServices& shell, const SettingsKey& k, const KeyValue& v)
{
    if (k.binding == Binding::State) {
        if (k.type == IniType::DateTime)
            statevalues::setDateTime(shell.state(), k.state, v.dateTime);
        else
            statevalues::setNumber(shell.state(), k.state, v.number);
        return;
    }
    if (k.binding == Binding::None)
        return;
    QWidget* c = shell.control(k.control);
    if (!c)
        return;
    switch (k.binding) {
    case Binding::Field:
        if (k.type == IniType::Text)
            controls::setText(c, v.text);
        else
            controls::setFieldValue(c, v.number);
        break;
    case Binding::Label:
    case Binding::BoxText:
        controls::setText(c, v.text);
        break;
    case Binding::Tick:
        controls::setTick(c, v.number != 0);
        break;
    case Binding::ChosenItem:
        controls::setChosenItem(c, static_cast<int>(v.number));
        break;
    case Binding::DatePicker:
        controls::setDate(c, v.dateTime.date());
        break;
    case Binding::State:
    case Binding::None:
        break;
    }
}

QString wholeText(double value)
{
    return QString::number(static_cast<qint64>(std::llround(value)));
}

QString numberText(IniType type, double value)
{
    switch (type) {
    case IniType::Integer: return wholeText(value);
    case IniType::Truth: return value != 0 ? QStringLiteral("1") : QStringLiteral("0");
    default: return valuetext::realText(value);
    }
}

// The text a key is written as; nullopt when its control does not exist.
std::optional<QString> writtenText(ShellServices& shell, const SettingsKey& k)
{
    if (k.binding == Binding::State) {
        if (k.type == IniType::DateTime) {
            const QDateTime d = statevalues::dateTime(shell.state(), k.state);
            return valuetext::dateTimeText(d.isValid() ? d : QDateTime::currentDateTime());
        }
        return numberText(k.type, statevalues::number(shell.state(), k.state));
    }
    const QWidget* c = shell.control(k.control);
    if (!c)
        return std::nullopt;
    switch (k.binding) {
    case Binding::Field:
        if (k.type == IniType::Text)
            return controls::text(c);
        if (k.type == IniType::Integer)
            return QString::number(controls::fieldWholeValue(c));
        return valuetext::realText(controls::fieldValue(c));
    case Binding::Label:
    case Binding::BoxText:
        return controls::text(c);
    case Binding::Tick:
        return numberText(IniType::Truth, controls::tick(c) ? 1 : 0);
    case Binding::ChosenItem:
        return QString::number(controls::chosenItem(c));
    case Binding::DatePicker:
        return valuetext::dateTimeText(QDateTime(controls::date(c), QTime(0, 0)));
    case Binding::State:
    case Binding::None:
        break;
    }
    return std::nullopt;
}

IniFile loadIfReadable(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    try {
        return IniFile::parse(textfiles::decode(textfiles::readAll(path)));
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace

QString settingsFilePath(const AppState& state)
{
    return state.SettingsFolder + QStringLiteral("larkspan.ini");
}

void applySettings(ShellServices& shell, const IniFile& ini)
{
    shell.state().ComputeChoice = 0;
    shell.state().UseSampleValues = false;
    for (const SettingsKey& k : settingsTable())
        if (k.direction != Direction::WriteOnly)
            applyKey(shell, k, readKey(k, ini.value(k.section, k.key)));
}

void collectSettings(ShellServices& shell, IniFile& ini)
{
    for (const SettingsKey& k : settingsTable())
        if (k.direction != Direction::ReadOnly)
            if (const std::optional<QString> text = writtenText(shell, k))
                ini.setValue(k.section, k.key, *text);
}

void ReadIniFile(ShellServices& shell)
{
    // A missing or unreadable file leaves every key at its default.
    applySettings(shell, loadIfReadable(settingsFilePath(shell.state())));
}

void WriteIniFile(ShellServices& shell)
{
    const QString path = settingsFilePath(shell.state());
    // Without its folder nothing could ever be kept.
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Keys the table does not know (of other versions) are kept.
    IniFile ini = loadIfReadable(path);
    collectSettings(shell, ini);
    textfiles::writeAll(path, textfiles::encode(ini.toText()));
}

} // namespace larkspan
