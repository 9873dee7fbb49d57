#include "utils/Md5.h"

extern "C" {
#include <Md5.h>
}

namespace Utils {

std::string Md5Hex(std::string_view data) {
    CMd5 state;
    Md5_Init(&state);
    Md5_Update(&state, reinterpret_cast<const Byte*>(data.data()), data.size());
    Byte digest[MD5_DIGEST_SIZE];
    Md5_Final(&state, digest);
    static constexpr char kHex[] = "0123456789abcdef";
    std::string hex;
    for (Byte b : digest) {
        hex.push_back(kHex[b >> 4]);
        hex.push_back(kHex[b & 15]);
    }
    return hex;
}

}  // namespace Utils
