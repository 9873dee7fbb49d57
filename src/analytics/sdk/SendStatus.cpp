#include "analytics/sdk/SendStatus.h"

#include <mutex>

namespace cv_analytics {

namespace {
std::mutex g_SendStatusMutex;
bool g_LastUploadSucceeded = false;
}  // namespace

bool LastUploadSucceeded() {
    std::lock_guard<std::mutex> lock(g_SendStatusMutex);
    return g_LastUploadSucceeded;
}

void SetLastUploadSucceeded(bool succeeded) {
    std::lock_guard<std::mutex> lock(g_SendStatusMutex);
    g_LastUploadSucceeded = succeeded;
}

}  // namespace cv_analytics
