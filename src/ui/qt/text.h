#pragma once

#include <QString>
#include <string_view>

namespace ui::qt {

// The program's own UTF-8 texts (titles, captions, messages) as Qt shows them.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace ui::qt
