#include "utils/SystemInfo.h"

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "platform/Thread.h"
#include "support/ChildRole.h"
#include "support/TestFiles.h"
#include "utils/Path.h"

#include <gmock/gmock.h>

#include <cstdio>
#include <cwctype>

namespace {

using testsupport::TempFolder;

TEST(FormatGuid, ThirdGroupInLowerCaseTheRestInUpperCase) {
    const platform::Guid guid{0x0ABCDEF1, 0xABCD, 0xEF0A, {0xAB, 0xCD, 0xEF, 0x01, 0x0A, 0xBC, 0xDE, 0xF0}};
    EXPECT_EQ(Utils::FormatGuid(guid), L"0ABCDEF1ABCDef0aABCDEF010ABCDEF0");
}

TEST(CreateGuidString, GivesANew32DigitIdentifierEachTime) {
    const std::wstring first = Utils::CreateGuidString();
    const std::wstring second = Utils::CreateGuidString();
    ASSERT_EQ(first.size(), 32u);
    EXPECT_NE(first, second);
    for (size_t i = 0; i < first.size(); ++i) {
        const wchar_t c = first[i];
        ASSERT_TRUE(std::iswxdigit(static_cast<wint_t>(c))) << i;
        const bool thirdGroup = i >= 12 && i < 16;
        if (std::iswalpha(static_cast<wint_t>(c))) {
            EXPECT_EQ(std::iswlower(static_cast<wint_t>(c)) != 0, thirdGroup) << i;
        }
    }
}

TEST(PackNetworkState, ReasonInTheHighHalf) {
    EXPECT_EQ(Utils::PackNetworkState(Utils::kNetworkReasonNone, 0x40), 0x40u);
    EXPECT_EQ(Utils::PackNetworkState(Utils::kNetworkReasonDisconnected, 0), 0x10000u);
    EXPECT_EQ(Utils::PackNetworkState(Utils::kNetworkReasonNoInternet, 0x11), 0x20011u);
    EXPECT_GT(Utils::PackNetworkState(Utils::kNetworkReasonDisconnected, 0), 0xFFFFu);  // poor network
}

TEST(CheckNetwork, ReasonAgreesWithTheFlags) {
    platform::ComApartment com;
    const uint32_t value = Utils::CheckNetwork();
    const uint32_t flags = value & 0xFFFF;
    const uint32_t reason = value >> 16;
    EXPECT_LE(reason, 2u);
    if (value != 0) {
        EXPECT_EQ(reason == Utils::kNetworkReasonDisconnected, flags == 0);
    }
}

TEST(HardDiskManager, FillsTheThreeFigures) {
    Utils::HardDiskManager disk;
    ASSERT_TRUE(disk.CheckFreeSpace(platform::GetTempFolder()));
    EXPECT_GT(disk.m_TotalBytes, 0u);
    EXPECT_LE(disk.m_TotalFreeBytes, disk.m_TotalBytes);
    EXPECT_LE(disk.m_FreeBytesAvailable, disk.m_TotalFreeBytes);
}

TEST(HardDiskManager, FailureLeavesTheFiguresAlone) {
    Utils::HardDiskManager disk;
    disk.m_FreeBytesAvailable = 11;
    TempFolder folder;
    EXPECT_FALSE(disk.CheckFreeSpace(folder / L"missing"));
    EXPECT_EQ(disk.m_FreeBytesAvailable, 11u);
    EXPECT_EQ(disk.m_TotalBytes, 0u);
}

class CreateDirectories : public testing::Test {
protected:
    // A path of exactly length characters below the temporary folder, made
    // of components short enough for every file system.
    std::wstring PathOfLength(size_t length) const {
        std::wstring path = m_Folder.Path();
        while (path.size() < length) {
            path.push_back(platform::kPathSeparator);
            const size_t room = length - path.size();
            path.append(room > 60 ? 50 : room, L'd');
        }
        return path;
    }
    TempFolder m_Folder;
};

TEST_F(CreateDirectories, CreatesEveryMissingLevel) {
    const std::wstring path = Utils::JoinPath(Utils::JoinPath(m_Folder / L"a", L"b"), L"c");
    EXPECT_TRUE(Utils::CreateDirectories(path));
    EXPECT_TRUE(platform::PathExists(path));
    EXPECT_TRUE(Utils::CreateDirectories(path)) << "an existing folder is success";
}

TEST_F(CreateDirectories, TrailingSeparatorCreatesEveryLevel) {
    std::wstring path = Utils::JoinPath(m_Folder / L"x", L"y");
    path.push_back(platform::kPathSeparator);
    EXPECT_TRUE(Utils::CreateDirectories(path));
    EXPECT_TRUE(platform::PathExists(m_Folder / L"x"));
    EXPECT_TRUE(platform::PathExists(Utils::JoinPath(m_Folder / L"x", L"y")));
}

TEST_F(CreateDirectories, PathsUpTo260CharactersAreAccepted) {
    const std::wstring path = PathOfLength(260);
    ASSERT_EQ(path.size(), 260u);
    EXPECT_TRUE(Utils::CreateDirectories(path));
    EXPECT_TRUE(platform::PathExists(path));
}

TEST_F(CreateDirectories, PathOf261CharactersFailsWithoutTouchingTheDisk) {
    const std::wstring path = PathOfLength(261);
    ASSERT_EQ(path.size(), 261u);
    EXPECT_FALSE(Utils::CreateDirectories(path));
    const std::wstring firstLevel = path.substr(0, m_Folder.Path().size() + 51);
    EXPECT_FALSE(platform::PathExists(firstLevel));
}

TEST_F(CreateDirectories, FileInTheWayFails) {
    testsupport::WriteTestFile(m_Folder / L"file", "x");
    EXPECT_FALSE(Utils::CreateDirectories(Utils::JoinPath(m_Folder / L"file", L"sub")));
}

class TempDownloadFolder : public testing::Test {
protected:
    void SetUp() override {
        for (const wchar_t* name : kVariables) m_Saved.push_back(platform::ReadEnvironmentVariable(name));
    }
    void TearDown() override {
        for (size_t i = 0; i < m_Saved.size(); ++i) platform::WriteEnvironmentVariable(kVariables[i], m_Saved[i]);
    }
    void PointTempAt(const std::wstring& folder) {
        for (const wchar_t* name : kVariables) platform::WriteEnvironmentVariable(name, folder);
    }
    static constexpr const wchar_t* kVariables[] = {L"TMP", L"TEMP", L"TMPDIR"};
    std::vector<std::wstring> m_Saved;
};

TEST_F(TempDownloadFolder, IsCreatedOnceUnderTheUsersTemporaryFolder) {
    TempFolder temp;
    PointTempAt(temp.Path());
    const std::wstring folder = Utils::GetTempDownloadFolder();
    EXPECT_EQ(folder, Utils::JoinPath(temp.Path(), L"~CorvelTemp.92482B06FB471E17") + platform::kPathSeparator);
    EXPECT_TRUE(platform::PathExists(folder));
    EXPECT_EQ(Utils::GetTempDownloadFolder(), folder);
}

TEST_F(TempDownloadFolder, IsEmptyWhenItCannotBeCreated) {
    TempFolder temp;
    PointTempAt(Utils::JoinPath(temp / L"missing", L"deeper"));
    EXPECT_EQ(Utils::GetTempDownloadFolder(), L"");
}

// Runs until its standard input ends.
CHILD_ROLE("linger") {
    char buffer[64];
    while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
    }
    return 0;
}

TEST(IsProcessRunning, FindsAProcessByItsExactFileName) {
    TempFolder folder;
    const std::wstring uniqueName = L"probe" + Utils::CreateGuidString().substr(0, 8) + L".exe";
    const std::wstring copy = folder / uniqueName;
    ASSERT_TRUE(platform::CopyOneFile(testsupport::SelfPath(), copy));
    auto child = testsupport::StartChild("linger", L"\"" + copy + L"\"");
    EXPECT_EQ(IsProcessRunning(uniqueName), child->m_ProcessInformation.processId);
    std::wstring upper = uniqueName;
    for (auto& c : upper) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    EXPECT_EQ(IsProcessRunning(upper), 0u) << "names compare with case";
    child->m_InputPipe.m_Write.Reset();
    child->WaitForExit(-1);
    child->Close();
    EXPECT_EQ(IsProcessRunning(uniqueName), 0u);
}

TEST(Accounts, ConsoleUserIsKnownAndAnUnknownAccountIsNoAdministrator) {
    std::wstring name;
    EXPECT_TRUE(Utils::GetActiveConsoleUserName(name));
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(Utils::IsAdminAccount(L"no-such-account-7c1e"));
}

}  // namespace
