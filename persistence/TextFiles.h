#pragma once
// Whole-file reading and writing for the settings and calculation files.
// Files are written as UTF-8 through QSaveFile, so a failed or interrupted
// write leaves the previous file as it was; files are read as UTF-8, or as
// Windows-1252 when they are not valid UTF-8 (files of older versions).

#include <QByteArray>
#include <QString>

namespace larkspan::textfiles {

// The text of a file's bytes: UTF-8 (a leading byte-order mark dropped), or
// Windows-1252 when the bytes are not valid UTF-8.
QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// The bytes of a file; throws std::runtime_error when it cannot be read.
QByteArray readAll(const QString& path);
// Replaces the file with `bytes` in one step; throws std::runtime_error
// (with the system's reason) when it cannot be written. The old file is
// untouched on failure.
void writeAll(const QString& path, const QByteArray& bytes);

} // namespace larkspan::textfiles
