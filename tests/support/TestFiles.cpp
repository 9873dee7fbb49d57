#include "support/TestFiles.h"

#include "platform/FileSystem.h"
#include "utils/Path.h"
#include "utils/SystemInfo.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace testsupport {

namespace {
std::filesystem::path ToFsPath(const std::wstring& path) { return std::filesystem::path(path); }
}  // namespace

TempFolder::TempFolder() {
    m_Path = Utils::JoinPath(platform::GetTempFolder(), L"notavion-test-" + Utils::CreateGuidString());
    std::filesystem::create_directories(ToFsPath(m_Path));
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(ToFsPath(m_Path), ignored);
}

std::wstring TempFolder::operator/(const std::wstring& name) const { return Utils::JoinPath(m_Path, name); }

void WriteTestFile(const std::wstring& path, const std::string& bytes) {
    ASSERT_TRUE(platform::WriteWholeFile(path, bytes));
}

std::string Utf16WithBom(const std::wstring& text) {
    std::string bytes = "\xFF\xFE";
    for (wchar_t c : text) {
        auto unit = static_cast<uint32_t>(c);
        auto put = [&](uint32_t u) {
            bytes.push_back(static_cast<char>(u & 0xFF));
            bytes.push_back(static_cast<char>((u >> 8) & 0xFF));
        };
        if (unit >= 0x10000) {
            unit -= 0x10000;
            put(0xD800 + (unit >> 10));
            put(0xDC00 + (unit & 0x3FF));
        } else {
            put(unit);
        }
    }
    return bytes;
}

}  // namespace testsupport
