// Behaviours of the profile files beyond the corpus: faults, sizes, permissions.
#include "temp_dir.h"

#include "platform/posix/ini_text.h"
#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_profile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <random>

namespace fluvane::test {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using platform::posix::PosixCodePage;
using platform::posix::PosixProfile;

class ProfileTest : public ::testing::Test {
protected:
    std::string read(std::string_view section, std::string_view key, std::size_t size = 32767) {
        return profile.read(section, key, "", size, file);
    }

    PosixCodePage codePage;
    PosixProfile profile{codePage};
    TempDir dir;
    fs::path file = dir / "Config.ini";
};

// Runs body in a child that, when the tests run as root, gives up root's
// right to write anywhere; body's result.
bool withoutRoot(const std::function<bool()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
        _exit(body() ? 1 : 0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not drop root";
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST_F(ProfileTest, MissingAndEmptyFilesGiveTheFallbackWithoutTrailingSpaces) {
    EXPECT_EQ(profile.read("form", "form", "dflt  ", 100, file), "dflt");
    EXPECT_EQ(profile.read("form", "form", "默认值", 5, file), "默认");
    writeBytes(file, "");
    EXPECT_EQ(read("form", "form"), "");
}

TEST_F(ProfileTest, WritingIntoAnEmptyFileCreatesTheSection) {
    writeBytes(file, "");
    ASSERT_TRUE(profile.write("form", "update", "True", file));
    EXPECT_EQ(readBytes(file), "[form]\r\nupdate=True\r\n");
}

TEST_F(ProfileTest, ValuesCrossTheInterfaceAsUtf8AndStayGbkOnDisk) {
    ASSERT_TRUE(profile.write("软件更新配置", "版本", "二点一", file));
    EXPECT_EQ(readBytes(file), codePage.toGbk("[软件更新配置]\r\n版本=二点一\r\n"));
    EXPECT_EQ(read("软件更新配置", "版本"), "二点一");
}

TEST_F(ProfileTest, OnlyAsciiLettersIgnoreCase) {
    writeBytes(file, codePage.toGbk("[ＡＢ]\r\nk=full-width\r\n[Ab]\r\nk=ascii\r\n"));
    EXPECT_EQ(read("ＡＢ", "K"), "full-width");
    EXPECT_EQ(read("ａｂ", "k"), "");
    EXPECT_EQ(read("aB", "k"), "ascii");
}

TEST_F(ProfileTest, NamesAndValuesThatWouldNotReadBackAreRefused) {
    const std::string original = "[form]\r\nrun=False\r\n";
    writeBytes(file, original);
    EXPECT_FALSE(profile.write("form", "run", "x\r\n[evil]\r\nrun=True", file));
    EXPECT_FALSE(profile.write("form", "k=v", "x", file));
    EXPECT_FALSE(profile.write("form", "[k]", "x", file));
    EXPECT_FALSE(profile.write("a\nb", "k", "x", file));
    EXPECT_EQ(readBytes(file), original);
}

// The profile hands the text functions GBK from UTF-8, which always ends in a
// whole character; other bytes must still be refused rather than lost.
TEST(IniText, ASectionEndingInALeadByteIsRefused) {
    namespace ini = platform::posix::ini;
    EXPECT_EQ(ini::withValue("", "\xC3", "k", "v"), std::nullopt);
    EXPECT_EQ(ini::withValue("[a]\r\n", "a\xB0 ", "k", "v"), std::nullopt);
    const auto edited = ini::withValue("", "\xB0\xE6\xC3\xC3", "k", "v");
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(ini::findValue(*edited, "\xB0\xE6\xC3\xC3", "k"), "v");
}

// UTF-16 that does not decode cleanly would not be written back as it was,
// so such a file is read (bad units as U+FFFD) but never rewritten.
TEST_F(ProfileTest, AUtf16FileWithBadUnitsIsReadButNotRewritten) {
    const std::string text = "\xFF\xFE[\0s\0]\0\n\0k\0=\0v\0\n\0"s;
    for (const std::string& bad : {text + "\x00\xD8"s, text + "x"}) {
        writeBytes(file, bad);
        EXPECT_EQ(read("s", "k"), "v");
        EXPECT_FALSE(profile.write("s", "k", "w", file));
        EXPECT_EQ(readBytes(file), bad);
    }
}

// As through the ANSI functions: what code page 936 cannot hold is '?'.
TEST_F(ProfileTest, AUtf16FileStaysUtf16AndCharactersGbkCannotHoldAreQuestionMarks) {
    writeBytes(file, "\xFF\xFE");
    ASSERT_TRUE(profile.write("s", "k", "x\U0001F600", file));
    EXPECT_EQ(readBytes(file), "\xFF\xFE[\0s\0]\0\r\0\n\0k\0=\0x\0?\0\r\0\n\0"s);
    // U+1F600, a surrogate pair.
    writeBytes(file, "\xFF\xFE[\0s\0]\0\n\0k\0=\0\x3D\xD8\x00\xDE"s);
    EXPECT_EQ(read("s", "k"), "?");
}

TEST_F(ProfileTest, GarbageFilesReadWithoutHarmAndStayWritable) {
    std::mt19937 random(11);
    std::string garbage(1 << 20, '\0');
    for (char& c : garbage) c = static_cast<char>(random());
    writeBytes(file, garbage);
    EXPECT_EQ(read("form", "form"), "");
    ASSERT_TRUE(profile.write("form", "form", "True", file));
    EXPECT_EQ(read("form", "form"), "True");
    EXPECT_EQ(readBytes(file).substr(0, garbage.size()), garbage);
}

TEST_F(ProfileTest, HugeFilesAndHugeLinesAreReadAndEdited) {
    std::string text = "[big]\r\n";
    for (int i = 0; i < 100000; ++i) text += "key" + std::to_string(i) + "=value" + std::to_string(i) + "\r\n";
    text += "[form]\r\nlong=" + std::string(4 << 20, 'x') + "\r\nform=False\r\n";
    writeBytes(file, text);
    EXPECT_EQ(read("big", "key99999"), "value99999");
    EXPECT_EQ(read("form", "long", 256), std::string(255, 'x'));
    ASSERT_TRUE(profile.write("form", "form", "True", file));
    const std::string after = readBytes(file);
    EXPECT_EQ(after.size(), text.size() - 1);
    EXPECT_EQ(read("form", "form"), "True");
}

TEST_F(ProfileTest, AWriteKeepsTheFilesPermissionsAndLeavesNoTemporaryFiles) {
    writeBytes(file, "[form]\r\nform=False\r\n");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(profile.write("form", "form", "True", file));
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST_F(ProfileTest, AFolderOrPipeInPlaceOfTheFileIsNeitherReadNorReplaced) {
    fs::create_directory(file);
    EXPECT_EQ(profile.read("form", "form", "dflt", 100, file), "dflt");
    EXPECT_FALSE(profile.write("form", "form", "True", file));
    EXPECT_TRUE(fs::is_directory(file));
    const fs::path pipe = dir / "pipe.ini";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_EQ(profile.read("form", "form", "dflt", 100, pipe), "dflt");
    EXPECT_FALSE(profile.write("form", "form", "True", pipe));
}

TEST_F(ProfileTest, AReadOnlyDirectoryKeepsNoSettingsAndLosesNothing) {
    const std::string original = "[form]\r\nform=False\r\n";
    const fs::path readOnly = dir / "app";
    fs::create_directory(readOnly);
    const fs::path config = readOnly / "Config.ini";
    writeBytes(config, original);
    fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_exec | fs::perms::others_read);
    fs::permissions(readOnly,
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read | fs::perms::others_exec);
    EXPECT_FALSE(withoutRoot([&] { return profile.write("form", "form", "True", config); }));
    EXPECT_FALSE(withoutRoot([&] { return profile.write("new", "key", "v", readOnly / "other.ini"); }));
    EXPECT_TRUE(withoutRoot([&] { return profile.read("form", "form", "", 100, config) == "False"; }));
    EXPECT_EQ(readBytes(config), original);
    EXPECT_EQ(std::distance(fs::directory_iterator(readOnly), fs::directory_iterator()), 1);
}

TEST_F(ProfileTest, AReadOnlyFileIsNotReplaced) {
    const std::string original = "[form]\r\nform=False\r\n";
    writeBytes(file, original);
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(file, fs::perms::owner_read | fs::perms::others_read);
    EXPECT_FALSE(withoutRoot([&] { return profile.write("form", "form", "True", file); }));
    EXPECT_EQ(readBytes(file), original);
}

}  // namespace
}  // namespace fluvane::test
