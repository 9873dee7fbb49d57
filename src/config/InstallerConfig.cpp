#include "config/InstallerConfig.h"

#include "config/CommandLineArgs.h"
#include "platform/CommandLine.h"
#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "utils/Path.h"
#include "utils/WindowsVersion.h"

#include <cmath>

#ifndef NOTAVION_ANALYTICS_SERVER_URL
#define NOTAVION_ANALYTICS_SERVER_URL ""
#endif

namespace {

const wchar_t* const kDefaultAnalyticsServerUrl = L"" NOTAVION_ANALYTICS_SERVER_URL;

InstallerConfig g_Config;  // constructed during process start, before the entry point

bool IsTrue(const std::wstring& text) { return text == L"true"; }

}  // namespace

InstallerConfig::InstallerConfig() : InstallerConfig(platform::GetModulePath()) {}

InstallerConfig::InstallerConfig(const std::wstring& exePath) : m_AnalyticsServerUrl(kDefaultAnalyticsServerUrl) {
    SetDownloadUrl(kDefaultDownloadUrl);
    LoadFromFile(exePath);
}

InstallerConfig& InstallerConfig::Instance() { return g_Config; }

void InstallerConfig::LoadFromFile(const std::wstring& exePath) {
    if (!exePath.empty()) m_ExeName = Utils::FileNameOf(exePath);  // "NULL" when the path is unknown
    const std::wstring file = Utils::JoinPath(Utils::ParentFolder(exePath), kConfigFileName);
    if (platform::PathExists(file)) {
        auto read = [&](const wchar_t* key, const wchar_t* fallback) {
            return platform::ReadProfileString(kSection, key, fallback, file, kValueBufferChars);
        };
        SetDownloadUrl(read(L"DownloadUrl", kDefaultDownloadUrl));
        m_DownloadType = static_cast<int32_t>(platform::ReadProfileInt(kSection, L"DownloadType", 1, file));
        m_IsCheckNet = IsTrue(read(L"IsCheckNet", L"true"));
        m_IsEnableAnalytics = IsTrue(read(L"IsEnableAnalytics", L"true"));
        m_DlAppNameSuffix = read(L"DlAppNameSuffix", L".downloader");
        m_DlAppVersion = read(L"m_DlAppVersion", L"");
        const LeadingDouble scale = ParseLeadingDouble(read(L"DownloadScale", L"0.7"));
        if (scale.kind == LeadingDouble::kNumber) m_DownloadScale = scale.value;
        else if (scale.kind == LeadingDouble::kNoNumber) m_DownloadScale = 0.0;
        // Out of range: the default stays.
        m_InstCmd = read(L"InstCmd", L"");
        m_AnalyticsServerUrl = read(L"AnalyticsServerUrl", kDefaultAnalyticsServerUrl);
    }
    m_ProductName = L"Notavion";
    m_Version = L"1.7.9";
}

void InstallerConfig::SetDownloadUrl(const std::wstring& url) {
    if (url.find(kRoutePlaceholder) == std::wstring::npos) {
        m_DownloadUrl = url;
        return;
    }
    std::wstring systemName, label;
    Utils::GetWindowsVersion(systemName, label);
    m_DownloadUrl = SubstituteRoute(url, label);
}

std::wstring InstallerConfig::SubstituteRoute(const std::wstring& url, const std::wstring& versionLabel) {
    const std::wstring route = versionLabel.find(L"XP") != std::wstring::npos ? L"download_silent_xp" : L"download_silent";
    const std::wstring placeholder = kRoutePlaceholder;
    std::wstring result = url;
    // Search from the start each time, as the route itself holds no
    // placeholder this ends.
    for (size_t at = result.find(placeholder); at != std::wstring::npos; at = result.find(placeholder))
        result.replace(at, placeholder.size(), route);
    return result;
}

void InstallerConfig::ApplyCommandLine() { ApplyCommandLine(platform::GetProcessCommandLine()); }

void InstallerConfig::ApplyCommandLine(const std::wstring& commandLine) {
    const CommandLineArgs args(commandLine);
    auto readInt = [&](const wchar_t* key, int32_t& field) {
        if (!args.Has(key)) return;
        if (const auto value = args.GetInt(key)) field = *value;
    };
    if (args.Has(L"-downloadurl")) SetDownloadUrl(args.GetString(L"-downloadurl"));
    readInt(L"-downloadtype", m_DownloadType);
    if (args.Has(L"-downloadscale")) {
        const double scale = args.GetDouble(L"-downloadscale");
        if (!std::isnan(scale)) m_DownloadScale = scale;
    }
    if (args.Has(L"-ischecknet")) m_IsCheckNet = args.GetBool(L"-ischecknet");
    if (args.Has(L"-isenableanalytics")) m_IsEnableAnalytics = args.GetBool(L"-isenableanalytics");
    if (args.Has(L"-dlappnamesuffix")) m_DlAppNameSuffix = args.GetString(L"-dlappnamesuffix");
    if (args.Has(L"-dlappversion")) m_DlAppVersion = args.GetString(L"-dlappversion");
    if (args.Has(L"-instcmd")) m_InstCmd = args.GetString(L"-instcmd");
    readInt(L"-language", m_Language);
    if (args.Has(L"-insnew")) m_InsNew = args.GetBool(L"-insnew");
}
