#include "platform/CodePage.h"

#include "platform/win32/Win32.h"

#include <climits>

namespace platform {

bool MultiByteToWide(uint32_t codePage, std::string_view text, std::wstring& out) {
    out.clear();
    if (text.empty()) return IsValidCodePage(codePage) || codePage == CP_ACP;
    if (text.size() > INT_MAX) return false;
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return false;
    out.resize(static_cast<size_t>(needed));
    return ::MultiByteToWideChar(codePage, 0, text.data(), length, out.data(), needed) == needed;
}

bool WideToMultiByte(uint32_t codePage, std::wstring_view text, std::string& out) {
    out.clear();
    if (text.empty()) return IsValidCodePage(codePage) || codePage == CP_ACP;
    if (text.size() > INT_MAX) return false;
    const int length = static_cast<int>(text.size());
    const int needed = ::WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return false;
    out.resize(static_cast<size_t>(needed));
    return ::WideCharToMultiByte(codePage, 0, text.data(), length, out.data(), needed, nullptr, nullptr) == needed;
}

}  // namespace platform
