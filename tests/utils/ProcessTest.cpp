#include "utils/Process.h"

#include "platform/CommandLine.h"
#include "platform/Thread.h"
#include "support/ChildRole.h"
#include "support/TestFiles.h"
#include "utils/CommandLineSplit.h"
#include "utils/Text.h"

#include <gmock/gmock.h>

#include <cstdio>

namespace {

using testsupport::ReadAllError;
using testsupport::ReadAllOutput;
using testsupport::SelfCommandLine;
using testsupport::StartChild;

void Write(FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

CHILD_ROLE("write-and-exit") {
    Write(stdout, "hello from child");
    return 7;
}
CHILD_ROLE("silent") { return 0; }
CHILD_ROLE("stderr-only") {
    Write(stderr, "only on stderr");
    return 3;
}
CHILD_ROLE("sleep") {
    platform::SleepMilliseconds(400);
    return 0;
}
// Prints its own arguments, as it splits them from its command line.
CHILD_ROLE("echo-args") {
    const auto arguments = Utils::SplitCommandLine(platform::GetProcessCommandLine());
    std::string joined;
    for (size_t i = 1; i < arguments.size(); ++i) joined += (i > 1 ? "|" : "") + Utils::WideToUtf8(arguments[i]);
    Write(stdout, joined);
    return 0;
}

TEST(Process, ReadsWhatTheChildWritesAndItsExitCode) {
    auto child = StartChild("write-and-exit", SelfCommandLine());
    EXPECT_EQ(ReadAllOutput(*child), "hello from child");
    ASSERT_TRUE(child->WaitForExit(-1));
    EXPECT_EQ(child->GetExitCode(), 7u);
    child->Close();
}

TEST(Process, SilentChildFailsTheFirstRead) {
    auto child = StartChild("silent", SelfCommandLine());
    char buffer[64];
    size_t got = 1;
    EXPECT_FALSE(child->ReadOutput(buffer, sizeof buffer, got));
    EXPECT_EQ(got, 0u);
    ASSERT_TRUE(child->WaitForExit(-1));
    EXPECT_NE(child->GetExitCode(), platform::kStillActive);
    EXPECT_EQ(child->GetExitCode(), 0u);
    child->Close();
}

TEST(Process, StandardErrorNeverReachesTheOutputPipe) {
    auto child = StartChild("stderr-only", SelfCommandLine());
    EXPECT_EQ(ReadAllOutput(*child), "");
    EXPECT_EQ(ReadAllError(*child), "only on stderr");
    ASSERT_TRUE(child->WaitForExit(-1));
    EXPECT_EQ(child->GetExitCode(), 3u);
    child->Close();
}

TEST(Process, StillActiveWhileTheChildRuns) {
    auto child = StartChild("sleep", SelfCommandLine());
    EXPECT_EQ(child->GetExitCode(), platform::kStillActive);
    EXPECT_FALSE(child->WaitForExit(10));
    ASSERT_TRUE(child->WaitForExit(-1));
    EXPECT_EQ(child->GetExitCode(), 0u);
    child->Close();
}

TEST(Process, ChildSeesTheArgumentsOfTheCommandLine) {
    auto child = StartChild("echo-args", SelfCommandLine(L"plain \"with blank\" a\\\"quote \"\" -k=v=w \u4e2d\u6587"));
    EXPECT_EQ(ReadAllOutput(*child), "plain|with blank|a\"quote||-k=v=w|\xE4\xB8\xAD\xE6\x96\x87");
    child->WaitForExit(-1);
    child->Close();
}

TEST(Process, CommandLineOf1023CharactersRuns) {
    std::wstring line = SelfCommandLine(L"x");
    ASSERT_LT(line.size(), 1000u);
    line.append(1023 - line.size(), L'y');
    ASSERT_EQ(line.size(), 1023u);
    auto child = StartChild("echo-args", line);
    EXPECT_EQ(ReadAllOutput(*child).size(), 1023 - SelfCommandLine().size() - 1);
    child->WaitForExit(-1);
    child->Close();
}

TEST(Process, CommandLineOver1023CharactersIsRefused) {
    std::wstring line = SelfCommandLine(L"x");
    line.append(1024 - line.size(), L'y');
    const uint32_t before = platform::CountOpenHandles();
    EXPECT_THROW(StartChild("echo-args", line), Utils::Exception);
    EXPECT_EQ(platform::CountOpenHandles(), before);
}

TEST(Process, MissingProgramThrowsAnEmptyExceptionAndClosesEveryPipe) {
    testsupport::TempFolder folder;
    const std::wstring missing = L"\"" + (folder / L"no-such-program.exe") + L"\" -a";
    const uint32_t before = platform::CountOpenHandles();
    try {
        Utils::Process::Create(missing);
        FAIL() << "a missing program was started";
    } catch (const std::exception& error) {
        EXPECT_NE(dynamic_cast<const Utils::Exception*>(&error), nullptr);
        EXPECT_STREQ(error.what(), "");
    }
    EXPECT_EQ(platform::CountOpenHandles(), before);
}

TEST(Process, LaunchFailureLeavesThePipesToTheCreationSequence) {
    testsupport::TempFolder folder;
    Utils::Process process;
    process.m_ErrorPipe.Create();
    process.m_OutputPipe.Create();
    process.m_InputPipe.Create();
    EXPECT_THROW(process.Launch(L"\"" + (folder / L"missing.exe") + L"\""), Utils::Exception);
    EXPECT_TRUE(process.m_OutputPipe.m_Read.IsValid());
    EXPECT_TRUE(process.m_OutputPipe.m_Write.IsValid());
    process.Close();
    EXPECT_FALSE(process.m_OutputPipe.m_Read.IsValid());
    EXPECT_FALSE(process.m_ErrorPipe.m_Write.IsValid());
    EXPECT_FALSE(process.m_InputPipe.m_Write.IsValid());
}

TEST(Process, CloseReleasesEveryHandle) {
    const uint32_t before = platform::CountOpenHandles();
    {
        auto child = StartChild("silent", SelfCommandLine());
        child->WaitForExit(-1);
        child->Close();
        EXPECT_FALSE(child->m_ProcessInformation.process.IsValid());
        EXPECT_FALSE(child->m_OutputPipe.m_Read.IsValid());
        size_t got = 0;
        char buffer[8];
        EXPECT_FALSE(child->ReadOutput(buffer, sizeof buffer, got));
    }
    EXPECT_EQ(platform::CountOpenHandles(), before);
}

TEST(Exception, KeepsItsMessageInTheAnsiCodePage) {
    EXPECT_STREQ(Utils::Exception(L"pipe failed").what(), "pipe failed");
    EXPECT_STREQ(Utils::Exception(L"").what(), "");
}

}  // namespace
