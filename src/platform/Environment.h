#pragma once
#include <string>

namespace platform {

// The variable's value; empty when it is not set.
std::wstring ReadEnvironmentVariable(const std::wstring& name);
// Sets the variable for this process and the children it starts afterwards;
// an empty value removes it.
void WriteEnvironmentVariable(const std::wstring& name, const std::wstring& value);

}  // namespace platform
