#pragma once
// The in-memory queue of serialised records, its batched upload and the
// staging file that keeps unsent records across runs.
//
// Producers on any thread add records under the queue lock. One batch of at
// most 30 records is flushed at a time under the flush lock (always taken
// before the queue lock); neither compression nor the post holds the queue
// lock, so producers are never blocked by an upload.
#include "analytics/sdk/ObjectNode.h"

#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace cv_analytics {

using HeaderList = std::vector<std::pair<std::string, std::string>>;

struct PostResponse {
    long status;       // HTTP status, -1 when no answer came
    std::string body;  // the reply, or the error text
};

// Posts a form body: (server URL, body, extra headers, content type).
using PostFunction =
    std::function<PostResponse(const std::string&, const std::string&, const HeaderList&, const std::string&)>;

class RecordStore {
public:
    static constexpr size_t kMaxQueueSize = 1024;
    static constexpr size_t kBatchSize = 30;
    // A staging file larger than this is not ours: it is emptied unread.
    static constexpr size_t kMaxStagingFileBytes = 64u * 1024u * 1024u;

    RecordStore(std::string serverUrl, std::wstring stagingPath, PostFunction post);
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    // Serialises the record and queues it; past 1024 records the oldest goes.
    void Add(const utils::ObjectNode& record);
    void AddSerialized(std::string record);

    // Posts the oldest (at most 30) records. True when there was nothing to
    // send or the server answered 200. On failure the batch goes back to the
    // head of the queue as far as room allows (the newest of it first).
    bool FlushBatch();

    // Flushes batches until the queue is empty (true) or one fails (false).
    bool FlushAll();

    // Writes every queued record to the staging file (loading it first if
    // that has not happened yet). The store is not used afterwards.
    void Close();

    size_t QueueLength() const;
    std::vector<std::string> QueueSnapshot() const;  // oldest first

private:
    void LoadStagingFileLocked();

    const std::string m_ServerUrl;
    const HeaderList m_ExtraHeaders;  // none in this system
    const std::wstring m_StagingPath;
    const PostFunction m_Post;

    mutable std::mutex m_QueueLock;
    std::mutex m_FlushLock;
    std::deque<std::string> m_Queue;
    bool m_StagingNotLoaded = true;
};

}  // namespace cv_analytics
