#pragma once
// The SDK's validation rules. Each check writes its message to standard
// error (the SDK's own log) and answers false; nothing is thrown.
#include <string>
#include <string_view>

namespace cv_analytics {

// Event names and property keys: 1 to 100 bytes, first byte a-z, A-Z, "$"
// or "_", the others also 0-9. Messages (no line end):
//   "The <label> is empty or too long, max length is 100"
//   "The <label> need to be a valid variable name."
bool CheckName(std::string_view name, std::string_view label);

// Distinct and original ids: 1 to 255 bytes. Messages (with line end):
//   "The <label> is empty." / "The <label> is too long, max length is 255."
bool CheckIdLength(std::string_view id, std::string_view label);

// String property values: at most 8192 bytes of well-formed UTF-8 without
// control characters other than tab, line feed and carriage return.
// Messages (with line end):
//   "String property '<key>' is too long, value: <value>"
//   "String property '<key>' is not valid UTF-8 string, value: <value>"
constexpr size_t kMaxStringPropertyBytes = 8192;
bool CheckStringProperty(std::string_view key, std::string_view value);

// The byte rule of the string check alone.
bool IsAcceptedUtf8(std::string_view text);

}  // namespace cv_analytics
