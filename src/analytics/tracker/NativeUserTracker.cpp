#include "analytics/tracker/NativeUserTracker.h"

#include "analytics/sdk/Sdk.h"
#include "analytics/tracker/CvException.h"

#include <map>

namespace corvel::tracking {

using cv_analytics::PropertiesNode;
using cv_analytics::Sdk;

namespace {

const std::map<std::string, NativeUserTracker::Operation>& KeyTable() {
    // Built once, on first use; thread-safe as a function-local static.
    static const std::map<std::string, NativeUserTracker::Operation> table = [] {
        using Op = NativeUserTracker::Operation;
        std::map<std::string, Op> keys;
        for (const char* key : {"$first_visit_time", "cv_first_visit_date", "$ios_install_source", "cv_first_paid_date"})
            keys[key] = Op::kSetOnce;
        for (const char* key : {"cv_visit_count", "cv_paid_count", "cv_consumption"}) keys[key] = Op::kIncrement;
        for (const char* key :
             {"cv_label", "cv_os", "cv_os_version", "cv_manufacturer", "cv_model", "cv_app_store", "cv_app_platform",
              "cv_last_app_id", "cv_last_app_version", "cv_carrier", "cv_last_visit_date", "aurora_pushid",
              "cv_user_id", "cv_user_name", "cv_user_type", "cv_user_nickname", "cv_user_portrait",
              "cv_user_mobilephone", "cv_user_email", "cv_user_weixin", "cv_user_qq", "cv_user_did",
              "cv_user_created", "cv_user_last_login", "cv_user_last_ip", "cv_user_vip_level", "cv_user_vip_enddate",
              "idfa", "imei", "android_id", "oaid", "cv_ip", "cv_country_code", "cv_country", "cv_province", "cv_city",
              "cv_last_paid_date"})
            keys[key] = Op::kSet;
        return keys;
    }();
    return table;
}

std::string NotSupported(const std::string& key) { return "Not supported user property [" + key + "]!"; }

// Both number forms of the profile writer (Int or Number values); raises
// under the writer's own operation name.
template <typename Value>
void WriteNumber(const std::string& key, Value value) {
    static constexpr const char* kOperation = "ProfileUserPropertyNumber";
    using Op = NativeUserTracker::Operation;
    const Op operation = NativeUserTracker::OperationOf(key);
    if (operation == Op::kNone) throw CvException(NotSupported(key), __FILE__, kOperation, __LINE__);
    if (operation == Op::kAppend)
        throw CvException("user property [" + key + "] is number value, it cannot be append to list!", __FILE__,
                          kOperation, __LINE__);
    PropertiesNode properties;
    properties.SetNumber(key, value);
    if (operation == Op::kSetOnce) Sdk::ProfileSetOnce(properties);
    else if (operation == Op::kIncrement) Sdk::ProfileIncrement(properties);
    else Sdk::ProfileSet(properties);
}

}  // namespace

NativeUserTracker::Operation NativeUserTracker::OperationOf(const std::string& key) {
    const auto found = KeyTable().find(key);
    return found == KeyTable().end() ? Operation::kNone : found->second;
}

void NativeUserTracker::ProfileUserPropertyString(const std::string& key, const std::string& text) {
    switch (OperationOf(key)) {
        case Operation::kSetOnce: Sdk::ProfileSetOnce(key, text); return;
        case Operation::kSet: Sdk::ProfileSet(key, text); return;
        case Operation::kAppend: Sdk::ProfileAppend(key, text); return;
        case Operation::kIncrement:
            CV_RAISE("user property [" + key + "] is string type value, it cannot be accumulated!");
        case Operation::kNone: break;
    }
    CV_RAISE(NotSupported(key));
}

void NativeUserTracker::ProfileUserPropertyNumber(const std::string& key, int64_t value) { WriteNumber(key, value); }

void NativeUserTracker::ProfileUserPropertyNumber(const std::string& key, double value) { WriteNumber(key, value); }

void NativeUserTracker::ProfileUserPropertyDateTime(const std::string& key, int64_t value) {
    const Operation operation = OperationOf(key);
    if (operation == Operation::kNone) CV_RAISE(NotSupported(key));
    if (operation == Operation::kIncrement)
        CV_RAISE("user property [" + key + "] is boolean value, it cannot be accumulative!");
    if (operation == Operation::kAppend)
        CV_RAISE("user property [" + key + "] is boolean value, it cannot be append to list!");
    const bool milliseconds = value >= kMillisecondsThreshold;
    PropertiesNode properties;
    properties.SetDateTime(key, milliseconds ? value / 1000 : value, milliseconds ? static_cast<int>(value % 1000) : 0);
    if (operation == Operation::kSetOnce) Sdk::ProfileSetOnce(properties);
    else Sdk::ProfileSet(properties);
}

}  // namespace corvel::tracking
