#include "analytics/sdk/UploadBody.h"

#include <zlib.h>

#include <climits>
#include <iostream>

namespace cv_analytics {

namespace {
constexpr size_t kDeflateChunk = 32768;
constexpr int kGzipWindowBits = 15 + 16;
constexpr int kMemoryLevel = 8;
}  // namespace

std::string BuildBatchText(const std::vector<std::string>& records) {
    std::string text = "[";
    for (size_t i = 0; i < records.size(); ++i) {
        if (i) text.push_back(',');
        text += records[i];
    }
    text.push_back(']');
    return text;
}

bool GzipCompress(std::string_view input, std::string& out) {
    out.clear();
    if (input.size() > UINT_MAX) return false;
    z_stream stream{};
    if (deflateInit2(&stream, 9, Z_DEFLATED, kGzipWindowBits, kMemoryLevel, Z_DEFAULT_STRATEGY) != Z_OK) {
        std::cerr << "deflateInit2 failed while compressing.";
        return false;
    }
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
    stream.avail_in = static_cast<uInt>(input.size());
    unsigned char chunk[kDeflateChunk];
    int result = Z_OK;
    do {
        stream.next_out = chunk;
        stream.avail_out = sizeof chunk;
        result = deflate(&stream, Z_FINISH);
        if (result == Z_STREAM_ERROR) break;
        out.append(reinterpret_cast<const char*>(chunk), sizeof chunk - stream.avail_out);
    } while (result != Z_STREAM_END);
    if (result != Z_STREAM_END)
        std::cerr << "Exception during zlib compression: (" << result << ") " << (stream.msg ? stream.msg : "");
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

std::string Base64Encode(std::string_view input) {
    static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((input.size() + 2) / 3 * 4);
    size_t i = 0;
    for (; i + 3 <= input.size(); i += 3) {
        const uint32_t triple = (static_cast<unsigned char>(input[i]) << 16) |
                                (static_cast<unsigned char>(input[i + 1]) << 8) | static_cast<unsigned char>(input[i + 2]);
        out.push_back(kAlphabet[(triple >> 18) & 63]);
        out.push_back(kAlphabet[(triple >> 12) & 63]);
        out.push_back(kAlphabet[(triple >> 6) & 63]);
        out.push_back(kAlphabet[triple & 63]);
    }
    const size_t rest = input.size() - i;
    if (rest > 0) {
        uint32_t triple = static_cast<unsigned char>(input[i]) << 16;
        if (rest == 2) triple |= static_cast<unsigned char>(input[i + 1]) << 8;
        out.push_back(kAlphabet[(triple >> 18) & 63]);
        out.push_back(kAlphabet[(triple >> 12) & 63]);
        out.push_back(rest == 2 ? kAlphabet[(triple >> 6) & 63] : '=');
        out.push_back('=');
    }
    return out;
}

std::string PercentEncode(std::string_view input) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(input.size() * 3);
    for (char c : input) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_' ||
                                byte == '~';
        if (unreserved) {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[byte >> 4]);
            out.push_back(kHex[byte & 15]);
        }
    }
    return out;
}

bool BuildUploadBody(std::string_view batchText, std::string& body) {
    std::string compressed;
    if (!GzipCompress(batchText, compressed)) return false;
    body = "data_list=" + PercentEncode(Base64Encode(compressed)) + "&gzip=1";
    return true;
}

}  // namespace cv_analytics
