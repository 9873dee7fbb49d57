#pragma once
// Decoders written independently of the upload encoder, so that tests check
// a body end to end: percent-decoding, Base64, gunzip.
#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

namespace bodydecoder {

inline std::string PercentDecode(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size()) {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

inline std::string Base64Decode(const std::string& text) {
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    uint32_t bits = 0;
    int count = 0;
    for (char c : text) {
        if (c == '=') break;
        bits = (bits << 6) | static_cast<uint32_t>(alphabet.find(c));
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>((bits >> count) & 0xFF));
        }
    }
    return out;
}

inline std::string Gunzip(const std::string& compressed) {
    z_stream stream{};
    EXPECT_EQ(inflateInit2(&stream, 15 + 16), Z_OK);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    std::string out;
    char chunk[4096];
    int result;
    do {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        result = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, sizeof chunk - stream.avail_out);
    } while (result == Z_OK);
    EXPECT_EQ(result, Z_STREAM_END);
    inflateEnd(&stream);
    return out;
}

// The batch text inside a whole "data_list=...&gzip=1" body.
inline std::string DecodeBody(const std::string& body) {
    const std::string prefix = "data_list=", suffix = "&gzip=1";
    if (body.size() < prefix.size() + suffix.size() || body.compare(0, prefix.size(), prefix) != 0) {
        ADD_FAILURE() << "not an upload body: " << body.substr(0, 40);
        return {};
    }
    return Gunzip(Base64Decode(PercentDecode(body.substr(prefix.size(), body.size() - prefix.size() - suffix.size()))));
}

}  // namespace bodydecoder
