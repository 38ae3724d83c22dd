// Shell services with HOME, the XDG folders and the opener in a temporary folder.
#include "run_program.h"
#include "temp_dir.h"

#include "platform/posix/argument_transport.h"
#include "platform/posix/posix_application.h"
#include "platform/posix/posix_shell.h"

#include <gtest/gtest.h>

#include <climits>

#include <iconv.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

namespace fluvane::test {
namespace {

namespace fs = std::filesystem;
using platform::Shortcut;
using platform::posix::desktopExec;
using platform::posix::entryFileName;
using platform::posix::PosixApplication;
using platform::posix::PosixShell;

bool validUtf8(std::string text) {
    iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
    std::string out(text.size() * 4 + 4, '\0');
    char* in = text.data();
    char* to = out.data();
    std::size_t inLeft = text.size();
    std::size_t outLeft = out.size();
    const bool valid = iconv(cd, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1) && inLeft == 0;
    iconv_close(cd);
    return valid;
}

// Whether desktop-file-validate (Debian package desktop-file-utils) accepts the entry.
bool validEntry(const fs::path& file) { return runProgram({"desktop-file-validate", file.string()}) == 0; }

// Every file below dir, folders left out.
std::vector<fs::path> filesBelow(const fs::path& dir) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
        if (!entry.is_directory()) files.push_back(entry.path());
    }
    return files;
}

std::string nameLine(const std::string& entry) {
    const std::size_t begin = entry.find("\nName=") + 6;
    return entry.substr(begin, entry.find('\n', begin) - begin);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(runProgram({"desktop-file-validate", "--help"}), 0)
            << "install desktop-file-utils (scripts/install-deps)";
        for (const char* name : {"HOME", "XDG_DESKTOP_DIR", "XDG_CONFIG_HOME", "FLUVANE_BROWSER"}) unsetenv(name);
        setenv("HOME", dir.path().c_str(), 1);
        // Records its arguments, one a line, in the file named after itself.
        writeBytes(recorder, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n");
        fs::permissions(recorder, fs::perms::owner_all);
    }
    void TearDown() override {
        for (const char* name : {"HOME", "XDG_DESKTOP_DIR", "XDG_CONFIG_HOME", "FLUVANE_BROWSER"}) unsetenv(name);
    }

    // What the recorder was started with; empty if it never ran.
    std::string recorded() {
        const fs::path args = recorder.string() + ".args";
        for (int i = 0; i < 1000 && !fs::exists(args); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return readBytes(args);
    }

    TempDir dir;
    fs::path recorder = dir / "opener";
    PosixShell shell{recorder.string()};
};

TEST_F(ShellTest, LinksGoToTheOpenerAsOneArgument) {
    ASSERT_TRUE(shell.openLink("http://127.0.0.1/a b?x=$(id)"));
    EXPECT_EQ(recorded(), "http://127.0.0.1/a b?x=$(id)\n");
    EXPECT_FALSE(shell.openLink("--help"));
}

// The address stays one argument, or it is refused.
TEST_F(ShellTest, TheBrowserGetsTheAddressAsOneArgumentOrNothing) {
    setenv("FLUVANE_BROWSER", (recorder.string() + " --new-window").c_str(), 1);
    for (const std::string refused :
         {"http://host/ file:///home/u/.ssh/id_rsa /etc/shadow", "http://x/ --renderer-cmd-prefix=evil",
          "http://x/\t-x", "http://x/\n", "--help", "file:///etc/passwd", "javascript:alert(1)", ""}) {
        EXPECT_FALSE(shell.openInBrowser(refused)) << refused;
    }
    ASSERT_TRUE(shell.openInBrowser("http://127.0.0.1/a?b=$(id)&c=`x`"));
    EXPECT_EQ(recorded(), "--new-window\nhttp://127.0.0.1/a?b=$(id)&c=`x`\n");
}

TEST_F(ShellTest, WithoutABrowserSettingTheOpenerServes) {
    ASSERT_TRUE(shell.openInBrowser("http://127.0.0.1/"));
    EXPECT_EQ(recorded(), "http://127.0.0.1/\n");
}

TEST_F(ShellTest, TheDesktopFolderFollowsTheXdgRules) {
    EXPECT_EQ(shell.desktopFolder(), dir / "Desktop");
    fs::create_directories(dir / ".config");
    writeBytes(dir / ".config/user-dirs.dirs", "# comment\nXDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
    EXPECT_EQ(shell.desktopFolder(), dir / "桌面");
    setenv("XDG_CONFIG_HOME", (dir / "elsewhere").c_str(), 1);
    EXPECT_EQ(shell.desktopFolder(), dir / "Desktop");
    setenv("XDG_DESKTOP_DIR", (dir / "explicit").c_str(), 1);
    EXPECT_EQ(shell.desktopFolder(), dir / "explicit");
    // Relative values would write wherever the program was started.
    setenv("XDG_DESKTOP_DIR", "explicit", 1);
    EXPECT_EQ(shell.desktopFolder(), dir / "Desktop");
    setenv("HOME", "home", 1);
    EXPECT_TRUE(shell.desktopFolder().is_absolute()) << shell.desktopFolder();
}

TEST_F(ShellTest, ExecQuotesEveryArgument) {
    EXPECT_EQ(desktopExec("/opt/fluvane app/fluvane", {"标题#@@http://x/?a=1&b=50%", "q\"`$\\"}),
              R"("/opt/fluvane app/fluvane" "标题#@@http://x/?a=1&b=50%%" "q\\"\\`\\$\\\\")");
}

TEST_F(ShellTest, AShortcutIsAnExecutableDesktopEntry) {
    const fs::path desktop = shell.desktopFolder();
    fs::create_directories(desktop);
    Shortcut shortcut{"西游记", "/opt/fluvane/fluvane", {"西游记#@@http://x/a b"}, "澜映影视", {}};
    ASSERT_TRUE(shell.createShortcut(shortcut));
    const fs::path file = desktop / "西游记.desktop";
    EXPECT_EQ(readBytes(file),
              "[Desktop Entry]\nType=Application\nName=西游记\nComment=澜映影视\n"
              "Exec=\"/opt/fluvane/fluvane\" \"西游记#@@http://x/a b\"\nX-Fluvane-Shortcut=true\n");
    EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_exec, fs::perms::none);
    EXPECT_TRUE(validEntry(file));

    shortcut.arguments = {"again"};
    shortcut.icon = "/opt/fluvane/icon.png";
    ASSERT_TRUE(shell.createShortcut(shortcut));
    EXPECT_NE(readBytes(file).find("Exec=\"/opt/fluvane/fluvane\" \"again\"\nIcon=/opt/fluvane/icon.png\n"),
              std::string::npos);
    EXPECT_TRUE(validEntry(file));
}

// Titles come from portal pages: whatever they hold, one valid entry lands
// directly in the desktop folder, and its Name shows the whole title.
TEST_F(ShellTest, AnyTitleMakesOneEntryInsideTheDesktopFolder) {
    struct Case {
        std::string title;
        std::string file;
        std::string name;
    };
    const std::string longChinese = [] {
        std::string text;
        for (int i = 0; i < 240; ++i) text += "中";
        return text;
    }();
    const Case cases[] = {
        {"../x", "___x", "../x"},
        {"../.config/autostart/x", "___.config_autostart_x", "../.config/autostart/x"},
        {"/tmp/x", "_tmp_x", "/tmp/x"},
        {"..\\..\\x", "___.._x", "..\\\\..\\\\x"},
        {std::string("a\0b", 3), "a_b", "ab"},
        {"a\x01\x1b[31mb\tc\nd\x7f", "a__[31mb_c_d_", "a[31mbcd"},
        {".hidden", "_hidden", ".hidden"},
        {"a#@@file:///etc/passwd", "a#@@file:___etc_passwd", "a#@@file:///etc/passwd"},
        {"", "Fluvane", "Fluvane"},
        {"  ", "Fluvane", "Fluvane"},
        {"\xFF\xC3", "\uFFFD\uFFFD", "\uFFFD\uFFFD"},
        {std::string(300, 'a'), std::string(247, 'a'), std::string(300, 'a')},
        {longChinese, longChinese.substr(0, 82 * 3), longChinese},
    };
    const fs::path desktop = shell.desktopFolder();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        fs::remove_all(desktop);
        fs::create_directories(desktop);
        ASSERT_TRUE(shell.createShortcut({c.title, "/opt/fluvane/fluvane", {"arg"}, "", {}}));
        const fs::path expected = desktop / (c.file + ".desktop");
        EXPECT_EQ(entryFileName(c.title), expected.filename().string());
        std::vector<fs::path> written = filesBelow(dir.path());
        std::erase_if(written, [&](const fs::path& file) { return file.parent_path() == dir.path(); });
        EXPECT_EQ(written, std::vector<fs::path>{expected});
        EXPECT_EQ(nameLine(readBytes(expected)), c.name);
        EXPECT_TRUE(validEntry(expected));
    }
}

// A page names its shortcut: the user's own entries of that name, and links,
// stay as they are; only an entry this client made is replaced.
TEST_F(ShellTest, AShortcutReplacesOnlyAnEntryThisClientMade) {
    const fs::path desktop = shell.desktopFolder();
    fs::create_directories(desktop);
    const std::string launcher = "[Desktop Entry]\nType=Application\nName=Firefox\nExec=firefox\n";
    writeBytes(desktop / "Firefox.desktop", launcher);
    writeBytes(dir / "outside", "keep");
    fs::create_symlink(dir / "outside", desktop / "Firefox (2).desktop");
    for (const std::string argument : {"first", "second"}) {
        ASSERT_TRUE(shell.createShortcut({"Firefox", "/opt/fluvane/fluvane", {argument}, "", {}}));
        const fs::path made = desktop / "Firefox (3).desktop";
        EXPECT_NE(readBytes(made).find(argument), std::string::npos);
        EXPECT_TRUE(validEntry(made));
    }
    EXPECT_EQ(readBytes(desktop / "Firefox.desktop"), launcher);
    EXPECT_EQ(readBytes(dir / "outside"), "keep");
    EXPECT_TRUE(fs::is_symlink(desktop / "Firefox (2).desktop"));
    EXPECT_EQ(filesBelow(desktop).size(), 3u);

    // The number fits within a file name's length, however long the title.
    const std::string longTitle(300, 'a');
    writeBytes(desktop / entryFileName(longTitle), launcher);
    ASSERT_TRUE(shell.createShortcut({longTitle, "/opt/fluvane/fluvane", {}, "", {}}));
    const fs::path numbered = desktop / (std::string(NAME_MAX - 12, 'a') + " (2).desktop");
    EXPECT_TRUE(validEntry(numbered)) << numbered;
}

TEST_F(ShellTest, AutostartWritesAndRemovesAnXdgEntry) {
    const fs::path entry = dir / ".config/autostart/fluvane.desktop";
    ASSERT_TRUE(shell.setAutostart("fluvane", "/opt/my app/fluvane", true));
    EXPECT_EQ(readBytes(entry), "[Desktop Entry]\nType=Application\nName=fluvane\nExec=\"/opt/my app/fluvane\"\n");
    EXPECT_TRUE(validEntry(entry));
    ASSERT_TRUE(shell.setAutostart("fluvane", "/opt/my app/fluvane", false));
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_TRUE(shell.setAutostart("fluvane", "/opt/my app/fluvane", false));

    setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    ASSERT_TRUE(shell.setAutostart("fluvane", "/opt/fluvane", true));
    EXPECT_TRUE(fs::exists(dir / "config/autostart/fluvane.desktop"));
    setenv("XDG_CONFIG_HOME", "config", 1);
    ASSERT_TRUE(shell.setAutostart("fluvane", "/opt/fluvane", true));
    EXPECT_TRUE(fs::exists(entry)) << "a relative value is ignored";
}

// A scrambled title is code page 936 bytes, some paired into no character; GLib
// will not launch an entry whose Exec line is not UTF-8.
TEST_F(ShellTest, ArgumentBytesThatAreNotUtf8CrossADesktopEntryUnchanged) {
    const std::string bytes = "\xB0\x9C \x81\x3BRoo9EEA\xFF\xEF\x9E\x80\xE4\xB8\xAD\x01\t\n\x7F\xEF\x9C\x80";
    const fs::path desktop = shell.desktopFolder();
    fs::create_directories(desktop);
    ASSERT_TRUE(shell.createShortcut({"t", "/opt/fluvane", {bytes}, "", {}}));
    const std::string entry = readBytes(desktop / "t.desktop");
    EXPECT_TRUE(validUtf8(entry));
    EXPECT_TRUE(validEntry(desktop / "t.desktop"));

    const std::string prefix = "Exec=\"/opt/fluvane\" \"";
    const std::size_t begin = entry.find(prefix) + prefix.size();
    const std::string passed = entry.substr(begin, entry.find("\"\n", begin) - begin);
    const char* argv[] = {"fluvane", passed.c_str()};
    EXPECT_EQ(PosixApplication(2, argv).arguments(), std::vector<std::string>{bytes});
}

TEST(ArgumentTransport, ValidUtf8StaysAndEveryByteComesBack) {
    EXPECT_EQ(platform::posix::utf8ForTransport("标题#@@http://x/ a"), "标题#@@http://x/ a");
    EXPECT_EQ(platform::posix::utf8ForTransport("\t"), "\uF709") << "control characters travel escaped";
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    all += "\xC0\x80\xED\xA0\x80\xF4\x90\x80\x80\xE4\xB8";
    const std::string carried = platform::posix::utf8ForTransport(all);
    EXPECT_TRUE(validUtf8(carried));
    EXPECT_EQ(platform::posix::bytesFromTransport(carried), all);
}

TEST_F(ShellTest, AShortcutWithoutADesktopFolderFails) {
    setenv("XDG_DESKTOP_DIR", (dir / "no-such-dir").c_str(), 1);
    EXPECT_FALSE(shell.createShortcut({"x", "/bin/true", {}, "", {}}));
    EXPECT_FALSE(fs::exists(dir / "no-such-dir"));
}

}  // namespace
}  // namespace fluvane::test
