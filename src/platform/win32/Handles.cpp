#include "platform/Handles.h"

#include "platform/win32/Win32.h"

namespace platform {

void KernelHandleTraits::Close(void* handle) noexcept { ::CloseHandle(handle); }

}  // namespace platform
