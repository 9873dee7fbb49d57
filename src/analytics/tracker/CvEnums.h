#pragma once
// The enumerations of the tracking layer and their texts. Each toString
// raises CvException for a value outside its table.
#include "analytics/tracker/CvEventType.h"

#include <string>

namespace corvel::tracking {

enum class CvEdition : int { China = 0, Overseas = 1 };
enum class CvUserType : int {
    Unknown = 0, MobilePhone, Email, Weixin, QQ, DeviceId, Baidu, Huawei, Apple, CorvelUserId, Google, Facebook
};
enum class CvResult : int { Success = 0, Cancelled = 1, Fail = 2, Unknown = 3 };
enum class CvClickType : int { Button = 0, Banner, Tutorial, File, Others };
enum class CvIoType : int { Input = 0, Output = 1 };
enum class CvCurrency : int { CNY = 0, USD, EUR, HKD, TWD, MOP, SGD, JPY, KRW, INR, GBP };
enum class CvPaidPlatform : int {
    Alipay = 0, WeChatPay, PayPal, Tenpay, CIECC, GooglePay, HuaweiPay, AppleIAP, Paddle, ChinaUnionPay
};
enum class CvIapType : int { Consumable = 0, NonConsumable, AutoRenewable, NonRenewable };
enum class CvUpdateOp : int { UpdateCheck = 0, DownloadStart, DownloadEnd, UpgrateStart, UpgrateEnd };
enum class CvUpdateResult : int { Success = 0, Cancelled, Timeout, Fail, Latest, Updateable };

// The values come as plain ints from the event records, so each takes one.
std::string EventTypeToString(int value);
std::string EditionToString(int value);
std::string UserTypeToString(int value);
std::string ResultToString(int value);
std::string ClickTypeToString(int value);
std::string IoTypeToString(int value);
std::string CurrencyToString(int value);
std::string PaidPlatformToString(int value);
std::string IapTypeToString(int value);
std::string UpdateOpToString(int value);
std::string UpdateResultToString(int value);

}  // namespace corvel::tracking
