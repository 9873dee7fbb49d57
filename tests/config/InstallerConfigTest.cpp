#include "config/InstallerConfig.h"

#include "support/ChildRole.h"
#include "support/TestFiles.h"
#include "utils/Text.h"
#include "utils/Path.h"
#include "utils/WindowsVersion.h"

#include <gmock/gmock.h>

#include <cstdio>

namespace {

using testsupport::TempFolder;

class InstallerConfigTest : public testing::Test {
protected:
    std::wstring ExePath() const { return m_Folder / L"NotavionInstaller.exe"; }
    void WriteConfig(const std::string& bytes) {
        testsupport::WriteTestFile(m_Folder / L"CorvelInstallerConfig.ini", bytes);
    }
    InstallerConfig Load() const { return InstallerConfig(ExePath()); }
    TempFolder m_Folder;
};

TEST_F(InstallerConfigTest, DefaultsWithoutAFile) {
    const InstallerConfig config = Load();
    EXPECT_EQ(config.m_DownloadUrl, InstallerConfig::kDefaultDownloadUrl);
    EXPECT_THAT(config.m_DownloadUrl, testing::EndsWith(L"/software/465"));
    EXPECT_EQ(config.m_DownloadType, 1);
    EXPECT_FALSE(config.m_IsCheckNet);
    EXPECT_TRUE(config.m_IsEnableAnalytics);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.7);
    EXPECT_EQ(config.m_InstCmd, L"");
    EXPECT_EQ(config.m_DlAppNameSuffix, L".downloader");
    EXPECT_EQ(config.m_DlAppVersion, L"");
    EXPECT_EQ(config.m_ExeName, L"NotavionInstaller.exe");
    EXPECT_EQ(config.m_ProductName, L"Notavion");
    EXPECT_EQ(config.m_Version, L"1.7.9");
    EXPECT_TRUE(config.m_CurlReady);
    EXPECT_EQ(config.GetAbValue(), L"IN");
    EXPECT_EQ(config.m_Language, -1);
    EXPECT_FALSE(config.m_InsNew);
    EXPECT_EQ(config.m_AnalyticsServerUrl, L"") << "this build sets no collection endpoint";
}

TEST_F(InstallerConfigTest, EmptySectionTurnsTheNetworkCheckOn) {
    WriteConfig("[Install]\r\n");
    const InstallerConfig config = Load();
    EXPECT_TRUE(config.m_IsCheckNet);
    EXPECT_EQ(config.m_DownloadType, 1);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.7);
    EXPECT_EQ(config.m_DownloadUrl, InstallerConfig::kDefaultDownloadUrl);
}

TEST_F(InstallerConfigTest, ReadsEveryKey) {
    WriteConfig(
        "[Install]\r\nDownloadUrl=http://127.0.0.1:8080/software/465\r\nDownloadType=3\r\nIsCheckNet=true\r\n"
        "IsEnableAnalytics=false\r\nDlAppNameSuffix=.suffix\r\nm_DlAppVersion=2.0.1\r\nDownloadScale=0.5\r\n"
        "InstCmd=/extra\r\nAnalyticsServerUrl=http://127.0.0.1:9/collect\r\n");
    const InstallerConfig config = Load();
    EXPECT_EQ(config.m_DownloadUrl, L"http://127.0.0.1:8080/software/465");
    EXPECT_EQ(config.m_DownloadType, 3);
    EXPECT_TRUE(config.m_IsCheckNet);
    EXPECT_FALSE(config.m_IsEnableAnalytics);
    EXPECT_EQ(config.m_DlAppNameSuffix, L".suffix");
    EXPECT_EQ(config.m_DlAppVersion, L"2.0.1");
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.5);
    EXPECT_EQ(config.m_InstCmd, L"/extra");
    EXPECT_EQ(config.m_AnalyticsServerUrl, L"http://127.0.0.1:9/collect");
}

TEST_F(InstallerConfigTest, Utf16FileWithKeysInOtherLetterCase) {
    WriteConfig(testsupport::Utf16WithBom(L"[INSTALL]\r\ndownloadtype=2\r\nINSTCMD=/\u4e2d\u6587\r\nischecknet=true\r\n"));
    const InstallerConfig config = Load();
    EXPECT_EQ(config.m_DownloadType, 2);
    EXPECT_EQ(config.m_InstCmd, L"/\u4e2d\u6587");
    EXPECT_TRUE(config.m_IsCheckNet);
}

struct FileCase {
    const char* name;
    const char* line;  // one line of section "Install"
    bool checkNet;
    double scale;
};

class ConfigFileValues : public InstallerConfigTest, public testing::WithParamInterface<FileCase> {};

TEST_P(ConfigFileValues, ConvertAsTheKeyTableSays) {
    WriteConfig(std::string("[Install]\r\n") + GetParam().line + "\r\n");
    const InstallerConfig config = Load();
    EXPECT_EQ(config.m_IsCheckNet, GetParam().checkNet);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, GetParam().scale);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConfigFileValues,
    testing::Values(FileCase{"checknet_upper_case", "IsCheckNet=TRUE", false, 0.7},
                    FileCase{"checknet_one", "IsCheckNet=1", false, 0.7},
                    FileCase{"scale_with_trailing_text", "DownloadScale=0.5abc", true, 0.5},
                    FileCase{"scale_without_number", "DownloadScale=abc", true, 0.0},
                    FileCase{"scale_out_of_range_keeps_default", "DownloadScale=1e999", true, 0.7},
                    FileCase{"scale_empty", "DownloadScale=", true, 0.0}),
    [](const testing::TestParamInfo<FileCase>& info) { return std::string(info.param.name); });

TEST_F(InstallerConfigTest, ValueOf300CharactersKeepsItsFirst259) {
    WriteConfig("[Install]\r\nInstCmd=" + std::string(300, 'c') + "\r\n");
    EXPECT_EQ(Load().m_InstCmd, std::wstring(259, L'c'));
}

TEST_F(InstallerConfigTest, RoutePlaceholderIsReplacedEverywhere) {
    WriteConfig("[Install]\r\nDownloadUrl=http://h/${ROUTE}/a/${ROUTE}/465\r\n");
    std::wstring name, label;
    Utils::GetWindowsVersion(name, label);
    const std::wstring route = label.find(L"XP") != std::wstring::npos ? L"download_silent_xp" : L"download_silent";
    EXPECT_EQ(Load().m_DownloadUrl, L"http://h/" + route + L"/a/" + route + L"/465");
}

struct RouteCase {
    const wchar_t* label;
    const wchar_t* route;
};

class RouteSubstitution : public testing::TestWithParam<RouteCase> {};

TEST_P(RouteSubstitution, XpLabelsTakeTheXpRoute) {
    EXPECT_EQ(InstallerConfig::SubstituteRoute(L"http://h/${ROUTE}/x/${ROUTE}", GetParam().label),
              std::wstring(L"http://h/") + GetParam().route + L"/x/" + GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(Labels, RouteSubstitution,
                         testing::Values(RouteCase{L"XP-", L"download_silent_xp"}, RouteCase{L"XP", L"download_silent_xp"},
                                         RouteCase{L"XP+", L"download_silent_xp"}, RouteCase{L"2K", L"download_silent"},
                                         RouteCase{L"Server 2003", L"download_silent"},
                                         RouteCase{L"Server 2003 R2", L"download_silent"},
                                         RouteCase{L"10", L"download_silent"},
                                         RouteCase{L"12.1.30000", L"download_silent"}));

TEST(RouteSubstitutionPlain, UrlWithoutPlaceholderIsUnchanged) {
    EXPECT_EQ(InstallerConfig::SubstituteRoute(L"http://h/software/465", L"XP"), L"http://h/software/465");
}

class ApplyCommandLine : public InstallerConfigTest {
protected:
    InstallerConfig Apply(const std::wstring& arguments) {
        InstallerConfig config = Load();
        config.ApplyCommandLine(L"\"C:\\dir\\NotavionInstaller.exe\" " + arguments);
        return config;
    }
};

TEST_F(ApplyCommandLine, EveryOption) {
    const InstallerConfig config = Apply(
        L"-downloadurl=http://127.0.0.1:9/software/465?a=1&b=2 -downloadtype=3 -downloadscale=0.4 -ischecknet=true "
        L"-isenableanalytics=false -dlappnamesuffix=.s -dlappversion=3.1 \"-instcmd=/a /b\" -language=2 -insnew=true");
    EXPECT_EQ(config.m_DownloadUrl, L"http://127.0.0.1:9/software/465?a=1&b=2");
    EXPECT_EQ(config.m_DownloadType, 3);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.4);
    EXPECT_TRUE(config.m_IsCheckNet);
    EXPECT_FALSE(config.m_IsEnableAnalytics);
    EXPECT_EQ(config.m_DlAppNameSuffix, L".s");
    EXPECT_EQ(config.m_DlAppVersion, L"3.1");
    EXPECT_EQ(config.m_InstCmd, L"/a /b");
    EXPECT_EQ(config.m_Language, 2);
    EXPECT_TRUE(config.m_InsNew);
}

TEST_F(ApplyCommandLine, AbsentOptionsKeepTheFileValues) {
    WriteConfig("[Install]\r\nDownloadType=2\r\nIsCheckNet=true\r\nDownloadScale=0.6\r\n");
    const InstallerConfig config = Apply(L"-unknown=1 stray");
    EXPECT_EQ(config.m_DownloadType, 2);
    EXPECT_TRUE(config.m_IsCheckNet);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.6);
}

TEST_F(ApplyCommandLine, PresentWithoutValueStillAssigns) {
    WriteConfig("[Install]\r\nDownloadType=2\r\nIsCheckNet=true\r\nInstCmd=/x\r\n");
    const InstallerConfig config = Apply(L"-ischecknet -downloadtype= -instcmd= -language");
    EXPECT_FALSE(config.m_IsCheckNet);
    EXPECT_EQ(config.m_DownloadType, 0);
    EXPECT_EQ(config.m_InstCmd, L"");
    EXPECT_EQ(config.m_Language, 0);
}

TEST_F(ApplyCommandLine, FirstOccurrenceWinsAndCapitalsAreIgnored) {
    const InstallerConfig config = Apply(L"-downloadtype=3 -downloadtype=2 -DownloadScale=0.1");
    EXPECT_EQ(config.m_DownloadType, 3);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.7);
}

TEST_F(ApplyCommandLine, UnusableNumbersKeepTheFileValue) {
    WriteConfig("[Install]\r\nDownloadType=2\r\nDownloadScale=0.6\r\n");
    const InstallerConfig config = Apply(L"-downloadtype=99999999999 -language=-99999999999 -downloadscale=abc");
    EXPECT_EQ(config.m_DownloadType, 2);
    EXPECT_EQ(config.m_Language, -1);
    EXPECT_DOUBLE_EQ(config.m_DownloadScale, 0.6);
    EXPECT_DOUBLE_EQ(Apply(L"-downloadscale=").m_DownloadScale, 0.6);
    EXPECT_DOUBLE_EQ(Apply(L"-downloadscale=1e999").m_DownloadScale, 0.6);
}

TEST_F(ApplyCommandLine, NumberWithoutDigitsReadsAsZero) {
    EXPECT_EQ(Apply(L"-downloadtype=abc").m_DownloadType, 0);
    EXPECT_EQ(Apply(L"-language=x").m_Language, 0);
}

TEST_F(ApplyCommandLine, DownloadUrlGoesThroughRouteSubstitution) {
    const InstallerConfig config = Apply(L"-downloadurl=http://h/${ROUTE}/465");
    EXPECT_EQ(config.m_DownloadUrl.find(L"${ROUTE}"), std::wstring::npos);
    EXPECT_THAT(config.m_DownloadUrl, testing::StartsWith(L"http://h/download_silent"));
}

// Applies this process's own command line and prints what it gave.
CHILD_ROLE("apply-own-command-line") {
    InstallerConfig config;
    config.ApplyCommandLine();
    const std::string report = std::to_string(config.m_DownloadType) + "|" + Utils::WideToUtf8(config.m_InstCmd) + "|" +
                               (config.m_IsCheckNet ? "on" : "off") + "|" + Utils::WideToUtf8(config.m_DownloadUrl);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return 0;
}

TEST(ApplyProcessCommandLine, ReadsTheRealCommandLineOfTheProcess) {
    auto child = testsupport::StartChild(
        "apply-own-command-line",
        testsupport::SelfCommandLine(L"-downloadtype=3 -downloadtype=2 \"-instcmd=/a \\\"b\\\"\" -ischecknet "
                                     L"-downloadurl=http://127.0.0.1/x?a=b=c"));
    EXPECT_EQ(testsupport::ReadAllOutput(*child), "3|/a \"b\"|off|http://127.0.0.1/x?a=b=c");
    child->WaitForExit(-1);
    child->Close();
}

}  // namespace
