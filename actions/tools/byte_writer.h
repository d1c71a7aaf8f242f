// Appends the fields of a binary file image: little-endian integers, raw bytes,
// identifiers and UTF-16LE texts.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "actions/tools/class_id.h"

namespace kelvaro {

class ByteWriter {
 public:
  void U16(uint16_t value) {
    Byte(value & 0xFF);
    Byte(value >> 8);
  }
  void U32(uint32_t value) {
    U16(value & 0xFFFF);
    U16(value >> 16);
  }
  void Bytes(std::initializer_list<uint8_t> bytes) {
    for (uint8_t byte : bytes)
      Byte(byte);
  }
  void Bytes(std::string_view bytes) { bytes_ += bytes; }
  void Zeros(size_t count) { bytes_.append(count, '\0'); }
  void Id(const ClassId& id) {
    for (uint8_t byte : id.bytes)
      Byte(byte);
  }
  // The text in UTF-16LE followed by its terminating zero.
  void Utf16WithZero(std::u16string_view text) {
    for (char16_t unit : text)
      U16(unit);
    U16(0);
  }

  size_t size() const { return bytes_.size(); }
  const std::string& bytes() const { return bytes_; }

 private:
  void Byte(unsigned value) { bytes_.push_back(static_cast<char>(value & 0xFF)); }
  std::string bytes_;
};

}  // namespace kelvaro
