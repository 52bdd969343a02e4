// Conversions between the core's UTF-8 and single-byte texts and QString.
#pragma once

#include <QList>
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

// A text for a single-byte field; characters the code page has no byte for are left out (the
// key filters keep them out of the boxes in the first place).
inline std::string ToSingleByte(const QString& text) {
  if (auto whole = Utf8ToCp1252(U8(text))) return *whole;
  std::string bytes;
  for (const uint c : text.toUcs4()) {
    if (auto one = Utf8ToCp1252(U8(QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1))))
      bytes += *one;
  }
  return bytes;
}

// Menu texts double as tool tips: the tip drops the access-key marker ("&Open", "打开(&O)")
// and the trailing "..." that announces a dialog.
QString PlainCaption(const QString& menuText);

}  // namespace kt740
