#include "winsvc/hi_res_icon.h"

#include "platform/sim/sim_canvas.h"
#include "platform/sim/sim_ui.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace fluvane::winsvc {
namespace {

using platform::sim::PictureOrigin;
using namespace std::string_literals;

class HiResIconTest : public ::testing::Test {
protected:
    HiResIconTest() {
        std::string pattern = (std::filesystem::temp_directory_path() / "fluvicon.XXXXXX").string();
        directory = ::mkdtemp(pattern.data());
    }
    ~HiResIconTest() override { std::filesystem::remove_all(directory); }

    std::filesystem::path write(const std::string& name, const std::string& bytes) {
        std::ofstream(directory / name, std::ios::binary) << bytes;
        return directory / name;
    }

    std::filesystem::path directory;
    platform::sim::SimClock clock;
    platform::sim::SimUi ui{clock};
};

TEST_F(HiResIconTest, IconFileGivesItsLargeIconTextGivesNothingAndAMissingFileThrows) {
    enum class Outcome { Icon, Nothing, Missing };
    const struct {
        std::string name;
        std::optional<std::string> bytes;  // nothing: no such file
        Outcome outcome;
    } cases[] = {
        {"icon.ico", "\0\0\1\0\1\0 icon"s, Outcome::Icon},
        {"text.ico", "no icon in here", Outcome::Nothing},
        {"gone.ico", std::nullopt, Outcome::Missing},
        {"folder", std::nullopt, Outcome::Missing},
    };
    std::filesystem::create_directory(directory / "folder");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = c.bytes ? write(c.name, *c.bytes) : directory / c.name;
        switch (c.outcome) {
            case Outcome::Icon: {
                const auto icon = HiResIcon(ui, path);
                ASSERT_NE(icon, nullptr);
                EXPECT_EQ(platform::sim::originOf(*icon), PictureOrigin::icon(path));
                EXPECT_EQ(icon->size(), (platform::Size{32, 32}));
                break;
            }
            case Outcome::Nothing:
                EXPECT_EQ(HiResIcon(ui, path), nullptr);
                break;
            case Outcome::Missing:
                try {
                    HiResIcon(ui, path);
                    ADD_FAILURE() << "no FileNotFound";
                } catch (const FileNotFound& error) {
                    EXPECT_EQ(error.path(), path);
                    EXPECT_NE(std::string(error.what()).find(path.string()), std::string::npos);
                }
                break;
        }
    }
}

}  // namespace
}  // namespace fluvane::winsvc
