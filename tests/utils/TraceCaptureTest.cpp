// The trace lines of a real process, byte for byte: the test re-runs its own
// binary in the "trace-sample" role and captures what it traces (standard
// error natively, the debugger output channel through tracecat under Wine).
#include "platform/FileSystem.h"
#include "platform/Thread.h"
#include "platform/Time.h"
#include "support/ChildRole.h"
#include "utils/Log.h"
#include "utils/Path.h"
#include "utils/SystemInfo.h"
#include "utils/Text.h"
#include "utils/Thread.h"

#include <gmock/gmock.h>

#include <regex>

namespace {

const std::wstring kLongText(600, L'u');

struct TraceSample {
    static void Emit() {
        UTILS_LOG(L"line=%d\r\n", __LINE__);
        UTILS_LOG(L"pid=%d tid=%d\r\n", platform::CurrentProcessId(), platform::CurrentThreadId());
        UTILS_LOG(L"long=%s\r\n", kLongText);
        UTILS_LOG(L"no line end");
        UTILS_LOG(L"percent 50%%\n");
        for (const wchar_t* name : {L"ABDEF", L""}) {
            Utils::Thread worker;
            worker.Start(nullptr, name, [](void*) -> uint32_t {
                const uint32_t id = platform::CurrentThreadId();
                UTILS_LOG(L"worker tid=%d name=%s\r\n", id, Utils::AnsiToWide(platform::ReadThreadDebugName(id)));
                return 0;
            });
            worker.Resume();
            worker.Join();
        }
        Utils::HardDiskManager disk;
        disk.CheckFreeSpace(Utils::JoinPath(platform::GetTempFolder(), L"no-such-folder-for-trace-test"));
    }
};

CHILD_ROLE("trace-sample") {
    TraceSample::Emit();
    return 0;
}

struct Record {
    std::string raw;  // the whole delivered text, line end included
    unsigned long pid = 0, tid = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
    std::string tag;
    int line = 0;
    std::string message;  // after ": ", line end included
};

const std::regex kPrefix(
    R"(^<P(\d{5,})><T(\d{5,})><(\d{4})-(\d{2})-(\d{2}) (\d{2}):(\d{2}):(\d{2})\.(\d{3})>\(([^)]*(?:\([^)]*\)[^)]*)*)\)<(\d{4,})>: )");

Record Parse(const std::string& raw) {
    Record record;
    record.raw = raw;
    std::smatch match;
    if (!std::regex_search(raw, match, kPrefix)) {
        ADD_FAILURE() << "not a trace line: " << raw;
        return record;
    }
    record.pid = std::stoul(match[1]);
    record.tid = std::stoul(match[2]);
    record.year = std::stoi(match[3]);
    record.month = std::stoi(match[4]);
    record.day = std::stoi(match[5]);
    record.hour = std::stoi(match[6]);
    record.minute = std::stoi(match[7]);
    record.second = std::stoi(match[8]);
    record.millisecond = std::stoi(match[9]);
    record.tag = match[10];
    record.line = std::stoi(match[11]);
    record.message = raw.substr(static_cast<size_t>(match.length(0)));
    return record;
}

// Standard error holds the lines back to back; each starts with its prefix.
std::vector<std::string> SplitStream(const std::string& text) {
    static const std::regex start(R"(<P\d{5,}><T\d{5,}><\d{4}-)");
    std::vector<size_t> starts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), start); it != std::sregex_iterator(); ++it)
        starts.push_back(static_cast<size_t>(it->position()));
    std::vector<std::string> pieces;
    for (size_t i = 0; i < starts.size(); ++i)
        pieces.push_back(text.substr(starts[i], (i + 1 < starts.size() ? starts[i + 1] : text.size()) - starts[i]));
    return pieces;
}

// tracecat --escape prints one debug string per line.
std::string Unescape(const std::string& line) {
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) {
            const char next = line[++i];
            out.push_back(next == 'r' ? '\r' : next == 'n' ? '\n' : next);
        } else {
            out.push_back(line[i]);
        }
    }
    return out;
}

struct Capture {
    std::vector<Record> records;
    std::vector<std::string> threadNames;  // "<tid> <name>", Windows only
    uint32_t exitCode = 0;
};

Capture RunTraceSample() {
    Capture capture;
    const bool kernelKeepsNames = !platform::ReadThreadDebugName(platform::CurrentThreadId()).empty();
    std::unique_ptr<Utils::Process> child;
    std::string text;
    if (kernelKeepsNames) {
        // POSIX: the trace is the child's standard error.
        child = testsupport::StartChild("trace-sample", testsupport::SelfCommandLine());
        text = testsupport::ReadAllError(*child);
        for (const auto& piece : SplitStream(text)) capture.records.push_back(Parse(piece));
    } else {
        const std::wstring tracecat = Utils::JoinPath(Utils::ParentFolder(testsupport::SelfPath()), L"tracecat.exe");
        child = testsupport::StartChild(
            "trace-sample", L"\"" + tracecat + L"\" --escape --thread-names -- " + testsupport::SelfCommandLine());
        text = testsupport::ReadAllOutput(*child);
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            start = end + 1;
            if (line.rfind("#threadname ", 0) == 0) capture.threadNames.push_back(line.substr(12));
            else if (!line.empty()) capture.records.push_back(Parse(Unescape(line)));
        }
    }
    child->WaitForExit(-1);
    capture.exitCode = child->GetExitCode();
    child->Close();
    return capture;
}

const Record* Find(const Capture& capture, const std::string& messageStart) {
    for (const auto& record : capture.records)
        if (record.message.rfind(messageStart, 0) == 0) return &record;
    return nullptr;
}

class TraceCapture : public testing::Test {
protected:
    static void SetUpTestSuite() { s_Capture = new Capture(RunTraceSample()); }
    static void TearDownTestSuite() {
        delete s_Capture;
        s_Capture = nullptr;
    }
    static Capture* s_Capture;
};
Capture* TraceCapture::s_Capture = nullptr;

TEST_F(TraceCapture, PrefixCarriesProcessThreadFunctionAndLine) {
    ASSERT_EQ(s_Capture->exitCode, 0u);
    const Record* ids = Find(*s_Capture, "pid=");
    ASSERT_NE(ids, nullptr);
    EXPECT_EQ(ids->message, "pid=" + std::to_string(ids->pid) + " tid=" + std::to_string(ids->tid) + "\r\n");
    EXPECT_EQ(ids->tag, "{anonymous}::TraceSample::Emit");

    const Record* line = Find(*s_Capture, "line=");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->message, "line=" + std::to_string(line->line) + "\r\n");
    // Zero-padded to four digits, as the format asks.
    EXPECT_NE(line->raw.find(fmt::format("<{:04d}>: line=", line->line)), std::string::npos);
    for (const auto& record : s_Capture->records) EXPECT_EQ(record.pid, ids->pid) << record.raw;
}

TEST_F(TraceCapture, TimeStampIsTheLocalTime) {
    const platform::LocalTime now = platform::GetLocalTime();
    ASSERT_FALSE(s_Capture->records.empty());
    for (const auto& record : s_Capture->records) {
        EXPECT_TRUE(record.year == now.year || record.year == now.year - 1) << record.raw;
        EXPECT_TRUE(record.month >= 1 && record.month <= 12 && record.day >= 1 && record.day <= 31) << record.raw;
        EXPECT_TRUE(record.hour <= 23 && record.minute <= 59 && record.second <= 60) << record.raw;
    }
}

TEST_F(TraceCapture, MessagesKeepTheirOwnLineEndsAndTextWhole) {
    const Record* noEnd = Find(*s_Capture, "no line end");
    ASSERT_NE(noEnd, nullptr);
    EXPECT_EQ(noEnd->message, "no line end");
    const Record* percent = Find(*s_Capture, "percent");
    ASSERT_NE(percent, nullptr);
    EXPECT_EQ(percent->message, "percent 50%\n");
    const Record* longLine = Find(*s_Capture, "long=");
    ASSERT_NE(longLine, nullptr);
    EXPECT_EQ(longLine->message, "long=" + std::string(600, 'u') + "\r\n");
}

TEST_F(TraceCapture, ThreadBeginAndEndCarryTheWorkersId) {
    const Record* ids = Find(*s_Capture, "pid=");
    ASSERT_NE(ids, nullptr);
    std::vector<const Record*> begins, ends, workers;
    for (const auto& record : s_Capture->records) {
        if (record.message == "THREAD BEGIN\r\n") begins.push_back(&record);
        if (record.message == "THREAD END\r\n") ends.push_back(&record);
        if (record.message.rfind("worker tid=", 0) == 0) workers.push_back(&record);
    }
    ASSERT_EQ(begins.size(), 2u);
    ASSERT_EQ(ends.size(), 2u);
    ASSERT_EQ(workers.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(begins[i]->tag, "Utils::Thread::CallBack");
        EXPECT_EQ(ends[i]->tag, "Utils::Thread::CallBack");
        EXPECT_EQ(begins[i]->tid, workers[i]->tid);
        EXPECT_EQ(ends[i]->tid, workers[i]->tid);
        EXPECT_NE(workers[i]->tid, ids->tid);
        EXPECT_EQ(workers[i]->message.substr(0, workers[i]->message.find(' ', 7)),
                  "worker tid=" + std::to_string(workers[i]->tid));
    }
}

TEST_F(TraceCapture, WorkersAreNamedForDebuggers) {
    std::vector<std::string> expected;
    for (const auto& record : s_Capture->records) {
        if (record.message.rfind("worker tid=", 0) != 0) continue;
        expected.push_back(std::to_string(record.tid));
    }
    ASSERT_EQ(expected.size(), 2u);
    const std::string first = expected[0] + " ABDEF";
    const std::string second = expected[1] + " t" + expected[1];
    if (!s_Capture->threadNames.empty()) {
        // Windows: the debugger's naming notification, seen by tracecat.
        EXPECT_THAT(s_Capture->threadNames, testing::IsSupersetOf({first, second}));
    } else {
        // POSIX: the kernel's thread name, read back by the worker itself.
        EXPECT_TRUE(Find(*s_Capture, "worker tid=" + expected[0] + " name=ABDEF\r\n"));
        EXPECT_TRUE(Find(*s_Capture, "worker tid=" + expected[1] + " name=t" + expected[1] + "\r\n"));
    }
}

TEST_F(TraceCapture, FailedDiskQueryTracesItsErrorCode) {
    const Record* failure = Find(*s_Capture, "HardDiskManager::CheckFreeSpace FAIL code=");
    ASSERT_NE(failure, nullptr);
    EXPECT_EQ(failure->tag, "Utils::HardDiskManager::CheckFreeSpace");
    EXPECT_TRUE(std::regex_match(failure->message, std::regex("HardDiskManager::CheckFreeSpace FAIL code=[1-9][0-9]*\r\n")))
        << failure->message;
}

}  // namespace
