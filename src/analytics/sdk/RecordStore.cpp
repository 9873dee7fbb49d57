#include "analytics/sdk/RecordStore.h"

#include "analytics/sdk/SendStatus.h"
#include "analytics/sdk/UploadBody.h"
#include "platform/Debug.h"
#include "platform/FileSystem.h"
#include "utils/Text.h"

#include <iostream>

namespace cv_analytics {

RecordStore::RecordStore(std::string serverUrl, std::wstring stagingPath, PostFunction post)
    : m_ServerUrl(std::move(serverUrl)), m_StagingPath(std::move(stagingPath)), m_Post(std::move(post)) {}

void RecordStore::Add(const utils::ObjectNode& record) { AddSerialized(record.ToJson()); }

void RecordStore::AddSerialized(std::string record) {
    std::lock_guard<std::mutex> lock(m_QueueLock);
    m_Queue.push_back(std::move(record));
    if (m_Queue.size() > kMaxQueueSize) m_Queue.pop_front();
}

void RecordStore::LoadStagingFileLocked() {
    if (!m_StagingNotLoaded) return;
    m_StagingNotLoaded = false;
    std::string bytes;
    if (!platform::ReadWholeFile(m_StagingPath, bytes)) return;  // no file: nothing to restore
    const size_t room = kMaxQueueSize - m_Queue.size();
    if (room > 0 && bytes.size() <= kMaxStagingFileBytes) {
        std::deque<std::string> accepted;
        for (std::string_view line : Utils::SplitLines(bytes)) {
            if (line.empty() || line.front() != '{' || line.back() != '}') continue;
            accepted.emplace_back(line);
            if (accepted.size() > room) accepted.pop_front();
        }
        m_Queue.insert(m_Queue.begin(), accepted.begin(), accepted.end());
    }
    // The records live in the queue now; the file is emptied so that they
    // are not restored twice.
    platform::WriteWholeFile(m_StagingPath, "");
}

bool RecordStore::FlushBatch() {
    std::lock_guard<std::mutex> flushLock(m_FlushLock);
    std::vector<std::string> batch;
    {
        std::lock_guard<std::mutex> queueLock(m_QueueLock);
        LoadStagingFileLocked();
        const size_t n = std::min(m_Queue.size(), kBatchSize);
        if (n == 0) return true;
        batch.assign(std::make_move_iterator(m_Queue.begin()), std::make_move_iterator(m_Queue.begin() + n));
        m_Queue.erase(m_Queue.begin(), m_Queue.begin() + n);
    }
    try {
        std::string body;
        bool succeeded = false;
        if (BuildUploadBody(BuildBatchText(batch), body)) {
            const PostResponse response = m_Post(m_ServerUrl, body, m_ExtraHeaders, "");
            succeeded = response.status == 200;
            if (!succeeded) {
                platform::OutputDebugText(L"[analytics] Analytics SDK send failed");
                std::cerr << "Analytics SDK send failed: " << response.body << std::endl;
            }
            SetLastUploadSucceeded(succeeded);
        }
        if (!succeeded) {
            std::lock_guard<std::mutex> queueLock(m_QueueLock);
            const size_t room = kMaxQueueSize - m_Queue.size();
            // The newest records of the batch go back first when room is short.
            const size_t keep = std::min(room, batch.size());
            m_Queue.insert(m_Queue.begin(), std::make_move_iterator(batch.end() - keep),
                           std::make_move_iterator(batch.end()));
        }
        return succeeded;
    } catch (const std::exception& error) {
        std::cerr << "Exception when flush failed: (" << error.what() << ") ";
        return false;
    }
}

bool RecordStore::FlushAll() {
    {
        std::lock_guard<std::mutex> queueLock(m_QueueLock);
        LoadStagingFileLocked();
    }
    while (QueueLength() > 0)
        if (!FlushBatch()) return false;
    return true;
}

void RecordStore::Close() {
    // A batch under way finishes (and puts back what failed) first.
    std::lock_guard<std::mutex> flushLock(m_FlushLock);
    std::lock_guard<std::mutex> queueLock(m_QueueLock);
    LoadStagingFileLocked();
    std::string text;
    for (const auto& record : m_Queue) {
        text += record;
        text += '\n';
    }
    // Written beside the file and moved over it, so a crash while closing
    // leaves the previous file or the new one, never half of one.
    const std::wstring temporary = m_StagingPath + L".tmp";
    if (platform::WriteWholeFile(temporary, text) && !platform::ReplaceFileWith(temporary, m_StagingPath))
        platform::DeleteOneFile(temporary);
}

size_t RecordStore::QueueLength() const {
    std::lock_guard<std::mutex> lock(m_QueueLock);
    return m_Queue.size();
}

std::vector<std::string> RecordStore::QueueSnapshot() const {
    std::lock_guard<std::mutex> lock(m_QueueLock);
    return std::vector<std::string>(m_Queue.begin(), m_Queue.end());
}

}  // namespace cv_analytics
