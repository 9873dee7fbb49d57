#pragma once
// The one process-wide configuration record, filled in three layers:
// built-in defaults, then "CorvelInstallerConfig.ini" beside the executable
// (section "Install"), then the command line. It is written only on the main
// thread during process start and start-up; afterwards workers read it
// without locks (only m_CurlReady and m_Language change later, on the main
// thread).
#include <cstdint>
#include <string>

class InstallerConfig {
public:
    static constexpr const wchar_t* kConfigFileName = L"CorvelInstallerConfig.ini";
    static constexpr const wchar_t* kSection = L"Install";
    // Every string value is read into this many characters, so at most 259
    // characters of a value are used.
    static constexpr uint32_t kValueBufferChars = 260;
    static constexpr const wchar_t* kDefaultDownloadUrl = L"http://dl.corvelsoft.com/software/465";
    static constexpr const wchar_t* kRoutePlaceholder = L"${ROUTE}";

    // The defaults, then the file beside the running executable.
    InstallerConfig();
    // The defaults, then the file beside exePath (tests).
    explicit InstallerConfig(const std::wstring& exePath);

    // The record of this process, constructed (and its file read) before the
    // entry point runs.
    static InstallerConfig& Instance();

    // Reads the file beside exePath: m_ExeName from its file name, then the
    // eight keys in order and AnalyticsServerUrl after them. A missing file changes nothing but m_ExeName.
    void LoadFromFile(const std::wstring& exePath);

    // Stores url after route substitution; every assignment of the download
    // address goes through here.
    void SetDownloadUrl(const std::wstring& url);

    // Applies the options of the process command line (GetCommandLineW).
    void ApplyCommandLine();
    // Applies the options of commandLine, in the order of the option table.
    // An absent option leaves its field alone; a present one assigns, except
    // that a number that does not fit its field, and a -downloadscale without
    // a finite number in front, keep the value the file (or the default) gave.
    void ApplyCommandLine(const std::wstring& commandLine);

    std::wstring GetAbValue() const { return m_AbValue; }

    // Replaces every "${ROUTE}" in url by "download_silent_xp" when the
    // version label contains "XP", by "download_silent" otherwise.
    static std::wstring SubstituteRoute(const std::wstring& url, const std::wstring& versionLabel);

    std::wstring m_ProductName = L"Notavion";
    std::wstring m_Version = L"1.7.9";
    std::wstring m_ExeName = L"NULL";
    std::wstring m_DlAppNameSuffix = L".downloader";
    std::wstring m_DlAppVersion;
    std::wstring m_InstCmd;
    std::wstring m_DownloadUrl;
    // The analytics collection endpoint (a deployment setting): key
    // AnalyticsServerUrl, default from the build (empty unless the build
    // sets NOTAVION_ANALYTICS_SERVER_URL).
    std::wstring m_AnalyticsServerUrl;
    int32_t m_DownloadType = 1;
    bool m_IsCheckNet = false;
    bool m_IsEnableAnalytics = true;
    double m_DownloadScale = 0.7;
    bool m_CurlReady = true;
    std::wstring m_AbValue = L"IN";
    int32_t m_Language = -1;
    bool m_InsNew = false;
};
