#pragma once

namespace corvel::tracking {

// The product event types; the values index the context properties' slots.
enum class CvEventType : int {
    Activity = 0,
    Launch = 1,
    Login = 2,
    Click = 3,
    View = 4,
    Cashier = 5,
    Share = 6,
    Task = 7,
    File = 8,
    Order = 9,
    Payment = 10,
    Uninstall = 11,
    Update = 12,
    Crashed = 13,
    AppOpenNotification = 14,
};

constexpr int kCvEventTypeCount = 15;

}  // namespace corvel::tracking
