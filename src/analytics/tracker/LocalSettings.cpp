#include "analytics/tracker/LocalSettings.h"

#include "platform/FileSystem.h"
#include "platform/Profile.h"
#include "platform/KnownFolders.h"
#include "utils/Path.h"
#include "utils/SystemInfo.h"
#include "utils/Text.h"

#include <fmt/printf.h>

#include <random>

namespace corvel::tracking {

namespace {

constexpr const wchar_t* kBase = L"Base";
constexpr int kGuidAttempts = 10;

std::wstring WithPlatformSeparators(std::wstring path) {
    for (auto& c : path)
        if (c == L'/' || c == L'\\') c = platform::kPathSeparator;
    return path;
}

std::string ReadValue(const std::wstring& section, const wchar_t* key, const std::wstring& file) {
    return Utils::WideToUtf8(platform::ReadProfileString(section, key, L"", file, LocalSettings::kValueBufferChars));
}

void WriteValue(const wchar_t* section, const wchar_t* key, const std::string& value, const std::wstring& file) {
    platform::WriteProfileEntry(section, key, Utils::Utf8ToWide(value), file);
}

}  // namespace

void LocalSettings::ResolvePaths(const std::string& appName, const std::wstring& programFolder,
                                 const std::wstring& defaultBase) {
    const std::wstring app = Utils::Utf8ToWide(appName);
    std::wstring custom;
    const std::wstring setIni = Utils::JoinPath(programFolder, L"Set.ini");
    if (platform::PathExists(setIni))
        custom = WithPlatformSeparators(platform::ReadProfileString(L"Install", L"CVAnalyticsIni", L"", setIni, 260));
    const std::wstring customFolder = Utils::ParentFolder(custom);
    if (!customFolder.empty()) {
        m_SettingsFile = custom;
        m_SettingsDirectory = customFolder + platform::kPathSeparator;
    } else {
        m_SettingsDirectory = Utils::JoinPath(Utils::JoinPath(defaultBase, L"CVLocal"), app) + platform::kPathSeparator;
        m_SettingsFile = m_SettingsDirectory + app + L"_CVSConfigure.ini";
    }
    // Failure here is not fatal: the files simply are not written.
    Utils::CreateDirectories(m_SettingsDirectory);
    m_LogFilePath = m_SettingsDirectory + app + L"_CVSLog.txt";
    m_StagingFilePath = m_SettingsDirectory + app + L"_CVSQueue.txt";
}

std::wstring LocalSettings::DefaultBaseFolder() {
    platform::NtVersionNumbers version{0, 0, 0};
    const bool windows7OrLater = platform::GetNtVersionNumbers(version) == platform::NtVersionQuery::kOk &&
                                 (version.major > 6 || (version.major == 6 && version.minor >= 1));
    const std::wstring folder =
        windows7OrLater ? platform::GetLocalAppDataFolder() : platform::GetCommonDocumentsFolder();
    return folder.empty() ? folder : platform::GetShortPath(folder);
}

void LocalSettings::Load() {
    m_UserId.clear();
    m_DistinctId.clear();
    m_PrimaryDistinctId.clear();
    m_Url.clear();
    m_IsLogined = false;
    if (platform::PathExists(m_SettingsFile)) {
        m_DistinctId = ReadValue(kBase, L"DistinctId", m_SettingsFile);
        m_PrimaryDistinctId = ReadValue(kBase, L"PrimaryDistinctId", m_SettingsFile);
        if (m_PrimaryDistinctId.empty()) m_PrimaryDistinctId = m_DistinctId;
        m_UserId = ReadValue(kBase, L"UserId", m_SettingsFile);
        m_VipLevel = static_cast<int>(platform::ReadProfileInt(kBase, L"UserVipLevel", 0, m_SettingsFile));
        m_IsLogined = ReadValue(kBase, L"isLogined", m_SettingsFile) == "OK";
        m_Url = ReadValue(kBase, L"URL", m_SettingsFile);
    }
    if (m_DistinctId.empty()) {
        m_DistinctId = CreateDeviceId();
        Save();
    }
}

void LocalSettings::Save() const {
    WriteValue(kBase, L"DistinctId", m_DistinctId, m_SettingsFile);
    WriteValue(kBase, L"PrimaryDistinctId", m_PrimaryDistinctId, m_SettingsFile);
    WriteValue(kBase, L"UserId", m_UserId, m_SettingsFile);
    WriteValue(kBase, L"UserVipLevel", std::to_string(m_VipLevel), m_SettingsFile);
    WriteValue(kBase, L"URL", m_Url, m_SettingsFile);
    WriteValue(kBase, L"isLogined", m_IsLogined ? "OK" : "NG", m_SettingsFile);
}

void LocalSettings::SaveUninstallInfo(const std::string& appStore, const std::string& appName,
                                      const std::string& appVersion) const {
    WriteValue(L"UninstallInfo", L"AppStore", appStore, m_SettingsFile);
    WriteValue(L"UninstallInfo", L"AppName", appName, m_SettingsFile);
    WriteValue(L"UninstallInfo", L"AppVersion", appVersion, m_SettingsFile);
}

std::string FormatDeviceId(const platform::Guid& guid) {
    return fmt::sprintf("%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X", guid.data1, guid.data2, guid.data3,
                        guid.data4[0], guid.data4[1], guid.data4[2], guid.data4[3], guid.data4[4], guid.data4[5],
                        guid.data4[6], guid.data4[7]);
}

std::string FallbackDeviceId() {
    std::mt19937 generator(5489u);
    uint32_t d[8];
    for (auto& value : d) value = generator() & 0xFFFF;
    d[3] = (d[3] & 0x0FFF) | 0x4000;
    d[4] = d[4] % 0x3FFF + 0x8000;
    return fmt::sprintf("%x%x-%x-%x-%x-%x%x%x", d[0], d[1], d[2], d[3], d[4], d[5], d[6], d[7]);
}

std::string CreateDeviceId() {
    platform::Guid guid{};
    platform::CreateGuid(guid);  // the first result is not used
    for (int attempt = 0; attempt < kGuidAttempts; ++attempt)
        if (platform::CreateGuid(guid)) return FormatDeviceId(guid);
    return FallbackDeviceId();
}

}  // namespace corvel::tracking
