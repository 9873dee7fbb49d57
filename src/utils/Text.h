#pragma once
// Text conversions. Every conversion names its code page: UTF-8 (65001),
// the system's ANSI code page (0) or a Windows code page number such as the
// one an "Encode=" line gives. A conversion that fails (an unknown code page)
// yields an empty text; invalid bytes become U+FFFD.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace Utils {

constexpr uint32_t kCodePageAnsi = 0;
constexpr uint32_t kCodePageUtf8 = 65001;

std::wstring ToWide(std::string_view text, uint32_t codePage);
std::string ToNarrow(std::wstring_view text, uint32_t codePage);

inline std::wstring Utf8ToWide(std::string_view text) { return ToWide(text, kCodePageUtf8); }
inline std::string WideToUtf8(std::wstring_view text) { return ToNarrow(text, kCodePageUtf8); }
inline std::wstring AnsiToWide(std::string_view text) { return ToWide(text, kCodePageAnsi); }
inline std::string WideToAnsi(std::wstring_view text) { return ToNarrow(text, kCodePageAnsi); }

// ASCII-only helpers for texts that are known to be plain ASCII (numbers,
// compiler-given names).
std::wstring AsciiToWide(std::string_view text);

// The lines of a text: split at line feeds, a carriage return before the
// line feed dropped, the empty piece after a final line feed left out.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace Utils
