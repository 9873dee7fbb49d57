#include "analytics/sdk/Sdk.h"

#include "analytics/sdk/UploadClient.h"
#include "analytics/sdk/Validation.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <memory>
#include <mutex>
#include <type_traits>

namespace cv_analytics {

using utils::PropertyValue;

namespace {

int64_t NowMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string LastDigits(int64_t value, size_t count) {
    const std::string text = std::to_string(value);
    return text.size() <= count ? text : text.substr(text.size() - count);
}

PropertiesNode FreshSuperProperties() {
    PropertiesNode properties;
    properties.SetString("$lib", Sdk::kLibName);
    properties.SetString("$lib_version", Sdk::kLibVersion);
    return properties;
}

struct Instance {
    Instance(const std::wstring& stagingPath, const std::string& serverUrl, std::string id, bool login,
             PostFunction post)
        : superProperties(FreshSuperProperties()),
          distinctId(std::move(id)),
          isLoginId(login),
          store(serverUrl, stagingPath, std::move(post)) {}

    // The identity is shared by every thread that tracks; records copy it
    // under this lock.
    std::mutex stateLock;
    PropertiesNode superProperties;
    std::string distinctId;
    bool isLoginId;
    RecordStore store;
};

// The instance is shared so that an operation under way keeps it alive
// while Shutdown runs on another thread.
std::mutex g_InstanceLock;
std::shared_ptr<Instance> g_Instance;

std::shared_ptr<Instance> Current() {
    std::lock_guard<std::mutex> lock(g_InstanceLock);
    return g_Instance;
}

// A string member of a record passes the same checks as a property value.
void SetRecordString(utils::ObjectNode& record, const std::string& key, const std::string& value) {
    if (CheckStringProperty(key, value)) record.SetValue(key, PropertyValue::String(value));
}

struct RecordInput {
    const char* kind;
    std::string event;
    const PropertiesNode* properties;
    std::string distinctId;  // empty: the current one
    std::string originalId;
};

bool BuildAndStore(Instance& sdk, const RecordInput& input) {
    static const PropertiesNode kNoProperties;
    const PropertiesNode& caller = input.properties ? *input.properties : kNoProperties;
    const std::string kind = input.kind;

    for (const auto& [key, value] : caller.GetEntries()) {
        if (!CheckName(key, "Property Key")) return false;
        if (key == "$time" && value.GetKind() != PropertyValue::Kind::kDateTime) {
            std::cerr << "The property '$time' should be DateTime type.";
            return false;
        }
        if (key == "$project" && value.GetKind() != PropertyValue::Kind::kString) {
            std::cerr << "The property '$project' should be String type.";
            return false;
        }
    }
    if (kind == "track" && !CheckName(input.event, "Event Name")) return false;
    if (kind == "track_signup" && !CheckIdLength(input.originalId, "Original ID")) return false;

    PropertiesNode properties;
    std::string distinctId;
    bool isLoginId;
    {
        std::lock_guard<std::mutex> lock(sdk.stateLock);
        if (kind.find("track") != std::string::npos) properties.Merge(sdk.superProperties);
        distinctId = input.distinctId.empty() ? sdk.distinctId : input.distinctId;
        isLoginId = sdk.isLoginId;
    }
    properties.Merge(caller);

    int64_t time = NowMilliseconds();
    if (const PropertyValue* stamp = properties.Find("$time")) {
        time = stamp->GetInt() * 1000 + stamp->GetMilliseconds();
        properties.Remove("$time");
    }
    std::string project;
    if (const PropertyValue* value = properties.Find("$project")) {
        project = value->GetString();
        properties.Remove("$project");
    }
    if (isLoginId) properties.SetBool("$is_login_id", true);

    utils::ObjectNode lib;
    lib.SetValue("$lib", PropertyValue::String(Sdk::kLibName));
    lib.SetValue("$lib_version", PropertyValue::String(Sdk::kLibVersion));
    lib.SetValue("$lib_method", PropertyValue::String(Sdk::kLibMethod));

    utils::ObjectNode record;
    SetRecordString(record, "type", kind);
    record.SetValue("time", PropertyValue::Int(time));
    SetRecordString(record, "distinct_id", distinctId);
    record.SetObject("properties", properties);
    record.SetObject("lib", lib);
    record.SetValue("_track_id", PropertyValue::Int(MakeTrackId(std::rand(), std::rand(), NowMilliseconds())));
    if (!project.empty()) SetRecordString(record, "project", project);
    if (kind == "track" || kind == "track_signup") SetRecordString(record, "event", input.event);
    if (kind == "track_signup") SetRecordString(record, "original_id", input.originalId);

    sdk.store.Add(record);
    return true;
}

bool Store(const char* kind, const std::string& event, const PropertiesNode* properties) {
    const auto sdk = Current();
    return sdk && BuildAndStore(*sdk, {kind, event, properties, "", ""});
}

template <typename Value>
PropertiesNode OneEntry(const std::string& key, const Value& value) {
    PropertiesNode properties;
    if constexpr (std::is_same_v<Value, std::string>) properties.SetString(key, value);
    else properties.SetNumber(key, value);
    return properties;
}

}  // namespace

int64_t MakeTrackId(int random1, int random2, int64_t nowMilliseconds) {
    const std::string digits = LastDigits(random1 % 99 + 100, 2) + LastDigits(random2 % 999 + 1000, 3) +
                               LastDigits(nowMilliseconds, 4);
    return std::stoll(digits);
}

bool Sdk::Init(const std::wstring& stagingPath, const std::string& serverUrl, const std::string& distinctId,
               bool isLoginId, PostFunction post) {
    if (!CheckIdLength(distinctId, "Distinct ID")) return false;
    std::lock_guard<std::mutex> lock(g_InstanceLock);
    if (g_Instance) return true;
    g_Instance = std::make_shared<Instance>(stagingPath, serverUrl, distinctId, isLoginId,
                                            post ? std::move(post) : PostFunction(UploadClient::Post));
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return true;
}

void Sdk::Shutdown() {
    std::shared_ptr<Instance> instance;
    {
        std::lock_guard<std::mutex> lock(g_InstanceLock);
        instance = std::move(g_Instance);
    }
    if (instance) instance->store.Close();
}

bool Sdk::IsInitialized() { return Current() != nullptr; }

bool Sdk::Track(const std::string& event) { return Store("track", event, nullptr); }
bool Sdk::Track(const std::string& event, const PropertiesNode& properties) {
    return Store("track", event, &properties);
}

bool Sdk::TrackInstallation(const std::string& event, const PropertiesNode& properties) {
    PropertiesNode merged;
    merged.SetString("$ios_install_source", "");
    merged.Merge(properties);
    return Track(event, merged);
}

bool Sdk::Login(const std::string& loginId) {
    const auto sdk = Current();
    if (!sdk) return false;
    const std::string previous = GetDistinctId();
    const bool stored = BuildAndStore(*sdk, {"track_signup", "$SignUp", nullptr, loginId, previous});
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    sdk->distinctId = loginId;
    sdk->isLoginId = true;
    return stored;
}

bool Sdk::ProfileSet(const PropertiesNode& properties) { return Store("profile_set", "", &properties); }
bool Sdk::ProfileSet(const std::string& key, const std::string& value) { return ProfileSet(OneEntry(key, value)); }
bool Sdk::ProfileSet(const std::string& key, int64_t value) { return ProfileSet(OneEntry(key, value)); }
bool Sdk::ProfileSet(const std::string& key, double value) { return ProfileSet(OneEntry(key, value)); }

bool Sdk::ProfileSetOnce(const PropertiesNode& properties) { return Store("profile_set_once", "", &properties); }
bool Sdk::ProfileSetOnce(const std::string& key, const std::string& value) {
    return ProfileSetOnce(OneEntry(key, value));
}
bool Sdk::ProfileSetOnce(const std::string& key, int64_t value) { return ProfileSetOnce(OneEntry(key, value)); }
bool Sdk::ProfileSetOnce(const std::string& key, double value) { return ProfileSetOnce(OneEntry(key, value)); }

bool Sdk::ProfileIncrement(const PropertiesNode& properties) { return Store("profile_increment", "", &properties); }
bool Sdk::ProfileIncrement(const std::string& key, int64_t value) { return ProfileIncrement(OneEntry(key, value)); }

bool Sdk::ProfileAppend(const std::string& key, const std::string& value) {
    PropertiesNode properties;
    properties.SetList(key, {value});
    return Store("profile_append", "", &properties);
}

void Sdk::RegisterSuperProperties(const PropertiesNode& properties) {
    const auto sdk = Current();
    if (!sdk) return;
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    sdk->superProperties.Merge(properties);
}

void Sdk::ResetSuperProperties() {
    const auto sdk = Current();
    if (!sdk) return;
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    sdk->superProperties = FreshSuperProperties();
}

void Sdk::SetDistinctId(const std::string& distinctId, bool isLoginId) {
    const auto sdk = Current();
    if (!sdk) return;
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    sdk->distinctId = distinctId;
    sdk->isLoginId = isLoginId;
}

std::string Sdk::GetDistinctId() {
    const auto sdk = Current();
    if (!sdk) return {};
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    return sdk->distinctId;
}

bool Sdk::IsLoginId() {
    const auto sdk = Current();
    if (!sdk) return false;
    std::lock_guard<std::mutex> lock(sdk->stateLock);
    return sdk->isLoginId;
}

bool Sdk::FlushAll() {
    const auto sdk = Current();
    return sdk && sdk->store.FlushAll();
}

std::vector<std::string> Sdk::QueuedRecords() {
    const auto sdk = Current();
    return sdk ? sdk->store.QueueSnapshot() : std::vector<std::string>();
}

}  // namespace cv_analytics
