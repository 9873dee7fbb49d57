#pragma once
// UTF-8 <-> UTF-32 for the POSIX implementation, where wchar_t is 32 bits
// and the "ANSI" code page is UTF-8.
#include <string>
#include <string_view>

namespace platform::posix {

// Invalid or truncated sequences become U+FFFD, one per bad byte.
std::wstring FromUtf8(std::string_view bytes);
// Surrogates and values past U+10FFFF become U+FFFD.
std::string ToUtf8(std::wstring_view text);

}  // namespace platform::posix
