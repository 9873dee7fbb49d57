#pragma once
// The user-profile writer: every supported profile key has one operation
// (set once, set, increment or append), and each write goes to the SDK as
// that kind of profile record. A key used against its operation, or a key
// outside the table, raises CvException.
#include <cstdint>
#include <string>

namespace corvel::tracking {

class NativeUserTracker {
public:
    enum class Operation { kNone, kSetOnce, kSet, kIncrement, kAppend };

    // The key's operation in the profile key table; kNone when unsupported.
    static Operation OperationOf(const std::string& key);

    static void ProfileUserPropertyString(const std::string& key, const std::string& text);
    static void ProfileUserPropertyNumber(const std::string& key, int64_t value);
    static void ProfileUserPropertyNumber(const std::string& key, double value);
    // value from 157789440000 on is milliseconds, below it seconds.
    static void ProfileUserPropertyDateTime(const std::string& key, int64_t value);

    static constexpr int64_t kMillisecondsThreshold = 157789440000;
};

}  // namespace corvel::tracking
