#include "analytics/sdk/Validation.h"

#include <iostream>

namespace cv_analytics {

namespace {

constexpr size_t kMaxNameBytes = 100;
constexpr size_t kMaxIdBytes = 255;

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNameStart(unsigned char c) { return IsLetter(c) || c == '$' || c == '_'; }
bool IsNamePart(unsigned char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); }
bool InRange(unsigned char c, unsigned char low, unsigned char high) { return c >= low && c <= high; }

}  // namespace

bool CheckName(std::string_view name, std::string_view label) {
    if (name.empty() || name.size() > kMaxNameBytes) {
        std::cerr << "The " << label << " is empty or too long, max length is 100";
        return false;
    }
    bool valid = IsNameStart(static_cast<unsigned char>(name[0]));
    for (size_t i = 1; valid && i < name.size(); ++i) valid = IsNamePart(static_cast<unsigned char>(name[i]));
    if (!valid) {
        std::cerr << "The " << label << " need to be a valid variable name.";
        return false;
    }
    return true;
}

bool CheckIdLength(std::string_view id, std::string_view label) {
    if (id.empty()) {
        std::cerr << "The " << label << " is empty." << std::endl;
        return false;
    }
    if (id.size() > kMaxIdBytes) {
        std::cerr << "The " << label << " is too long, max length is 255." << std::endl;
        return false;
    }
    return true;
}

bool IsAcceptedUtf8(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const size_t size = text.size();
    auto continuation = [&](size_t at) { return at < size && InRange(bytes[at], 0x80, 0xBF); };
    size_t i = 0;
    while (i < size) {
        const unsigned char c = bytes[i];
        if (c == 0x09 || c == 0x0A || c == 0x0D || InRange(c, 0x20, 0x7E)) {
            i += 1;
        } else if (InRange(c, 0xC2, 0xDF)) {
            if (!continuation(i + 1)) return false;
            i += 2;
        } else if (c == 0xE0 || c == 0xED || InRange(c, 0xE1, 0xEC) || InRange(c, 0xEE, 0xEF)) {
            const unsigned char low = c == 0xE0 ? 0xA0 : 0x80;
            const unsigned char high = c == 0xED ? 0x9F : 0xBF;
            if (i + 1 >= size || !InRange(bytes[i + 1], low, high) || !continuation(i + 2)) return false;
            i += 3;
        } else if (InRange(c, 0xF0, 0xF4)) {
            const unsigned char low = c == 0xF0 ? 0x90 : 0x80;
            const unsigned char high = c == 0xF4 ? 0x8F : 0xBF;
            if (i + 1 >= size || !InRange(bytes[i + 1], low, high) || !continuation(i + 2) || !continuation(i + 3))
                return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

bool CheckStringProperty(std::string_view key, std::string_view value) {
    if (value.size() > kMaxStringPropertyBytes) {
        std::cerr << "String property '" << key << "' is too long, value: " << value << std::endl;
        return false;
    }
    if (!IsAcceptedUtf8(value)) {
        std::cerr << "String property '" << key << "' is not valid UTF-8 string, value: " << value << std::endl;
        return false;
    }
    return true;
}

}  // namespace cv_analytics
