#pragma once
#include <string>

namespace platform {

// Delivers one line of trace text in a single call, so that lines written by
// different threads never mix. Windows: OutputDebugStringW. POSIX: the same
// text as UTF-8 on standard error, in one write.
void OutputDebugText(const std::wstring& text) noexcept;

}  // namespace platform
