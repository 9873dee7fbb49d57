#pragma once
// The form body of one upload: "data_list=" + percent-encoded Base64 of the
// gzip-compressed batch text + "&gzip=1".
#include <string>
#include <string_view>
#include <vector>

namespace cv_analytics {

// "[" + records joined by "," + "]"; the records are JSON objects already.
std::string BuildBatchText(const std::vector<std::string>& records);

// zlib deflate, level 9, window bits 31 (gzip wrapper), memory level 8,
// default strategy, in one pass with 32768-byte output chunks. False when
// zlib fails (the reason goes to standard error); out is then unspecified.
bool GzipCompress(std::string_view input, std::string& out);

// Standard alphabet, "=" padding, no line breaks.
std::string Base64Encode(std::string_view input);

// Letters, digits and "-", ".", "_", "~" stay; every other byte becomes
// "%" and two upper-case hexadecimal digits.
std::string PercentEncode(std::string_view input);

// The whole body for a batch text; false when compression fails.
bool BuildUploadBody(std::string_view batchText, std::string& body);

}  // namespace cv_analytics
