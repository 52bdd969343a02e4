// Walks a record's layout (file_layout.h) to write it to bytes, read it back or measure it.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "files/file_layout.h"

namespace kt740 {

namespace layout_detail {

template <typename T>
struct IsStdArray : std::false_type {};
template <typename T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};

template <typename T>
struct IsFixedText : std::false_type {};
template <std::size_t N>
struct IsFixedText<FixedText<N>> : std::true_type {};

}  // namespace layout_detail

// Dispatches every member to the visitor's primitive handlers, recursing into arrays and
// nested records. Derived provides Byte(x), Word(x) (16 bits), Real(x) and Text(bytes, n).
template <typename Derived>
class LayoutWalker {
 public:
  template <typename T>
  void operator()(const char* name, T& field) {
    using U = std::remove_const_t<T>;
    Derived& self = static_cast<Derived&>(*this);
    if constexpr (layout_detail::IsStdArray<U>::value) {
      for (auto& element : field) self(name, element);
    } else if constexpr (layout_detail::IsFixedText<U>::value) {
      self.Text(field.bytes.data(), U::kSize);
    } else if constexpr (std::is_same_v<U, uint8_t>) {
      self.Byte(field);
    } else if constexpr (std::is_same_v<U, int16_t> || std::is_same_v<U, uint16_t>) {
      self.Word(field);
    } else if constexpr (std::is_same_v<U, double>) {
      self.Real(field);
    } else {
      Describe(self, field);
    }
  }
};

class LayoutSizer : public LayoutWalker<LayoutSizer> {
 public:
  std::size_t size = 0;
  void Byte(uint8_t) { size += 1; }
  template <typename W>
  void Word(W) {
    size += 2;
  }
  void Real(double) { size += 8; }
  void Text(const char*, std::size_t n) { size += n; }
};

class LayoutWriter : public LayoutWalker<LayoutWriter> {
 public:
  explicit LayoutWriter(std::string& out) : out_(out) {}
  void Byte(uint8_t x) { out_.push_back(static_cast<char>(x)); }
  template <typename W>
  void Word(W x) {
    const auto u = static_cast<uint16_t>(x);
    out_.push_back(static_cast<char>(u & 0xFF));
    out_.push_back(static_cast<char>(u >> 8));
  }
  void Real(double x) {
    const auto u = std::bit_cast<uint64_t>(x);
    for (int i = 0; i < 8; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
  }
  void Text(const char* bytes, std::size_t n) { out_.append(bytes, n); }

 private:
  std::string& out_;
};

// Reads members in layout order; past the end of the input it stops filling and clears ok.
class LayoutReader : public LayoutWalker<LayoutReader> {
 public:
  explicit LayoutReader(std::string_view in) : in_(in) {}
  bool ok = true;

  void Byte(uint8_t& x) {
    if (Take(1)) x = At(0);
  }
  template <typename W>
  void Word(W& x) {
    if (Take(2)) x = static_cast<W>(static_cast<uint16_t>(At(0) | (At(1) << 8)));
  }
  void Real(double& x) {
    if (!Take(8)) return;
    uint64_t u = 0;
    for (int i = 0; i < 8; ++i) u |= static_cast<uint64_t>(At(static_cast<std::size_t>(i))) << (8 * i);
    x = std::bit_cast<double>(u);
  }
  void Text(char* bytes, std::size_t n) {
    if (Take(n)) in_.substr(start_, n).copy(bytes, n);
  }

 private:
  bool Take(std::size_t n) {
    if (!ok || in_.size() - pos_ < n) {
      ok = false;
      return false;
    }
    start_ = pos_;
    pos_ += n;
    return true;
  }
  unsigned At(std::size_t i) const { return static_cast<unsigned char>(in_[start_ + i]); }

  std::string_view in_;
  std::size_t pos_ = 0;
  std::size_t start_ = 0;
};

template <typename R>
std::size_t LayoutSize(R& record) {
  LayoutSizer sizer;
  Describe(sizer, record);
  return sizer.size;
}

template <typename R>
void AppendRecordBytes(std::string& out, const R& record) {
  LayoutWriter writer(out);
  Describe(writer, record);
}

// Fills record from the first bytes of in; false when in is too short (record then partly
// filled: decode into a copy).
template <typename R>
bool ReadRecordBytes(std::string_view in, R& record) {
  LayoutReader reader(in);
  Describe(reader, record);
  return reader.ok;
}

}  // namespace kt740
