#include "analytics/tracker/CvEnums.h"

#include "analytics/tracker/CvException.h"

#include <array>
#include <string_view>

namespace corvel::tracking {

namespace {

template <size_t N>
const char* Lookup(const std::array<const char*, N>& texts, int value) {
    return value >= 0 && static_cast<size_t>(value) < N ? texts[static_cast<size_t>(value)] : nullptr;
}

std::string Bracketed(std::string_view before, int value) {
    return std::string(before) + "[" + std::to_string(value) + "]!";
}

constexpr std::array<const char*, 15> kEventTypes = {
    "Activity", "PaLaunchPal", "Login", "Click", "View", "Cashier", "Share", "Task",
    "File", "Order", "Payment", "Uninstall", "Update", "Crashed", "AppOpenNotification"};
constexpr std::array<const char*, 2> kEditions = {"china", "overseas"};
constexpr std::array<const char*, 12> kUserTypes = {"unknown", "mobilephone", "email", "weixin", "qq", "deviceid",
                                                    "baidu", "huawei", "apple", "corveluserid", "google", "facebook"};
constexpr std::array<const char*, 4> kResults = {"Success", "Cancelled", "Fail", "Unknown"};
constexpr std::array<const char*, 5> kClickTypes = {"Button", "Banner", "Tutorial", "File", "Others"};
constexpr std::array<const char*, 2> kIoTypes = {"Input", "Output"};
constexpr std::array<const char*, 11> kCurrencies = {"CNY", "USD", "EUR", "HKD", "TWD", "MOP",
                                                     "SGD", "JPY", "KRW", "INR", "GBP"};
constexpr std::array<const char*, 10> kPaidPlatforms = {"Alipay",    "WeChatPay", "PayPal",   "Tenpay", "CIECC",
                                                        "GooglePay", "HuaweiPay", "AppleIAP", "Paddle", "ChinaUnionPay"};
constexpr std::array<const char*, 4> kIapTypes = {"Consumable", "NonConsumable", "AutoRenewable", "NonRenewable"};
constexpr std::array<const char*, 5> kUpdateOps = {"UpdateCheck", "DownloadStart", "DownloadEnd", "UpgrateStart",
                                                   "UpgrateEnd"};
constexpr std::array<const char*, 6> kUpdateResults = {"Success", "Cancelled", "Timeout", "Fail", "Latest",
                                                       "Updateable"};

}  // namespace

std::string EventTypeToString(int value) {
    if (const char* text = Lookup(kEventTypes, value)) return text;
    CV_RAISE(Bracketed("Unknown Event ", value));
}

std::string EditionToString(int value) {
    if (const char* text = Lookup(kEditions, value)) return text;
    CV_RAISE(Bracketed("Unknown edition ", value));
}

std::string UserTypeToString(int value) {
    if (const char* text = Lookup(kUserTypes, value)) return text;
    CV_RAISE(Bracketed("Unknown user type ", value));
}

std::string ResultToString(int value) {
    if (const char* text = Lookup(kResults, value)) return text;
    CV_RAISE(Bracketed("Unknown task result ", value));
}

std::string ClickTypeToString(int value) {
    if (const char* text = Lookup(kClickTypes, value)) return text;
    CV_RAISE(Bracketed("Unknown ClickType ", value));
}

std::string IoTypeToString(int value) {
    if (const char* text = Lookup(kIoTypes, value)) return text;
    CV_RAISE("the io type is invalid");
}

std::string CurrencyToString(int value) {
    if (const char* text = Lookup(kCurrencies, value)) return text;
    CV_RAISE(Bracketed("Unknown currency ", value));
}

std::string PaidPlatformToString(int value) {
    if (const char* text = Lookup(kPaidPlatforms, value)) return text;
    CV_RAISE(Bracketed("Unknown paid platform ", value));
}

std::string IapTypeToString(int value) {
    if (const char* text = Lookup(kIapTypes, value)) return text;
    CV_RAISE(Bracketed("Unknown cvIapType ", value));
}

std::string UpdateOpToString(int value) {
    if (const char* text = Lookup(kUpdateOps, value)) return text;
    CV_RAISE(Bracketed("Unknown CvUpdateOp ", value));
}

std::string UpdateResultToString(int value) {
    if (const char* text = Lookup(kUpdateResults, value)) return text;
    CV_RAISE(Bracketed("Unknown CvUpdateResult ", value));
}

}  // namespace corvel::tracking
