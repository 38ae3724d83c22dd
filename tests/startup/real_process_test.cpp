#include "startup/process_utils.h"

#include "platform/posix/posix_processes.h"
#include "support/app_fixture.h"

#include <chrono>
#include <thread>

namespace fluvane::startup {

using namespace testsupport;
namespace {

using namespace std::chrono_literals;

// Waits for a process state that another process brings about; bounded so a
// fault fails the test instead of hanging it.
template <class Condition>
bool eventually(Condition condition) {
    for (int attempt = 0; attempt < 500; ++attempt) {
        if (condition()) return true;
        std::this_thread::sleep_for(10ms);
    }
    return condition();
}

class RealProcessTest : public ::testing::Test {
protected:
    RealProcessTest() {
        program = dir.app() / ("fluvtest" + std::to_string(::getpid()));
        std::filesystem::copy_file("/bin/sleep", program);
    }
    ~RealProcessTest() override { KillProcessByName(processes, imageName()); }
    std::string imageName() const { return program.filename().string() + ".exe"; }

    TempApplicationDirectory dir;
    std::filesystem::path program;
    platform::posix::PosixProcesses processes{"fluvane-startup-test-" + std::to_string(::getpid())};
};

TEST_F(RealProcessTest, AStartedProcessIsSeenUntilItIsTerminatedByImageName) {
    EXPECT_FALSE(IsProcessRunning(processes, imageName()));
    ASSERT_TRUE(processes.start(program, {"30"}, platform::WindowStyle::Hidden));
    EXPECT_TRUE(eventually([&] { return IsProcessRunning(processes, imageName()); }));

    KillProcessByName(processes, imageName());
    EXPECT_TRUE(eventually([&] { return !IsProcessRunning(processes, imageName()); }));
}

TEST_F(RealProcessTest, APrefixOfTheImageNameDoesNotMatch) {
    ASSERT_TRUE(processes.start(program, {"30"}, platform::WindowStyle::Hidden));
    ASSERT_TRUE(eventually([&] { return IsProcessRunning(processes, imageName()); }));
    EXPECT_FALSE(IsProcessRunning(processes, "fluvtest.exe"));
}

}  // namespace
}  // namespace fluvane::startup
