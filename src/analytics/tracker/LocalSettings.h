#pragma once
// The local analytics settings: the device and user identity kept between
// runs in a Windows profile file ([Base], [Local], [UninstallInfo]), and
// where that file and the tracker's other files live.
#include "platform/System.h"

#include <string>

namespace corvel::tracking {

class LocalSettings {
public:
    // Values are read into 128 characters, so at most 127 are kept.
    static constexpr uint32_t kValueBufferChars = 128;

    // Chooses the settings file and folder for appName and creates the
    // folder levels that are missing. A "Set.ini" in programFolder whose
    // [Install] CVAnalyticsIni names a path with a folder wins; otherwise the
    // folder is defaultBase/CVLocal/<app>/ and the file <app>_CVSConfigure.ini.
    // The log and staging files go into the same folder.
    void ResolvePaths(const std::string& appName, const std::wstring& programFolder, const std::wstring& defaultBase);

    // The default base folder: the short form of the local application data
    // folder from Windows 7 on, of the common documents folder before.
    static std::wstring DefaultBaseFolder();

    // Clears the identity, reads it from the settings file when it exists,
    // and makes (and saves) a new device id when none is stored.
    void Load();
    // Writes [Base] DistinctId, PrimaryDistinctId, UserId, UserVipLevel, URL
    // and isLogined ("OK" or "NG").
    void Save() const;
    // Writes [UninstallInfo] AppStore, AppName and AppVersion.
    void SaveUninstallInfo(const std::string& appStore, const std::string& appName,
                           const std::string& appVersion) const;

    bool m_IsLogined = false;
    std::string m_UserId;
    std::string m_DistinctId;
    std::string m_PrimaryDistinctId;
    int m_VipLevel = 0;
    std::string m_Url;

    std::wstring m_SettingsDirectory;  // ends with a separator
    std::wstring m_SettingsFile;
    std::wstring m_LogFilePath;
    std::wstring m_StagingFilePath;  // unsent analytics records
};

// A new device id "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" from a GUID; after
// 10 failed GUID calls, an id from a fixed-seed random generator.
std::string CreateDeviceId();
std::string FormatDeviceId(const platform::Guid& guid);
std::string FallbackDeviceId();

}  // namespace corvel::tracking
