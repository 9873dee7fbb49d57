#include "analytics/tracker/LocalSettings.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "support/TestFiles.h"
#include "utils/Path.h"
#include "utils/Text.h"

#include <gmock/gmock.h>

#include <regex>

namespace {

using corvel::tracking::LocalSettings;
using testsupport::TempFolder;

std::wstring Sep() { return std::wstring(1, platform::kPathSeparator); }

class LocalSettingsTest : public testing::Test {
protected:
    LocalSettings Resolved() {
        LocalSettings settings;
        settings.ResolvePaths("Notavion.downloader", m_Program.Path(), m_Base.Path());
        return settings;
    }
    TempFolder m_Program;  // where the running program would be
    TempFolder m_Base;     // the local application data folder
};

TEST_F(LocalSettingsTest, DefaultPathsUnderTheBaseFolder) {
    const LocalSettings settings = Resolved();
    const std::wstring folder = m_Base.Path() + Sep() + L"CVLocal" + Sep() + L"Notavion.downloader" + Sep();
    EXPECT_EQ(settings.m_SettingsDirectory, folder);
    EXPECT_EQ(settings.m_SettingsFile, folder + L"Notavion.downloader_CVSConfigure.ini");
    EXPECT_EQ(settings.m_LogFilePath, folder + L"Notavion.downloader_CVSLog.txt");
    EXPECT_EQ(settings.m_StagingFilePath, folder + L"Notavion.downloader_CVSQueue.txt");
    EXPECT_TRUE(platform::PathExists(folder));
}

TEST_F(LocalSettingsTest, SetIniNamesACustomFileWithForwardSlashes) {
    std::wstring custom = m_Base / L"data";
    custom += L"/a.ini";
    for (auto& c : custom)
        if (c == L'\\') c = L'/';
    testsupport::WriteTestFile(m_Program / L"Set.ini", "[Install]\r\nCVAnalyticsIni=" + Utils::WideToUtf8(custom) + "\r\n");
    const LocalSettings settings = Resolved();
    EXPECT_EQ(settings.m_SettingsFile, (m_Base / L"data") + Sep() + L"a.ini");
    EXPECT_EQ(settings.m_SettingsDirectory, (m_Base / L"data") + Sep());
    EXPECT_TRUE(platform::PathExists(m_Base / L"data"));
}

TEST_F(LocalSettingsTest, NoFileGivesANewDeviceIdThatIsSaved) {
    LocalSettings settings = Resolved();
    settings.Load();
    EXPECT_TRUE(std::regex_match(settings.m_DistinctId, std::regex("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}")))
        << settings.m_DistinctId;
    EXPECT_FALSE(settings.m_IsLogined);
    LocalSettings again = Resolved();
    again.Load();
    EXPECT_EQ(again.m_DistinctId, settings.m_DistinctId);
}

struct LoginCase {
    const char* text;
    bool logined;
};

class LoginFlag : public LocalSettingsTest, public testing::WithParamInterface<LoginCase> {};

TEST_P(LoginFlag, OnlyTheExactTextOK) {
    LocalSettings settings = Resolved();
    testsupport::WriteTestFile(settings.m_SettingsFile, std::string("[Base]\r\nDistinctId=D1\r\nUserId=u7\r\nisLogined=") +
                                                            GetParam().text + "\r\nUserVipLevel=3\r\nURL=http://x\r\n");
    settings.Load();
    EXPECT_EQ(settings.m_IsLogined, GetParam().logined);
    EXPECT_EQ(settings.m_DistinctId, "D1");
    EXPECT_EQ(settings.m_PrimaryDistinctId, "D1") << "copied when the file has none";
    EXPECT_EQ(settings.m_UserId, "u7");
    EXPECT_EQ(settings.m_VipLevel, 3);
    EXPECT_EQ(settings.m_Url, "http://x");
}

INSTANTIATE_TEST_SUITE_P(Texts, LoginFlag,
                         testing::Values(LoginCase{"OK", true}, LoginCase{"ok", false}, LoginCase{"NG", false},
                                         LoginCase{"", false}));

TEST_F(LocalSettingsTest, SaveAndLoadRoundTrip) {
    LocalSettings settings = Resolved();
    settings.m_DistinctId = "D2";
    settings.m_PrimaryDistinctId = "P2";
    settings.m_UserId = "user";
    settings.m_VipLevel = 1;
    settings.m_Url = "http://127.0.0.1/collect";
    settings.m_IsLogined = true;
    settings.Save();
    settings.SaveUninstallInfo("web", "Notavion", "1.7.9");
    LocalSettings loaded = Resolved();
    loaded.Load();
    EXPECT_EQ(loaded.m_PrimaryDistinctId, "P2");
    EXPECT_EQ(loaded.m_UserId, "user");
    EXPECT_TRUE(loaded.m_IsLogined);
    EXPECT_EQ(platform::ReadProfileString(L"UninstallInfo", L"AppVersion", L"", loaded.m_SettingsFile, 128), L"1.7.9");
}

TEST(DeviceId, FormatsOfTheGuidAndTheFallback) {
    const platform::Guid guid{0x0A1B2C3D, 0x4E5F, 0xA0B1, {0xC2, 0xD3, 0xE4, 0xF5, 0x06, 0x17, 0x28, 0x39}};
    EXPECT_EQ(corvel::tracking::FormatDeviceId(guid), "0A1B2C3D-4E5F-A0B1-C2D3-E4F506172839");
    const std::string fallback = corvel::tracking::FallbackDeviceId();
    std::smatch parts;
    ASSERT_TRUE(std::regex_match(fallback, parts, std::regex("([0-9a-f]+)-([0-9a-f]+)-([0-9a-f]+)-([0-9a-f]+)-([0-9a-f]+)")))
        << fallback;
    EXPECT_EQ(parts[3].str().size(), 4u);
    EXPECT_EQ(parts[3].str()[0], '4') << "version nibble";
    EXPECT_EQ(corvel::tracking::FallbackDeviceId(), fallback) << "a fixed seed";
}

}  // namespace
