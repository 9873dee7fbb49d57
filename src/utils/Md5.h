#pragma once
// MD5 (RFC 1321) digests as 32 lower-case hexadecimal digits, computed with
// the LZMA SDK's Md5.c.
#include <string>
#include <string_view>

namespace Utils {

std::string Md5Hex(std::string_view data);

}  // namespace Utils
