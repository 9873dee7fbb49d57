#include "platform/Debug.h"

#include "platform/win32/Win32.h"

namespace platform {

void OutputDebugText(const std::wstring& text) noexcept { ::OutputDebugStringW(text.c_str()); }

}  // namespace platform
