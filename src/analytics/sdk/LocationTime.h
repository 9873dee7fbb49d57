#pragma once
// Asks the location service once per run for the device's public address
// and coarse location. A detached worker repeats the request every 5 seconds
// until an answer arrives or Stop() is called. The tracker's threads read the
// result without ever waiting for the worker.
#include <string>

namespace cv_analytics {

struct CvLocation {
    std::string ip;
    std::string country;
    std::string countryCode;
    std::string province;
    std::string city;
};

class CvLocationTime {
public:
    static constexpr const char* kPath = "/api/location_and_time";
    static constexpr const char* kSecret = "Qm7TzR2wLk9pXv4B";
    static constexpr int kRetryWaitSteps = 50;  // of 100 ms: 5 seconds
    // Replies are a few short strings; more than this is cut.
    static constexpr size_t kMaxReplyBytes = 64u * 1024u;

    // Starts the worker unless one runs or the location is known already.
    // requestUrl is the service's endpoint (empty in this system, so every
    // attempt fails at once). The HTTP library must have been started.
    static void Start(const std::string& requestUrl);
    // Copies the location when it is known and the lock is free; false
    // otherwise (never waits).
    static bool ReadLocation(CvLocation& location);
    // Stops the worker (within about 100 ms) and destroys the instance.
    static void Stop();

    // The credential header value for the time text T: MD5 of
    // kPath + "&&" + kSecret + "&" + T, lower-case hexadecimal.
    static std::string Credential(const std::string& timeText);
    // Fills the string members "ip", "country", "country_code", "province"
    // and "city" of a reply that mentions "country" and parses as a JSON
    // object; false for any other reply.
    static bool ParseReply(const std::string& reply, CvLocation& location);
};

}  // namespace cv_analytics
