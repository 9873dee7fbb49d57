#pragma once
// The analytics SDK: one process-wide instance, created by Init and
// destroyed by Shutdown, that turns events and profile changes into JSON
// records and hands them to its record store. Every operation is a no-op
// (returning false) while no instance exists. Any thread may call them.
//
// Validation failures write their message to standard error and drop the
// record (a rejected string value only drops that value).
#include "analytics/sdk/PropertiesNode.h"
#include "analytics/sdk/RecordStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cv_analytics {

class Sdk {
public:
    static constexpr const char* kLibName = "cpp";
    static constexpr const char* kLibVersion = "0.9";
    static constexpr const char* kLibMethod = "code";

    // Creates the instance when none exists: distinct id checked ("Distinct
    // ID", 1 to 255 bytes; false and nothing created when it fails), super
    // properties reset, record store made with serverUrl and stagingPath,
    // random generator seeded with the time. True also when an instance
    // already existed (left untouched). post defaults to UploadClient::Post.
    static bool Init(const std::wstring& stagingPath, const std::string& serverUrl, const std::string& distinctId,
                     bool isLoginId, PostFunction post = nullptr);
    // Closes the store (unsent records go to the staging file) and destroys
    // the instance.
    static void Shutdown();
    static bool IsInitialized();

    static bool Track(const std::string& event);
    static bool Track(const std::string& event, const PropertiesNode& properties);
    // "$ios_install_source" = "" under the caller's properties, then Track.
    static bool TrackInstallation(const std::string& event, const PropertiesNode& properties);
    // A "track_signup" record ($SignUp, original id = the current distinct
    // id), then the login id becomes the distinct id.
    static bool Login(const std::string& loginId);

    static bool ProfileSet(const PropertiesNode& properties);
    static bool ProfileSet(const std::string& key, const std::string& value);
    static bool ProfileSet(const std::string& key, int64_t value);
    static bool ProfileSet(const std::string& key, double value);
    static bool ProfileSetOnce(const PropertiesNode& properties);
    static bool ProfileSetOnce(const std::string& key, const std::string& value);
    static bool ProfileSetOnce(const std::string& key, int64_t value);
    static bool ProfileSetOnce(const std::string& key, double value);
    static bool ProfileIncrement(const PropertiesNode& properties);
    static bool ProfileIncrement(const std::string& key, int64_t value);
    static bool ProfileAppend(const std::string& key, const std::string& value);

    static void RegisterSuperProperties(const PropertiesNode& properties);
    static void ResetSuperProperties();

    // Identity as the tracking layer restores or resets it.
    static void SetDistinctId(const std::string& distinctId, bool isLoginId);
    static std::string GetDistinctId();
    static bool IsLoginId();

    // The store's flush-all (false without an instance).
    static bool FlushAll();
    // The queued records, oldest first (empty without an instance).
    static std::vector<std::string> QueuedRecords();
};

// The 9-digit record id from two random numbers and the time in
// milliseconds: last 2 digits of (r1 % 99 + 100), last 3 of (r2 % 999 +
// 1000), last 4 of the time; leading zeros vanish.
int64_t MakeTrackId(int random1, int random2, int64_t nowMilliseconds);

}  // namespace cv_analytics
