#pragma once

#include <QFile>
#include <QString>

#include <string>

namespace kalvo {

/// Engine text is Latin-1, one byte per character ("²" is 0xB2); widgets hold QString.
inline QString FromEngine(const std::string& text) {
    return QString::fromLatin1(text);
}
inline std::string ToEngine(const QString& text) {
    return text.toLatin1().toStdString();
}

/// File names as the file system holds them (the locale's encoding), and back.
inline std::string FileName(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
inline QString Path(const std::string& name) {
    return QFile::decodeName(QByteArray::fromStdString(name));
}

}  // namespace kalvo
