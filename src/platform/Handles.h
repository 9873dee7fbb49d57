#pragma once
// The handle kinds that portable code holds. Each has one RAII owner
// (UniqueHandle); the raw type differs per platform and portable code never
// looks inside it.
#include "platform/UniqueHandle.h"

#include <cstdint>

namespace platform {

#if defined(_WIN32)
// Kernel object handles (pipe ends, processes, threads). Null is "closed":
// every call that fills these reports failure with null, not
// INVALID_HANDLE_VALUE.
struct KernelHandleTraits {
    using Type = void*;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type handle) noexcept;
};
using FileHandle = UniqueHandle<KernelHandleTraits>;
#else
// File descriptors.
struct FdTraits {
    using Type = int;
    static Type Invalid() noexcept { return -1; }
    static void Close(Type fd) noexcept;
};
using FileHandle = UniqueHandle<FdTraits>;
#endif

}  // namespace platform
