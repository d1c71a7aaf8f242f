// Whole numbers as decimal text, without pulling a printf into the program.
#pragma once

#include <charconv>
#include <string>

namespace kelvaro {

inline std::string Decimal(long long value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

}  // namespace kelvaro
