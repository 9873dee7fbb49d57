#pragma once
#include <string>

namespace platform {

// The variable's value; empty when it is not set.
std::wstring GetEnvironmentVariable(const std::wstring& name);
// Sets the variable for this process and the children it starts afterwards;
// an empty value removes it.
void SetEnvironmentVariable(const std::wstring& name, const std::wstring& value);

}  // namespace platform
