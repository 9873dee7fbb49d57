#pragma once
#include "platform/Handles.h"

#include <cstddef>

namespace platform {

// CreatePipe with inheritable ends and the default buffer size. Returns
// false when the system refuses; ends already made are then closed.
bool CreatePipe(FileHandle& readEnd, FileHandle& writeEnd);

// SetHandleInformation(HANDLE_FLAG_INHERIT). On POSIX no descriptor is ever
// inherited except the three a child is given, so this only reports success.
bool SetInheritable(const FileHandle& handle, bool inheritable);

// Reads what is there, blocking until at least one byte arrives. Returns
// false at end of data (every writer closed) and on error, with read 0.
bool ReadSome(const FileHandle& handle, void* buffer, size_t size, size_t& read);

// Writes everything; false when the reader is gone or on error.
bool WriteAll(const FileHandle& handle, const void* data, size_t size);

}  // namespace platform
