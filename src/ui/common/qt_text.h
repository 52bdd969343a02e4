// Conversions between the core's UTF-8 and single-byte texts and QString.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "core/codepage.h"

namespace kt740 {

inline QString Q(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string U8(const QString& text) {
  return text.toStdString();
}

// A single-byte (Windows-1252) field of a record, as the user sees it.
inline QString FromSingleByte(std::string_view bytes) {
  return Q(Cp1252ToUtf8(bytes));
}

// Menu texts double as tool tips: the tip drops the access-key marker ("&Open", "打开(&O)")
// and the trailing "..." that announces a dialog.
QString PlainCaption(const QString& menuText);

}  // namespace kt740
