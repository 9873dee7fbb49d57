#include "analytics/sdk/LocationTime.h"

#include "platform/Thread.h"
#include "utils/Md5.h"

#include <curl/curl.h>
#include <json/json.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>

namespace cv_analytics {

namespace {

struct Service {
    std::atomic<bool> running{false};
    std::atomic<bool> stop{false};
    std::mutex lock;  // guards location
    CvLocation location;
    std::string requestUrl;
};

// Created by the first start, destroyed by stop.
std::mutex g_ServiceLock;
Service* g_Service = nullptr;

size_t AppendReply(char* data, size_t size, size_t count, void* user) {
    auto* reply = static_cast<std::string*>(user);
    const size_t bytes = size * count;
    if (reply->size() < CvLocationTime::kMaxReplyBytes)
        reply->append(data, std::min(bytes, CvLocationTime::kMaxReplyBytes - reply->size()));
    return bytes;
}

bool KnowsIp(Service& service) {
    std::unique_lock<std::mutex> lock(service.lock, std::try_to_lock);
    return lock.owns_lock() && !service.location.ip.empty();  // a busy lock counts as unknown
}

bool Request(CURL* curl, const std::string& url, std::string& reply) {
    const std::string time = std::to_string(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count());
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Content-Type:application/json");
    headers = curl_slist_append(headers, ("X-HM-Time:" + time).c_str());
    headers = curl_slist_append(headers, ("X-HM-Credential:" + CvLocationTime::Credential(time)).c_str());
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_POST, 1L);
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, "");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, AppendReply);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &reply);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, 1000L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, 2000L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);  // no signals from a worker thread
    long status = 0;
    const CURLcode code = curl_easy_perform(curl);
    if (code == CURLE_OK) curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    curl_slist_free_all(headers);
    curl_easy_reset(curl);
    return code == CURLE_OK && status == 200;
}

void Work(Service* service) {
    CURL* curl = curl_easy_init();
    if (!curl) {
        service->running = false;
        return;
    }
    while (!service->stop) {
        if (KnowsIp(*service)) break;
        std::string reply;
        if (Request(curl, service->requestUrl, reply)) {
            std::unique_lock<std::mutex> lock(service->lock, std::try_to_lock);
            if (lock.owns_lock()) CvLocationTime::ParseReply(reply, service->location);
        }
        if (KnowsIp(*service)) break;
        for (int step = 0; step < CvLocationTime::kRetryWaitSteps && !service->stop; ++step)
            platform::SleepMilliseconds(100);
    }
    curl_easy_cleanup(curl);
    service->running = false;  // the last touch: Stop() may free the service now
}

}  // namespace

void CvLocationTime::Start(const std::string& requestUrl) {
    std::lock_guard<std::mutex> guard(g_ServiceLock);
    if (g_Service && (g_Service->running || KnowsIp(*g_Service))) return;
    if (!g_Service) g_Service = new Service;
    g_Service->requestUrl = requestUrl;
    g_Service->stop = false;
    g_Service->running = true;
    std::thread(Work, g_Service).detach();
}

bool CvLocationTime::ReadLocation(CvLocation& location) {
    std::lock_guard<std::mutex> guard(g_ServiceLock);
    if (!g_Service) return false;
    std::unique_lock<std::mutex> lock(g_Service->lock, std::try_to_lock);
    if (!lock.owns_lock() || g_Service->location.ip.empty()) return false;
    location = g_Service->location;
    return true;
}

void CvLocationTime::Stop() {
    std::lock_guard<std::mutex> guard(g_ServiceLock);
    if (!g_Service) return;
    g_Service->stop = true;
    while (g_Service->running) platform::SleepMilliseconds(10);
    delete g_Service;
    g_Service = nullptr;
}

std::string CvLocationTime::Credential(const std::string& timeText) {
    return Utils::Md5Hex(std::string(kPath) + "&&" + kSecret + "&" + timeText);
}

bool CvLocationTime::ParseReply(const std::string& reply, CvLocation& location) {
    if (reply.find("country") == std::string::npos) return false;
    Json::CharReaderBuilder builder;
    Json::Value root;
    std::string errors;
    std::istringstream stream(reply);
    if (!Json::parseFromStream(builder, stream, &root, &errors) || !root.isObject()) return false;
    const std::pair<const char*, std::string*> fields[] = {{"ip", &location.ip},
                                                           {"country", &location.country},
                                                           {"country_code", &location.countryCode},
                                                           {"province", &location.province},
                                                           {"city", &location.city}};
    for (const auto& [name, field] : fields)
        if (root.isMember(name) && root[name].isString()) *field = root[name].asString();
    return true;
}

}  // namespace cv_analytics
