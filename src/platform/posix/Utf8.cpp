#include "platform/posix/Utf8.h"

#include <cstdint>

namespace platform::posix {

namespace {
constexpr char32_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

std::wstring FromUtf8(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        size_t length = 0;
        char32_t value = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            out.push_back(static_cast<wchar_t>(lead));
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2; value = lead & 0x1F; minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3; value = lead & 0x0F; minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4; value = lead & 0x07; minimum = 0x10000;
        } else {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
            continue;
        }
        bool valid = i + length <= bytes.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if (!IsContinuation(c)) valid = false;
            else value = (value << 6) | (c & 0x3F);
        }
        if (valid && (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)))
            valid = false;
        if (!valid) {
            out.push_back(static_cast<wchar_t>(kReplacement));
            ++i;
            continue;
        }
        out.push_back(static_cast<wchar_t>(value));
        i += length;
    }
    return out;
}

std::string ToUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        auto value = static_cast<char32_t>(w);
        if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) value = kReplacement;
        if (value < 0x80) {
            out.push_back(static_cast<char>(value));
        } else if (value < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (value >> 6)));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else if (value < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (value >> 12)));
            out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (value >> 18)));
            out.push_back(static_cast<char>(0x80 | ((value >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((value >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (value & 0x3F)));
        }
    }
    return out;
}

}  // namespace platform::posix
