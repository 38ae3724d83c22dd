// Real processes under unique names; nothing else is ever terminated.
#include "temp_dir.h"

#include "platform/posix/posix_processes.h"
#include "platform/shared/text.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

namespace fluvane::test {
namespace {

namespace fs = std::filesystem;
using platform::WindowStyle;
using platform::posix::PosixProcesses;
using platform::shared::imageNameMatches;

std::string uniqueName(std::string_view prefix) {
    return std::string(prefix) + std::to_string(getpid()) + "_" + std::to_string(std::random_device{}());
}

std::vector<std::int64_t> pidsNamed(PosixProcesses& processes, std::string_view imageName) {
    std::vector<std::int64_t> pids;
    for (const auto& process : processes.list()) {
        if (process.imageName == imageName) pids.push_back(process.pid);
    }
    return pids;
}

// Polls until the condition holds; gives up after ten seconds.
bool eventually(const std::function<bool()>& condition) {
    for (int i = 0; i < 1000; ++i) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

class ProcessesTest : public ::testing::Test {
protected:
    // A copy of sleep under a name no other process has.
    fs::path sleeper(std::string_view prefix) {
        const fs::path copy = dir / uniqueName(prefix);
        fs::copy_file("/bin/sleep", copy);
        return copy;
    }

    TempDir dir;
    PosixProcesses processes;
};

TEST(ImageNames, TheWholeNameMatchesInAnyCaseAndExeNamesAlsoTheBareExecutable) {
    struct Case {
        const char* wanted;
        const char* image;
        bool matches;
    };
    const Case cases[] = {
        {"fluvaneapp.exe", "fluvaneapp", true},
        {"FluvaneApp.EXE", "fluvaneapp.exe", true},
        {"QvodPlayer.exe", "qvodplayer", true},
        {"fluvane.exe", "fluvaneapp", false},
        {"fluvaneapp", "fluvaneapp.exe", false},
        {"app.exe", "fluvaneapp", false},
        {"fluvaneapp.exe", "app", false},
        {"fluvaneapp.exe", "p", false},
        {"fluvaneapp.exe", "fluvane", false},
        {"fluvaneapp.exe", "", false},
        {".exe", "", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(imageNameMatches(c.wanted, c.image), c.matches) << c.wanted << " / " << c.image;
    }
}

TEST_F(ProcessesTest, StartedProgramsAreListedUnderTheirNameAndEndedByIt) {
    const fs::path program = sleeper("fluvtest_");
    const std::string name = program.filename().string();
    ASSERT_TRUE(processes.start(program, {"30"}, WindowStyle::Hidden));
    ASSERT_TRUE(eventually([&] { return pidsNamed(processes, name).size() == 1; }));
    ASSERT_TRUE(processes.start(program, {"30"}, WindowStyle::MinimizedFocus));
    ASSERT_TRUE(eventually([&] { return pidsNamed(processes, name).size() == 2; }));
    const std::vector<std::int64_t> pids = pidsNamed(processes, name);

    processes.terminateByImageName(name + ".EXE");
    // Ended and reaped: a zombie would keep its /proc entry.
    EXPECT_TRUE(eventually([&] {
        return std::none_of(pids.begin(), pids.end(),
                            [](auto pid) { return fs::exists("/proc/" + std::to_string(pid)); });
    }));
}

TEST_F(ProcessesTest, ArgumentsArriveAsTheyAreWithoutAShell) {
    // A shell would split, substitute or glob this name.
    const fs::path out = dir / "a b;$(id)`id`'\"*&|";
    ASSERT_TRUE(processes.start("/bin/cp", {"--", "/dev/null", out.string()}, WindowStyle::NormalFocus));
    EXPECT_TRUE(eventually([&] { return fs::exists(out); }));
}

TEST_F(ProcessesTest, StartedProgramsDoNotInheritTheBrowserSandboxSwitch) {
    const fs::path script = dir / "env.sh";
    writeBytes(script, "#!/bin/sh\nenv > \"$0.tmp\" && mv \"$0.tmp\" \"$0.out\"\n");
    fs::permissions(script, fs::perms::owner_all);
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
    setenv("FLUVANE_TEST_KEPT", "yes", 1);
    ASSERT_TRUE(processes.start(script, {}, WindowStyle::Hidden));
    unsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    unsetenv("FLUVANE_TEST_KEPT");
    ASSERT_TRUE(eventually([&] { return fs::exists(dir / "env.sh.out"); }));
    const std::string environment = readBytes(dir / "env.sh.out");
    EXPECT_NE(environment.find("FLUVANE_TEST_KEPT=yes"), std::string::npos);
    EXPECT_EQ(environment.find("QTWEBENGINE_DISABLE_SANDBOX"), std::string::npos);
}

TEST_F(ProcessesTest, AMissingProgramFailsToStart) {
    EXPECT_FALSE(processes.start(dir / "no-such-program", {}, WindowStyle::Hidden));
}

TEST_F(ProcessesTest, OtherNamesAreLeftRunning) {
    const fs::path keep = sleeper("fluvkeep_");
    ASSERT_TRUE(processes.start(keep, {"30"}, WindowStyle::Hidden));
    ASSERT_TRUE(eventually([&] { return pidsNamed(processes, keep.filename().string()).size() == 1; }));
    processes.terminateByImageName(uniqueName("fluvnone_") + ".exe");
    processes.terminateByImageName(keep.filename().string().substr(0, 8) + ".exe");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(pidsNamed(processes, keep.filename().string()).size(), 1u);
    processes.terminateByImageName(keep.filename().string());
    EXPECT_TRUE(eventually([&] { return pidsNamed(processes, keep.filename().string()).empty(); }));
}

// The client ends itself in order after the terminations of its quit, so its
// own name ends its other copies and every later name, never the caller.
TEST_F(ProcessesTest, ItsOwnNameEndsItsOtherCopiesButNeverTheCaller) {
    const fs::path helper = dir / uniqueName("fluvself_");
    fs::copy_file(FLUVANE_SELF_END_HELPER, helper);
    const fs::path other = sleeper("fluvafter_");
    ASSERT_TRUE(processes.start(other, {"30"}, WindowStyle::Hidden));
    ASSERT_TRUE(processes.start(helper, {}, WindowStyle::Hidden));
    ASSERT_TRUE(eventually([&] { return pidsNamed(processes, other.filename().string()).size() == 1; }));
    ASSERT_TRUE(eventually([&] { return pidsNamed(processes, helper.filename().string()).size() == 1; }));

    const pid_t pid = fork();
    if (pid == 0) {
        execl(helper.c_str(), helper.c_str(), (helper.filename().string() + ".exe").c_str(),
              (other.filename().string() + ".exe").c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(eventually([&] { return pidsNamed(processes, other.filename().string()).empty(); }));
    EXPECT_TRUE(eventually([&] { return pidsNamed(processes, helper.filename().string()).empty(); }));
}

TEST_F(ProcessesTest, ASecondInstanceSeesTheFirstUntilItEnds) {
    setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1);
    const std::string name = uniqueName("fluvlock_");
    auto first = std::make_unique<PosixProcesses>(name);
    PosixProcesses second(name);
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_FALSE(first->anotherInstanceRunning());
    EXPECT_TRUE(second.anotherInstanceRunning());
    EXPECT_TRUE(fs::exists(dir / (name + ".lock")));
    first.reset();
    EXPECT_FALSE(second.anotherInstanceRunning());
    unsetenv("XDG_RUNTIME_DIR");
}

// Without a runtime folder of its own the lock goes to a private folder in the
// user's cache, never to a folder others can write to.
TEST_F(ProcessesTest, WithoutAPrivateRuntimeFolderTheLockLivesInThePrivateCache) {
    const fs::path shared = dir / "shared";
    fs::create_directory(shared);
    fs::permissions(shared, fs::perms::all);
    setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
    for (const char* runtime : {static_cast<const char*>(nullptr), "", "relative", shared.c_str()}) {
        SCOPED_TRACE(runtime ? runtime : "unset");
        if (runtime)
            setenv("XDG_RUNTIME_DIR", runtime, 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        const std::string name = uniqueName("fluvlock_");
        PosixProcesses first(name);
        PosixProcesses second(name);
        EXPECT_FALSE(first.anotherInstanceRunning());
        EXPECT_TRUE(second.anotherInstanceRunning());
        EXPECT_TRUE(fs::exists(dir / "cache/fluvane" / (name + ".lock")));
        EXPECT_EQ(fs::status(dir / "cache/fluvane").permissions(), fs::perms::owner_all);
        EXPECT_TRUE(fs::is_empty(shared));
    }
    unsetenv("XDG_RUNTIME_DIR");
    unsetenv("XDG_CACHE_HOME");
}

}  // namespace
}  // namespace fluvane::test
