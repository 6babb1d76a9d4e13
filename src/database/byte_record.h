#pragma once

// A record of the channel file is kept as the very bytes it was read as. Fields are read and
// written through little-endian accessors at fixed offsets, so a byte nobody interprets never
// changes.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

struct ByteField {
  std::size_t offset;
  std::size_t size;
};

// True when the fields follow each other without gap or overlap and end exactly at recordSize.
constexpr bool FieldsTile(std::initializer_list<ByteField> fields, std::size_t recordSize) {
  std::size_t next = 0;
  for (const ByteField& f : fields) {
    if (f.offset != next) return false;
    next += f.size;
  }
  return next == recordSize;
}

// How a text field is cleared before it is rewritten: some fields are cleared whole, others keep
// their last byte unless the new text needs it for its terminator.
enum class TextClear { WholeField, AllButLastByte };

template <std::size_t N>
struct ByteRecord {
  static constexpr std::size_t kSize = N;
  std::array<std::uint8_t, N> Bytes{};

  friend bool operator==(const ByteRecord&, const ByteRecord&) = default;

 protected:
  std::uint8_t GetU8(ByteField f) const { return Bytes[f.offset]; }
  void SetU8(ByteField f, std::uint8_t v) { Bytes[f.offset] = v; }

  std::uint16_t GetU16(ByteField f) const { return GetU16At(f.offset); }
  void SetU16(ByteField f, std::uint16_t v) { SetU16At(f.offset, v); }

  std::uint16_t GetU16At(std::size_t at) const {
    return static_cast<std::uint16_t>(Bytes[at] | (Bytes[at + 1] << 8));
  }
  void SetU16At(std::size_t at, std::uint16_t v) {
    Bytes[at] = static_cast<std::uint8_t>(v);
    Bytes[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }

  std::uint32_t GetU32(ByteField f) const {
    std::uint32_t v = 0;
    for (std::size_t i = 4; i-- > 0;) v = (v << 8) | Bytes[f.offset + i];
    return v;
  }
  void SetU32(ByteField f, std::uint32_t v) {
    for (std::size_t i = 0; i < 4; ++i)
      Bytes[f.offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  unsigned GetBits(ByteField f, unsigned shift, unsigned width) const {
    return (Bytes[f.offset] >> shift) & ((1u << width) - 1u);
  }
  void SetBits(ByteField f, unsigned shift, unsigned width, unsigned value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    Bytes[f.offset] =
        static_cast<std::uint8_t>((Bytes[f.offset] & ~mask) | ((value << shift) & mask));
  }

  // The field's bytes up to its first zero byte, or all of them when there is none.
  std::string GetText(ByteField f) const {
    const auto* begin = Bytes.data() + f.offset;
    const auto* end = std::find(begin, begin + f.size, std::uint8_t{0});
    return std::string(begin, end);
  }
  // Writes at most size - 1 bytes of text and its terminator, so the text never reaches past the
  // field.
  void SetText(ByteField f, std::string_view text, TextClear clear) {
    const std::size_t clearCount = clear == TextClear::WholeField ? f.size : f.size - 1;
    std::fill_n(Bytes.begin() + static_cast<std::ptrdiff_t>(f.offset), clearCount, 0);
    const std::size_t length = std::min(text.size(), f.size - 1);
    std::copy_n(text.begin(), length, Bytes.begin() + static_cast<std::ptrdiff_t>(f.offset));
    Bytes[f.offset + length] = 0;
  }
};
