#pragma once
// The trace facility. Every UTILS_LOG statement writes exactly one line:
//   <P%05d><T%05d><%04d-%02d-%02d %02d:%02d:%02d.%03d>(%s)<%04d>: message
// with the process id, the thread id, the local time of the statement's
// start, the enclosing function's qualified name and the source line. The
// message is a printf-style wide format whose "%s" take wide strings; it
// carries its own line end ("\r\n" for most statements). Windows delivers
// the line with OutputDebugStringW, POSIX writes it to standard error.
// Tracing never throws and never changes the caller's state; a line that
// cannot be formatted is dropped.
#include "platform/Debug.h"
#include "platform/Thread.h"
#include "platform/Time.h"

#include <fmt/printf.h>
#include <fmt/xchar.h>

#include <string>

namespace Utils {

// Formats the arguments into the wide format and hands the text to the
// debugger output channel in one call.
template <typename... Args>
void WriteLog(const std::wstring& format, const Args&... args) noexcept {
    try {
        platform::OutputDebugText(fmt::sprintf(format, args...));
    } catch (...) {
        // An allocation or format failure drops the line.
    }
}

namespace detail {

extern const wchar_t kTracePrefix[];

// "Utils::Thread::CallBack" from the compiler's
// "static unsigned int Utils::Thread::CallBack(void*)": the qualified name
// without return type, parameters or qualifiers. A lambda keeps its enclosing
// function's name, followed by its generated name and "::operator ()".
std::wstring FunctionTag(const char* prettyFunction);

template <typename... Args>
void Trace(const std::wstring& tag, int line, const wchar_t* message, const Args&... args) noexcept {
    try {
        const platform::LocalTime now = platform::GetLocalTime();  // before the line is built
        std::wstring format(kTracePrefix);
        format += message;
        WriteLog(format, platform::CurrentProcessId(), platform::CurrentThreadId(), now.year, now.month, now.day,
                 now.hour, now.minute, now.second, now.millisecond, tag, line, args...);
    } catch (...) {
    }
}

}  // namespace detail
}  // namespace Utils

#define UTILS_LOG(format, ...)                                                                      \
    do {                                                                                            \
        static const ::std::wstring utils_log_tag_ = ::Utils::detail::FunctionTag(__PRETTY_FUNCTION__); \
        ::Utils::detail::Trace(utils_log_tag_, __LINE__, format __VA_OPT__(, ) __VA_ARGS__);        \
    } while (0)
