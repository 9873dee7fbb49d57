#include "support/ChildRole.h"

#include "platform/Environment.h"
#include "platform/FileSystem.h"
#include "utils/Text.h"

#include <map>

namespace testsupport {

namespace {
std::map<std::string, ChildRole>& Roles() {
    static std::map<std::string, ChildRole> roles;
    return roles;
}

// Child output in tests is small; a runaway child must not exhaust memory.
constexpr size_t kMaxChildOutput = 16u * 1024u * 1024u;

template <typename Read>
std::string ReadAll(Read read) {
    std::string all;
    char buffer[4096];
    size_t got = 0;
    while (all.size() < kMaxChildOutput && read(buffer, sizeof buffer, got)) all.append(buffer, got);
    return all;
}
}  // namespace

bool RegisterChildRole(const std::string& name, ChildRole role) {
    Roles()[name] = std::move(role);
    return true;
}

bool RunChildRoleFromEnvironment(int& exitCode) {
    const std::wstring name = platform::ReadEnvironmentVariable(kChildRoleVariable);
    if (name.empty()) return false;
    // Programs this child starts are not children in a role.
    platform::WriteEnvironmentVariable(kChildRoleVariable, L"");
    const auto found = Roles().find(Utils::WideToUtf8(name));
    exitCode = found == Roles().end() ? 99 : found->second();
    return true;
}

std::wstring SelfPath() { return platform::GetModulePath(); }

std::wstring SelfCommandLine(const std::wstring& arguments) {
    std::wstring line = L"\"" + SelfPath() + L"\"";
    if (!arguments.empty()) line += L" " + arguments;
    return line;
}

std::unique_ptr<Utils::Process> StartChild(const std::string& role, const std::wstring& commandLine) {
    platform::WriteEnvironmentVariable(kChildRoleVariable, Utils::Utf8ToWide(role));
    std::unique_ptr<Utils::Process> process;
    try {
        process = Utils::Process::Create(commandLine);
    } catch (...) {
        platform::WriteEnvironmentVariable(kChildRoleVariable, L"");
        throw;
    }
    platform::WriteEnvironmentVariable(kChildRoleVariable, L"");
    return process;
}

std::string ReadAllOutput(Utils::Process& process) {
    return ReadAll([&](char* buffer, size_t size, size_t& got) { return process.ReadOutput(buffer, size, got); });
}

std::string ReadAllError(Utils::Process& process) {
    return ReadAll([&](char* buffer, size_t size, size_t& got) { return process.ReadError(buffer, size, got); });
}

}  // namespace testsupport
