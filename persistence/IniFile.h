#pragma once
// A small INI document: named sections of key=value lines, kept in the
// order they were read or added, so that a rewritten file keeps its layout.
// Values are plain text: nothing is quoted, escaped or split at commas.

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

namespace larkspan {

class IniFile {
public:
    // Parses INI text. Lines outside any section, blank lines and lines
    // beginning with ';' or '#' are dropped; a line without '=' is ignored;
    // the first occurrence of a key in a section wins.
    static IniFile parse(const QString& text);
    // The text: "[Section]" lines, "key=value" lines, CR LF line ends, a
    // blank line between sections.
    QString toText() const;

    // Section and key names compare without regard to case, as INI files do.
    std::optional<QString> value(const QString& section, const QString& key) const;
    // Replaces the key's value, or adds the key (and its section) at the end.
    void setValue(const QString& section, const QString& key, const QString& value);

    QStringList sections() const;
    QStringList keys(const QString& section) const;

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QVector<Entry> entries;
    };
    const Section* find(const QString& section) const;
    Section& findOrAdd(const QString& section);

    QVector<Section> sections_;
};

} // namespace larkspan
