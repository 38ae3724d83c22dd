#include "temp_dir.h"

#include "platform/posix/posix_application.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

namespace fluvane::test {
namespace {

using platform::posix::PosixApplication;

TEST(Application, KnowsItsExecutableAndArguments) {
    const char* argv[] = {"relative/name", "标题#@@x", "", "-v"};
    PosixApplication app(4, argv);
    EXPECT_EQ(app.executable(), std::filesystem::read_symlink("/proc/self/exe"));
    EXPECT_EQ(app.directory(), app.executable().parent_path());
    EXPECT_EQ(app.arguments(), (std::vector<std::string>{"标题#@@x", "", "-v"}));
}

TEST(Application, EndingTheProcessKeepsBufferedOutputAndTheExitCode) {
    TempDir dir;
    const auto out = dir / "stdout";
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(out.c_str(), "w", stdout)) _exit(99);
        std::fputs("buffered", stdout);
        const char* argv[] = {"x"};
        PosixApplication(1, argv).endProcess(7);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 7);
    EXPECT_EQ(readBytes(out), "buffered");
}

}  // namespace
}  // namespace fluvane::test
