#pragma once
// Colours and fonts that several pages share, named by what they mean.

#include <QColor>
#include <QFont>
#include <QString>

namespace larkspan::theme {

// The active window caption and its text: the result-field look and the
// title strip under the tool bar.
inline QColor activeCaption() { return QColor(0x99, 0xB4, 0xD1); }
inline QColor captionText() { return QColor(Qt::black); }
inline QColor buttonFace() { return QColor(0xF0, 0xF0, 0xF0); }
inline QColor windowBackground() { return QColor(0xF0, 0xF0, 0xF0); }
inline QColor green() { return QColor(0x00, 0x80, 0x00); }
inline QColor red() { return QColor(0xFF, 0x00, 0x00); }
inline QColor navy() { return QColor(0x00, 0x00, 0x80); }
inline QColor maroon() { return QColor(0x80, 0x00, 0x00); }
inline QColor yellow() { return QColor(0xFF, 0xFF, 0x00); }
inline QColor gray() { return QColor(0x80, 0x80, 0x80); }

// A font by family and pixel height (the layouts give heights in pixels).
inline QFont pixelFont(const QString& family, int pixelHeight, bool bold = false, bool italic = false)
{
    QFont f(family);
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}
// Point sizes as the layouts give them, at 96 pixels per inch.
inline QFont pointFont(const QString& family, int points, bool bold = false)
{
    return pixelFont(family, (points * 96 + 36) / 72, bold);
}
inline QFont arial(int points, bool bold = false) { return pointFont(QStringLiteral("Arial"), points, bold); }
inline QFont tahoma(int points, bool bold = false) { return pointFont(QStringLiteral("Tahoma"), points, bold); }

} // namespace larkspan::theme
