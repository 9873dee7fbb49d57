#pragma once
// Conversions between narrow text in a named code page and wide text.
// Code page 0 is the system's ANSI code page (UTF-8 on POSIX), 65001 is UTF-8;
// other numbers are Windows code page numbers (POSIX: through iconv, e.g.
// 936 as "CP936"). Invalid sequences become U+FFFD as MultiByteToWideChar
// does; an unknown code page fails.
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

bool MultiByteToWide(uint32_t codePage, std::string_view text, std::wstring& out);
bool WideToMultiByte(uint32_t codePage, std::wstring_view text, std::string& out);

}  // namespace platform
