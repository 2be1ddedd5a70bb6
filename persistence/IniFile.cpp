#include "persistence/IniFile.h"

namespace larkspan {

IniFile IniFile::parse(const QString& text)
{
    IniFile ini;
    Section* current = nullptr;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            current = &ini.findOrAdd(line.mid(1, line.size() - 2).trimmed().toString());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!current || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toString();
        bool known = false;
        for (const Entry& e : current->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                known = true;
        if (!known)
            current->entries.append({key, line.mid(eq + 1).toString()});
    }
    return ini;
}

QString IniFile::toText() const
{
    QString text;
    for (const Section& s : sections_) {
        if (!text.isEmpty())
            text += QLatin1String("\r\n");
        text += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
        for (const Entry& e : s.entries)
            text += e.key + QLatin1Char('=') + e.value + QLatin1String("\r\n");
    }
    return text;
}

const IniFile::Section* IniFile::find(const QString& section) const
{
    for (const Section& s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return &s;
    return nullptr;
}

IniFile::Section& IniFile::findOrAdd(const QString& section)
{
    for (Section& s : sections_)
        if (s.name.compare(section, Qt::CaseInsensitive) == 0)
            return s;
    sections_.append({section, {}});
    return sections_.last();
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    if (const Section* s = find(section))
        for (const Entry& e : s->entries)
            if (e.key.compare(key, Qt::CaseInsensitive) == 0)
                return e.value;
    return std::nullopt;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    Section& s = findOrAdd(section);
    for (Entry& e : s.entries)
        if (e.key.compare(key, Qt::CaseInsensitive) == 0) {
            e.value = value;
            return;
        }
    s.entries.append({key, value});
}

QStringList IniFile::sections() const
{
    QStringList names;
    for (const Section& s : sections_)
        names << s.name;
    return names;
}

QStringList IniFile::keys(const QString& section) const
{
    QStringList names;
    if (const Section* s = find(section))
        for (const Entry& e : s->entries)
            names << e.key;
    return names;
}

} // namespace larkspan
