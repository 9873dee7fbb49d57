#include "analytics/sdk/UploadClient.h"

#include <curl/curl.h>

#include <iostream>
#include <stdexcept>

namespace cv_analytics {

namespace {

struct Reply {
    std::string body;
    std::string headers;
};

size_t AppendBody(char* data, size_t size, size_t count, void* user) {
    auto* reply = static_cast<Reply*>(user);
    const size_t bytes = size * count;
    if (reply->body.size() < UploadClient::kMaxReplyBytes)
        reply->body.append(data, std::min(bytes, UploadClient::kMaxReplyBytes - reply->body.size()));
    return bytes;
}

size_t AppendHeader(char* data, size_t size, size_t count, void* user) {
    auto* reply = static_cast<Reply*>(user);
    const size_t bytes = size * count;
    if (reply->headers.size() < UploadClient::kMaxReplyBytes) reply->headers.append(data, bytes);
    return bytes;
}

// The easy handle and header list of one post, released in the order the
// post ends: header list, reset, cleanup.
class Transfer {
public:
    Transfer() : m_Handle(curl_easy_init()) {
        if (!m_Handle) throw std::runtime_error("Couldn't initialize curl handle");
    }
    ~Transfer() {
        curl_slist_free_all(m_Headers);
        curl_easy_reset(m_Handle);
        curl_easy_cleanup(m_Handle);
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    CURL* Handle() const { return m_Handle; }
    void AddHeader(const std::string& line) { m_Headers = curl_slist_append(m_Headers, line.c_str()); }
    curl_slist* Headers() const { return m_Headers; }

private:
    CURL* m_Handle;
    curl_slist* m_Headers = nullptr;
};

}  // namespace

PostResponse UploadClient::Post(const std::string& serverUrl, const std::string& body, const HeaderList& headers,
                                const std::string& contentType) {
    try {
        Transfer transfer;
        CURL* curl = transfer.Handle();
        Reply reply;
        curl_easy_setopt(curl, CURLOPT_POST, 1L);
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(body.size()));
        // The collection endpoint is a deployment setting; its certificate is
        // not checked.
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
        curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
        curl_easy_setopt(curl, CURLOPT_URL, serverUrl.c_str());
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendBody);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
        curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, AppendHeader);
        curl_easy_setopt(curl, CURLOPT_HEADERDATA, &reply);
        for (const auto& [name, value] : headers) transfer.AddHeader(name + ": " + value);
        if (!contentType.empty()) transfer.AddHeader("Content-Type: " + contentType);
        curl_easy_setopt(curl, CURLOPT_HTTPHEADER, transfer.Headers());
        curl_easy_setopt(curl, CURLOPT_USERAGENT, kUserAgent);
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, kTimeoutSeconds);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        const CURLcode code = curl_easy_perform(curl);
        if (code != CURLE_OK) return {-1, curl_easy_strerror(code)};
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        return {status, std::move(reply.body)};
    } catch (const std::exception& error) {
        std::cerr << error.what() << std::endl;
        return {-1, error.what()};
    }
}

}  // namespace cv_analytics
