#pragma once
#include "platform/FileSystem.h"

#include <string>

namespace Utils {

// folder and name joined by the platform's separator, with exactly one
// separator between them.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The folder part of a path (everything before the last separator); empty
// when there is none.
std::wstring ParentFolder(const std::wstring& path);

// The file name part of a path (everything after the last separator).
std::wstring FileNameOf(const std::wstring& path);

}  // namespace Utils
