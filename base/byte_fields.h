// Little-endian fields over a byte span, as the macro records, the shared
// macro table and the control blocks store them. Every access names its
// offset; nothing relies on how a compiler would pack a struct.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrix::bytes {

using ConstBytes = std::span<const std::uint8_t>;
using Bytes = std::span<std::uint8_t>;

inline std::uint8_t ReadU8(ConstBytes b, std::size_t at) { return b[at]; }
inline void WriteU8(Bytes b, std::size_t at, std::uint8_t value) { b[at] = value; }

inline std::uint16_t ReadU16(ConstBytes b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
inline void WriteU16(Bytes b, std::size_t at, std::uint16_t value) {
  b[at] = static_cast<std::uint8_t>(value & 0xFF);
  b[at + 1] = static_cast<std::uint8_t>(value >> 8);
}
inline std::int16_t ReadI16(ConstBytes b, std::size_t at) { return static_cast<std::int16_t>(ReadU16(b, at)); }
inline void WriteI16(Bytes b, std::size_t at, std::int16_t value) { WriteU16(b, at, static_cast<std::uint16_t>(value)); }

inline std::uint32_t ReadU32(ConstBytes b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
         (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
inline void WriteU32(Bytes b, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF);
}
inline std::int32_t ReadI32(ConstBytes b, std::size_t at) { return static_cast<std::int32_t>(ReadU32(b, at)); }
inline void WriteI32(Bytes b, std::size_t at, std::int32_t value) { WriteU32(b, at, static_cast<std::uint32_t>(value)); }

inline std::uint64_t ReadU64(ConstBytes b, std::size_t at) {
  return static_cast<std::uint64_t>(ReadU32(b, at)) | (static_cast<std::uint64_t>(ReadU32(b, at + 4)) << 32);
}
inline void WriteU64(Bytes b, std::size_t at, std::uint64_t value) {
  WriteU32(b, at, static_cast<std::uint32_t>(value & 0xFFFFFFFFu));
  WriteU32(b, at + 4, static_cast<std::uint32_t>(value >> 32));
}

// IEEE 754 double, stored little-endian.
inline double ReadDouble(ConstBytes b, std::size_t at) { return std::bit_cast<double>(ReadU64(b, at)); }
inline void WriteDouble(Bytes b, std::size_t at, double value) { WriteU64(b, at, std::bit_cast<std::uint64_t>(value)); }

// string[capacity]: one length byte, then `capacity` character bytes. A
// length byte larger than the capacity (a damaged record) is read as full.
inline std::string ReadString(ConstBytes b, std::size_t at, std::size_t capacity) {
  const std::size_t length = std::min<std::size_t>(b[at], capacity);
  return std::string(reinterpret_cast<const char*>(b.data() + at + 1), length);
}
// Cuts the text to the capacity; the unused character bytes become zero.
inline void WriteString(Bytes b, std::size_t at, std::size_t capacity, std::string_view text) {
  const std::size_t length = std::min(text.size(), capacity);
  b[at] = static_cast<std::uint8_t>(length);
  std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), length, b.begin() + at + 1);
  std::fill(b.begin() + at + 1 + length, b.begin() + at + 1 + capacity, std::uint8_t{0});
}

}  // namespace tavrix::bytes
