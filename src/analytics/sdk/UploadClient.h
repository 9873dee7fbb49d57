#pragma once
// Posts one upload body over HTTP with libcurl: one easy handle per post,
// made for it and cleaned up after it, a 3-second limit on the whole
// transfer. The HTTP library must have been started (curl_global_init).
#include "analytics/sdk/RecordStore.h"

#include <string>

namespace cv_analytics {

class UploadClient {
public:
    static constexpr long kTimeoutSeconds = 3;
    static constexpr const char* kUserAgent = "CorvelAnalytics CPP SDK 0.9";
    // Replies are short acknowledgements; more than this is cut.
    static constexpr size_t kMaxReplyBytes = 1024u * 1024u;

    // The HTTP status and the reply body; status -1 and the error text when
    // no answer came (including when no handle could be made).
    static PostResponse Post(const std::string& serverUrl, const std::string& body, const HeaderList& headers,
                             const std::string& contentType);
};

}  // namespace cv_analytics
