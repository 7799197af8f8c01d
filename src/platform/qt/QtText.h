// The one crossing between the program's UTF-8 text and Qt's strings.
#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace zoriduvo {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Qt 6 gives UTF-8 here.
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

}  // namespace zoriduvo
