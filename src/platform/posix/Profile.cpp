#include "platform/Profile.h"

#include "platform/FileSystem.h"
#include "platform/posix/Utf8.h"

#include <cwctype>
#include <optional>
#include <vector>

// The rules of the Windows profile reader: the first section of a name and
// the first key of a name within it count; names compare without regard to
// case; blanks round names and values are dropped, and so is one pair of
// matching quotes round a value; lines starting with ';' are comments.
namespace platform {

namespace {

// Profile files are small; a larger file is not a settings file.
constexpr size_t kMaxProfileFileBytes = 16u * 1024u * 1024u;

std::wstring DecodeFile(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::wstring text;
        for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
            char32_t unit = static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
                const char32_t low =
                    static_cast<unsigned char>(bytes[i + 2]) | (static_cast<unsigned char>(bytes[i + 3]) << 8);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            text.push_back(static_cast<wchar_t>(unit));
        }
        return text;
    }
    if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return posix::FromUtf8(bytes.substr(3));
    return posix::FromUtf8(bytes);
}

bool IsUtf16(const std::string& bytes) {
    return bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE;
}

std::string EncodeUtf16(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    auto put = [&](uint32_t unit) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>((unit >> 8) & 0xFF));
    };
    for (wchar_t c : text) {
        auto value = static_cast<uint32_t>(c);
        if (value >= 0x10000) {
            value -= 0x10000;
            put(0xD800 + (value >> 10));
            put(0xDC00 + (value & 0x3FF));
        } else {
            put(value);
        }
    }
    return bytes;
}

std::wstring Trim(std::wstring_view text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::iswspace(static_cast<wint_t>(text[begin]))) ++begin;
    while (end > begin && std::iswspace(static_cast<wint_t>(text[end - 1]))) --end;
    return std::wstring(text.substr(begin, end - begin));
}

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
    return true;
}

std::optional<std::wstring> FindValue(const std::wstring& text, const std::wstring& section, const std::wstring& key) {
    bool inSection = false;
    bool sectionSeen = false;
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = text.find(L'\n', pos);
        if (end == std::wstring::npos) end = text.size();
        const std::wstring line = Trim(std::wstring_view(text).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line[0] == L';') continue;
        if (line[0] == L'[') {
            if (sectionSeen && inSection) return std::nullopt;  // only the first section counts
            const size_t close = line.find(L']');
            const std::wstring name = Trim(std::wstring_view(line).substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
            inSection = EqualNoCase(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        const size_t equals = line.find(L'=');
        const std::wstring name = Trim(std::wstring_view(line).substr(0, equals));
        if (!EqualNoCase(name, key)) continue;
        if (equals == std::wstring::npos) return std::wstring();
        std::wstring value = Trim(std::wstring_view(line).substr(equals + 1));
        if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return std::nullopt;
}

std::optional<std::wstring> ReadValue(const std::wstring& section, const std::wstring& key, const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes) || bytes.size() > kMaxProfileFileBytes) return std::nullopt;
    return FindValue(DecodeFile(bytes), section, key);
}

// RtlUnicodeStringToInteger with base 0: blanks, a sign, an optional 0x, 0o
// or 0b prefix, then digits; the value wraps at 32 bits.
uint32_t ParseInteger(const std::wstring& text) {
    size_t i = 0;
    while (i < text.size() && text[i] <= L' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    uint32_t base = 10;
    if (i + 1 < text.size() && text[i] == L'0') {
        const wchar_t prefix = text[i + 1];
        if (prefix == L'x') base = 16;
        else if (prefix == L'o') base = 8;
        else if (prefix == L'b') base = 2;
        if (base != 10) i += 2;
    }
    uint32_t value = 0;
    for (; i < text.size(); ++i) {
        const wchar_t c = text[i];
        uint32_t digit;
        if (c >= L'0' && c <= L'9') digit = static_cast<uint32_t>(c - L'0');
        else if (c >= L'a' && c <= L'f') digit = static_cast<uint32_t>(c - L'a' + 10);
        else if (c >= L'A' && c <= L'F') digit = static_cast<uint32_t>(c - L'A' + 10);
        else break;
        if (digit >= base) break;
        value = value * base + digit;
    }
    return negative ? 0u - value : value;
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::wstring> SectionName(const std::wstring& line) {
    const std::wstring trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] != L'[') return std::nullopt;
    const size_t close = trimmed.find(L']');
    return Trim(std::wstring_view(trimmed).substr(1, close == std::wstring::npos ? std::wstring::npos : close - 1));
}

}  // namespace

bool WriteProfileEntry(const std::wstring& section, const std::wstring& key, const std::wstring& value,
                        const std::wstring& path) {
    std::string bytes;
    const bool existed = ReadWholeFile(path, bytes);
    if (bytes.size() > kMaxProfileFileBytes) return false;
    const bool utf16 = existed && IsUtf16(bytes);
    const std::wstring text = existed ? DecodeFile(bytes) : std::wstring();

    std::vector<std::wstring> lines;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos) end = text.size();
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    const std::wstring entry = key + L"=" + value;
    size_t sectionLine = lines.size();
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (name && EqualNoCase(*name, section)) {
            sectionLine = i;
            break;
        }
    }
    if (sectionLine == lines.size()) {
        lines.push_back(L"[" + section + L"]");
        lines.push_back(entry);
    } else {
        size_t insertAt = sectionLine + 1;
        bool replaced = false;
        for (size_t i = sectionLine + 1; i < lines.size() && !SectionName(lines[i]); ++i) {
            const std::wstring trimmed = Trim(lines[i]);
            if (trimmed.empty() || trimmed[0] == L';') continue;
            const size_t equals = trimmed.find(L'=');
            if (EqualNoCase(Trim(std::wstring_view(trimmed).substr(0, equals)), key)) {
                lines[i] = entry;
                replaced = true;
                break;
            }
            insertAt = i + 1;  // after the section's last entry
        }
        if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    }
    std::wstring output;
    for (const auto& line : lines) output += line + L"\r\n";
    return WriteWholeFile(path, utf16 ? EncodeUtf16(output) : posix::ToUtf8(output));
}

std::wstring ReadProfileString(const std::wstring& section, const std::wstring& key, const std::wstring& defaultValue,
                              const std::wstring& path, uint32_t bufferChars) {
    if (bufferChars == 0) return {};
    std::wstring value = ReadValue(section, key, path).value_or(defaultValue);
    if (value.size() > bufferChars - 1) value.resize(bufferChars - 1);
    return value;
}

uint32_t ReadProfileInt(const std::wstring& section, const std::wstring& key, int defaultValue,
                       const std::wstring& path) {
    const auto value = ReadValue(section, key, path);
    if (!value || value->empty()) return static_cast<uint32_t>(defaultValue);
    return ParseInteger(*value);
}

}  // namespace platform
