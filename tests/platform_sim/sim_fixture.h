#pragma once

#include "platform/sim/sim_platform.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <string>
#include <vector>

namespace fluvane::platform::sim::testing {

// Profile and code page are the posix library's business; these tests never
// reach them.
class UnusedProfile final : public platform::Profile {
public:
    std::string read(std::string_view, std::string_view, std::string_view, std::size_t,
                     const std::filesystem::path&) override {
        ADD_FAILURE() << "profile read";
        return {};
    }
    bool write(std::string_view, std::string_view, std::string_view, const std::filesystem::path&) override {
        ADD_FAILURE() << "profile write";
        return false;
    }
};

class UnusedCodePage final : public platform::CodePage {
public:
    std::string toGbk(std::string_view) const override {
        ADD_FAILURE() << "toGbk";
        return {};
    }
    std::string fromGbk(std::string_view) const override {
        ADD_FAILURE() << "fromGbk";
        return {};
    }
};

// Two of the client's schemes stand for all of them.
inline const std::vector<std::string> kCommandSchemes = {"flvplay", "dddisk"};

class SimTest : public ::testing::Test {
protected:
    SimTest() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        directory = std::filesystem::temp_directory_path() /
                    ("fluvane-sim-" + std::to_string(::getpid()) + "-" + info->test_suite_name() + "-" + info->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        sim = std::make_unique<SimPlatform>(profile, codePage, directory, kCommandSchemes);
    }
    ~SimTest() override {
        sim.reset();
        std::filesystem::remove_all(directory);
    }

    SimUi& ui() { return sim->ui(); }

    UnusedProfile profile;
    UnusedCodePage codePage;
    std::filesystem::path directory;
    std::unique_ptr<SimPlatform> sim;
};

}  // namespace fluvane::platform::sim::testing
