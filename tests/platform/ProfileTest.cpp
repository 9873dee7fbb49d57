// The profile reader's rules. The same table runs natively (against our own
// reader) and under Wine (against GetPrivateProfileStringW), so the two stay
// alike.
#include "platform/Profile.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

using testsupport::TempFolder;

struct StringCase {
    const char* name;
    std::string file;
    const wchar_t* section;
    const wchar_t* key;
    std::wstring expected;
};

class ProfileString : public testing::TestWithParam<StringCase> {};

TEST_P(ProfileString, ReadsAsTheWindowsReaderDoes) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    testsupport::WriteTestFile(path, GetParam().file);
    EXPECT_EQ(platform::ReadProfileString(GetParam().section, GetParam().key, L"<default>", path, 260),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, ProfileString,
    testing::Values(
        StringCase{"plain", "[Install]\r\nDownloadUrl=http://a/b\r\n", L"Install", L"DownloadUrl", L"http://a/b"},
        StringCase{"lf_only", "[Install]\nInstCmd=/x\n", L"Install", L"InstCmd", L"/x"},
        StringCase{"names_ignore_case", "[install]\r\ndownloadurl=x\r\n", L"INSTALL", L"DownloadURL", L"x"},
        StringCase{"blanks_trimmed", "[ Install ]\r\n  Key  =  some value  \r\n", L"Install", L"Key", L"some value"},
        StringCase{"quotes_stripped", "[Install]\r\nKey=\"quoted value\"\r\n", L"Install", L"Key", L"quoted value"},
        StringCase{"equals_in_value", "[Install]\r\nUrl=http://h/p?a=1&b=2\r\n", L"Install", L"Url",
                   L"http://h/p?a=1&b=2"},
        StringCase{"empty_value", "[Install]\r\nKey=\r\n", L"Install", L"Key", L""},
        StringCase{"missing_key", "[Install]\r\nOther=1\r\n", L"Install", L"Key", L"<default>"},
        StringCase{"missing_section", "[Other]\r\nKey=1\r\n", L"Install", L"Key", L"<default>"},
        StringCase{"key_in_other_section", "[Other]\r\nKey=1\r\n[Install]\r\nx=2\r\n", L"Install", L"Key",
                   L"<default>"},
        StringCase{"first_key_wins", "[Install]\r\nKey=first\r\nKey=second\r\n", L"Install", L"Key", L"first"},
        StringCase{"comment_line", "[Install]\r\n;Key=commented\r\nKey=real\r\n", L"Install", L"Key", L"real"},
        StringCase{"no_trailing_line_end", "[Install]\r\nKey=last", L"Install", L"Key", L"last"},
        StringCase{"utf16_with_bom", testsupport::Utf16WithBom(L"[Install]\r\nKey=\u4e2d\u6587\r\n"), L"Install",
                   L"Key", L"\u4e2d\u6587"}),
    [](const testing::TestParamInfo<StringCase>& info) { return std::string(info.param.name); });

TEST(ProfileStringLimits, ValueIsCutToTheBufferLessOne) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    testsupport::WriteTestFile(path, "[Install]\r\nKey=" + std::string(300, 'v') + "\r\n");
    EXPECT_EQ(platform::ReadProfileString(L"Install", L"Key", L"", path, 260), std::wstring(259, L'v'));
}

TEST(ProfileStringLimits, MissingFileGivesTheDefault) {
    TempFolder folder;
    EXPECT_EQ(platform::ReadProfileString(L"Install", L"Key", L"fallback", folder / L"absent.ini", 260), L"fallback");
}

struct IntCase {
    const char* name;
    const char* value;  // nullptr: the key is missing
    uint32_t expected;
};

class ProfileInt : public testing::TestWithParam<IntCase> {};

TEST_P(ProfileInt, ReadsAsTheWindowsReaderDoes) {
    TempFolder folder;
    const std::wstring path = folder / L"settings.ini";
    std::string file = "[Install]\r\n";
    if (GetParam().value) file += std::string("DownloadType=") + GetParam().value + "\r\n";
    testsupport::WriteTestFile(path, file);
    EXPECT_EQ(platform::ReadProfileInt(L"Install", L"DownloadType", 7, path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileInt,
                         testing::Values(IntCase{"decimal", "3", 3u}, IntCase{"missing", nullptr, 7u},
                                         IntCase{"empty", "", 7u}, IntCase{"trailing_text", "12abc", 12u},
                                         IntCase{"no_number", "abc", 0u}, IntCase{"hexadecimal", "0x10", 16u},
                                         IntCase{"negative", "-3", 0xFFFFFFFDu}),
                         [](const testing::TestParamInfo<IntCase>& info) { return std::string(info.param.name); });

}  // namespace

namespace {

class ProfileWrite : public testing::Test {
protected:
    std::wstring Read(const wchar_t* section, const wchar_t* key) const {
        return platform::ReadProfileString(section, key, L"<missing>", m_Path, 260);
    }
    TempFolder m_Folder;
    std::wstring m_Path = m_Folder / L"CVSConfigure.ini";
};

TEST_F(ProfileWrite, CreatesTheFile) {
    ASSERT_TRUE(platform::WriteProfileEntry(L"Base", L"DistinctId", L"ABC-1", m_Path));
    EXPECT_EQ(Read(L"Base", L"DistinctId"), L"ABC-1");
}

TEST_F(ProfileWrite, ReplacesInPlaceAndKeepsEverythingElse) {
    testsupport::WriteTestFile(m_Path, "[Base]\r\nUserId=u1\r\nisLogined=NG\r\n[UninstallInfo]\r\nAppName=Notavion\r\n");
    ASSERT_TRUE(platform::WriteProfileEntry(L"BASE", L"ISLOGINED", L"OK", m_Path));
    ASSERT_TRUE(platform::WriteProfileEntry(L"Base", L"URL", L"http://127.0.0.1/x", m_Path));
    ASSERT_TRUE(platform::WriteProfileEntry(L"Local", L"City", L"Port", m_Path));
    EXPECT_EQ(Read(L"Base", L"isLogined"), L"OK") << "no second key in front of the first";
    EXPECT_EQ(Read(L"Base", L"UserId"), L"u1");
    EXPECT_EQ(Read(L"Base", L"URL"), L"http://127.0.0.1/x");
    EXPECT_EQ(Read(L"UninstallInfo", L"AppName"), L"Notavion");
    EXPECT_EQ(Read(L"Local", L"City"), L"Port");
}

TEST_F(ProfileWrite, Utf16FileStaysReadable) {
    testsupport::WriteTestFile(m_Path, testsupport::Utf16WithBom(L"[Base]\r\nUserId=\u4e2d\r\n"));
    ASSERT_TRUE(platform::WriteProfileEntry(L"Base", L"DistinctId", L"\u6587", m_Path));
    EXPECT_EQ(Read(L"Base", L"UserId"), L"\u4e2d");
    EXPECT_EQ(Read(L"Base", L"DistinctId"), L"\u6587");
}

TEST_F(ProfileWrite, FailsWhenTheFolderIsMissing) {
    EXPECT_FALSE(platform::WriteProfileEntry(L"Base", L"K", L"V", m_Folder / L"missing/x.ini"));
}

}  // namespace
