#include "support/ChildRole.h"

#include <gmock/gmock.h>

int main(int argc, char** argv) {
    int exitCode = 0;
    if (testsupport::RunChildRoleFromEnvironment(exitCode)) return exitCode;
    testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
