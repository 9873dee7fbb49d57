#include "platform/CodePage.h"

#include "platform/posix/Utf8.h"

#include <iconv.h>

#include <cerrno>
#include <string>
#include <vector>

namespace platform {

namespace {

constexpr uint32_t kAnsi = 0;
constexpr uint32_t kUtf8 = 65001;

// iconv's name for a Windows code page number.
std::string IconvName(uint32_t codePage) {
    switch (codePage) {
        case 1200: return "UTF-16LE";
        case 1201: return "UTF-16BE";
        case 20127: return "ASCII";
        case 28591: return "ISO-8859-1";
        case 54936: return "GB18030";
        case 65000: return "UTF-7";
        default: return "CP" + std::to_string(codePage);
    }
}

class Iconv {
public:
    Iconv(const std::string& to, const std::string& from) : m_Cd(iconv_open(to.c_str(), from.c_str())) {}
    ~Iconv() {
        if (Valid()) iconv_close(m_Cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool Valid() const { return m_Cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_Cd; }

private:
    iconv_t m_Cd;
};

// Converts everything, replacing each input unit that cannot be converted
// (unitSize bytes) by the replacement bytes.
bool Convert(const Iconv& cd, std::string_view input, size_t unitSize, std::string_view replacement,
             std::string& out) {
    out.clear();
    std::vector<char> chunk(4096);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (true) {
        char* outPtr = chunk.data();
        size_t outLeft = chunk.size();
        const size_t result = iconv(cd.Get(), inLeft ? &in : nullptr, &inLeft, &outPtr, &outLeft);
        out.append(chunk.data(), chunk.size() - outLeft);
        if (result != static_cast<size_t>(-1)) {
            if (inLeft == 0) break;
            continue;
        }
        if (errno == E2BIG) continue;
        if (errno == EILSEQ || errno == EINVAL) {
            // A bad or truncated sequence: replace one unit and go on.
            const size_t skip = inLeft < unitSize ? inLeft : unitSize;
            in += skip;
            inLeft -= skip;
            out.append(replacement);
            iconv(cd.Get(), nullptr, nullptr, nullptr, nullptr);
            if (inLeft == 0) break;
            continue;
        }
        return false;
    }
    return true;
}

}  // namespace

bool MultiByteToWide(uint32_t codePage, std::string_view text, std::wstring& out) {
    if (codePage == kAnsi || codePage == kUtf8) {
        out = posix::FromUtf8(text);
        return true;
    }
    Iconv cd("UTF-8", IconvName(codePage));
    if (!cd.Valid()) return false;
    std::string utf8;
    if (!Convert(cd, text, 1, "\xEF\xBF\xBD", utf8)) return false;
    out = posix::FromUtf8(utf8);
    return true;
}

bool WideToMultiByte(uint32_t codePage, std::wstring_view text, std::string& out) {
    if (codePage == kAnsi || codePage == kUtf8) {
        out = posix::ToUtf8(text);
        return true;
    }
    Iconv cd(IconvName(codePage), "UTF-8");
    if (!cd.Valid()) return false;
    // Characters the code page lacks become '?', as WideCharToMultiByte's
    // default character.
    const std::string utf8 = posix::ToUtf8(text);
    std::string converted;
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        size_t length = 1;
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xF0) length = 4;
        else if (lead >= 0xE0) length = 3;
        else if (lead >= 0xC0) length = 2;
        if (!Convert(cd, std::string_view(utf8).substr(i, length), length, "?", converted)) return false;
        out += converted;
        i += length;
    }
    return true;
}

}  // namespace platform
