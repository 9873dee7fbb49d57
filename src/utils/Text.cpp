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

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

}  // namespace Utils
