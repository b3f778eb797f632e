#include "desktop/AnsiQt.h"

#include <QFile>

#include "core/AnsiText.h"
#include "core/TextHelpers.h"

namespace brackwell {

QString AnsiToQString(std::string_view ansi) {
    QString text;
    text.reserve(static_cast<qsizetype>(ansi.size()));
    // Every code point of Windows-1252 lies in the Basic Multilingual Plane: one QChar each.
    for (char c : ansi) text += QChar(static_cast<char16_t>(AnsiToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string QStringToAnsi(const QString& text) {
    std::string ansi;
    ansi.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ansi += '?';  // one character beyond the BMP, never in the code page
            ++i;
            continue;
        }
        ansi += static_cast<char>(UnicodeToAnsi(c.unicode()));
    }
    return ansi;
}

QString AnsiToDisplayText(std::string_view ansi) { return AnsiToQString(ReplaceLineBreaks(ansi, '\n')); }

QString PathToQString(const std::string& path) { return QFile::decodeName(QByteArray::fromStdString(path)); }

std::string QStringToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace brackwell
