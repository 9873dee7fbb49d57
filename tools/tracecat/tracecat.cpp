// tracecat: runs a command line as a debuggee and prints every debugger
// output string of it and of the processes it starts, one per line, as
// UTF-8 on standard output. Exits with the first process's exit code.
//
//   tracecat [--escape] [--thread-names] -- command line...
//
// --escape        writes "\r", "\n" and "\\" inside a string as escapes, so
//                 that each string is exactly one output line and its own
//                 line end stays visible
// --thread-names  also prints "#threadname <thread id> <name>" for each
//                 debugger thread-naming notification (0x406D1388)
#ifndef UNICODE
#define UNICODE
#endif
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DWORD kThreadNameException = 0x406D1388;
// A debuggee's string longer than this is cut; trace lines are far shorter.
constexpr SIZE_T kMaxDebugString = 1 << 20;

bool g_Escape = false;
bool g_ThreadNames = false;

std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int needed = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), needed, nullptr, nullptr);
    return out;
}

std::wstring FromCodePage(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), needed);
    return out;
}

void PrintLine(const std::string& utf8) {
    std::string line;
    if (g_Escape) {
        for (char c : utf8) {
            if (c == '\r') line += "\\r";
            else if (c == '\n') line += "\\n";
            else if (c == '\\') line += "\\\\";
            else line.push_back(c);
        }
    } else {
        line = utf8;
    }
    if (line.empty() || line.back() != '\n') line.push_back('\n');
    fwrite(line.data(), 1, line.size(), stdout);
    fflush(stdout);
}

std::wstring ReadDebuggeeString(HANDLE process, const void* address, SIZE_T units, bool wide) {
    if (!address || units == 0) return {};
    if (units > kMaxDebugString) units = kMaxDebugString;
    if (wide) {
        std::wstring text(units, L'\0');
        SIZE_T got = 0;
        ReadProcessMemory(process, address, text.data(), units * sizeof(wchar_t), &got);
        text.resize(got / sizeof(wchar_t));
        while (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    }
    std::string text(units, '\0');
    SIZE_T got = 0;
    ReadProcessMemory(process, address, text.data(), units, &got);
    text.resize(got);
    while (!text.empty() && text.back() == '\0') text.pop_back();
    return FromCodePage(CP_ACP, text);
}

// The command line after "--", exactly as it stands in ours.
std::wstring CommandAfterSeparator() {
    const std::wstring whole = GetCommandLineW();
    const size_t at = whole.find(L" -- ");
    return at == std::wstring::npos ? std::wstring() : whole.substr(at + 4);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // Bytes go out as they are: no "\n" to "\r\n" translation.
    _setmode(_fileno(stdout), _O_BINARY);
    for (int i = 1; i < argc && std::wstring(argv[i]) != L"--"; ++i) {
        const std::wstring option = argv[i];
        if (option == L"--escape") g_Escape = true;
        else if (option == L"--thread-names") g_ThreadNames = true;
        else {
            fwprintf(stderr, L"tracecat: unknown option %ls\n", option.c_str());
            return 2;
        }
    }
    std::wstring command = CommandAfterSeparator();
    if (command.empty()) {
        fputs("usage: tracecat [--escape] [--thread-names] -- command line...\n", stderr);
        return 2;
    }

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, DEBUG_PROCESS, nullptr, nullptr, &startup,
                        &info)) {
        fprintf(stderr, "tracecat: cannot start the program (error %lu)\n", GetLastError());
        return 127;
    }
    CloseHandle(info.hThread);

    std::map<DWORD, HANDLE> processes;  // debuggee id -> handle from the debug event
    DWORD exitCode = 1;
    std::map<DWORD, bool> breakpointSeen;  // each process's loader breakpoint
    while (true) {
        DEBUG_EVENT event{};
        if (!WaitForDebugEvent(&event, INFINITE)) break;
        DWORD status = DBG_CONTINUE;
        switch (event.dwDebugEventCode) {
            case CREATE_PROCESS_DEBUG_EVENT:
                processes[event.dwProcessId] = event.u.CreateProcessInfo.hProcess;
                if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
                break;
            case LOAD_DLL_DEBUG_EVENT:
                if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
                break;
            case OUTPUT_DEBUG_STRING_EVENT: {
                const auto& text = event.u.DebugString;
                PrintLine(ToUtf8(ReadDebuggeeString(processes[event.dwProcessId], text.lpDebugStringData,
                                                    text.nDebugStringLength, text.fUnicode != 0)));
                break;
            }
            case EXCEPTION_DEBUG_EVENT: {
                const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
                if (record.ExceptionCode == EXCEPTION_BREAKPOINT && !breakpointSeen[event.dwProcessId]) {
                    breakpointSeen[event.dwProcessId] = true;
                } else if (record.ExceptionCode == kThreadNameException && record.NumberParameters >= 3 &&
                           record.ExceptionInformation[0] == 0x1000) {
                    if (g_ThreadNames) {
                        char name[256] = {};
                        SIZE_T got = 0;
                        ReadProcessMemory(processes[event.dwProcessId],
                                          reinterpret_cast<const void*>(record.ExceptionInformation[1]), name,
                                          sizeof name - 1, &got);
                        const DWORD thread = static_cast<DWORD>(record.ExceptionInformation[2]);
                        PrintLine("#threadname " + std::to_string(thread) + " " +
                                  ToUtf8(FromCodePage(CP_ACP, std::string(name))));
                    }
                    // Handled here, as a debugger does; the program goes on.
                } else {
                    status = DBG_EXCEPTION_NOT_HANDLED;
                }
                break;
            }
            case EXIT_PROCESS_DEBUG_EVENT:
                if (event.dwProcessId == info.dwProcessId) exitCode = event.u.ExitProcess.dwExitCode;
                processes.erase(event.dwProcessId);
                break;
            default:
                break;
        }
        const bool done = event.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT && processes.empty();
        ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
        if (done) break;
    }
    CloseHandle(info.hProcess);
    return static_cast<int>(exitCode);
}
