// The remote-access phone book that holds the broadband connection's entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvaro {

// The entry [宽带连接] in UTF-8: its section header, its lines and the empty
// line that ends it, every line ending in CR LF.
std::string PhoneBookEntry();

// The whole phone book as written where none exists: the leading bytes, then
// the entry as the only one.
std::string PhoneBookImage();

// The phone book to write: the whole image when there is none yet (or it is
// empty); otherwise the existing file with its entry [宽带连接] replaced, or the
// entry added at the end, every other byte kept as it was.
std::string PhoneBookWithEntry(std::optional<std::string_view> existing);

}  // namespace kelvaro
