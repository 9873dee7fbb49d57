#include "utils/Text.h"

#include "platform/CodePage.h"

namespace Utils {

std::wstring ToWide(std::string_view text, uint32_t codePage) {
    std::wstring out;
    if (!platform::MultiByteToWide(codePage, text, out)) out.clear();
    return out;
}

std::string ToNarrow(std::wstring_view text, uint32_t codePage) {
    std::string out;
    if (!platform::WideToMultiByte(codePage, text, out)) out.clear();
    return out;
}

std::wstring AsciiToWide(std::string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (char c : text) out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return out;
}

}  // namespace Utils
