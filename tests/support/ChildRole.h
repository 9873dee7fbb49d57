#pragma once
// A test binary can run itself as a child program: the test sets
// NOTAVION_TEST_CHILD to a role name and starts its own executable; the
// shared main then runs that role instead of the tests and exits with the
// role's result.
#include "utils/Process.h"

#include <functional>
#include <memory>
#include <string>

namespace testsupport {

constexpr const wchar_t* kChildRoleVariable = L"NOTAVION_TEST_CHILD";

using ChildRole = std::function<int()>;

// Registers a role at static initialisation (see CHILD_ROLE).
bool RegisterChildRole(const std::string& name, ChildRole role);

// Runs the role named in the environment, if any; returns false when there
// is none (the binary then runs its tests).
bool RunChildRoleFromEnvironment(int& exitCode);

// This test binary's own path.
std::wstring SelfPath();

// A command line that runs this binary (quoted) followed by arguments.
std::wstring SelfCommandLine(const std::wstring& arguments = L"");

// Starts commandLine with the role set in the child's environment.
std::unique_ptr<Utils::Process> StartChild(const std::string& role, const std::wstring& commandLine);

// Everything the child writes to standard output (or error) until it closes
// the stream.
std::string ReadAllOutput(Utils::Process& process);
std::string ReadAllError(Utils::Process& process);

}  // namespace testsupport

#define CHILD_ROLE_CONCAT2(a, b) a##b
#define CHILD_ROLE_CONCAT(a, b) CHILD_ROLE_CONCAT2(a, b)
#define CHILD_ROLE(name)                                                                                  \
    static int CHILD_ROLE_CONCAT(ChildRole_, __LINE__)();                                                \
    static const bool CHILD_ROLE_CONCAT(registered_, __LINE__) =                                        \
        ::testsupport::RegisterChildRole(name, &CHILD_ROLE_CONCAT(ChildRole_, __LINE__));                \
    static int CHILD_ROLE_CONCAT(ChildRole_, __LINE__)()
