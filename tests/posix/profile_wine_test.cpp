// The corpus run through Wine's profile functions, the reference for ours.
// Skipped where Wine, the MinGW-built probe or the zh_CN locale source is missing.
#include "profile_corpus.h"
#include "run_program.h"
#include "temp_dir.h"

#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_profile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace fluvane::test {
namespace {

using platform::posix::PosixCodePage;
using platform::posix::PosixProfile;

std::string hex(std::string_view bytes) {
    if (bytes.empty()) return "-";
    std::string out;
    char digits[3];
    for (unsigned char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", c);
        out += digits;
    }
    return out;
}

std::string unhex(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; text != "-" && i + 1 < text.size(); i += 2) {
        out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return out;
}

std::string windowsPath(const std::filesystem::path& path) {
    std::string out = "Z:" + path.string();
    for (char& c : out) {
        if (c == '/') c = '\\';
    }
    return out;
}

// Wine takes its ANSI code page from the locale; build a GBK one of our own.
bool prepareLocale(const std::filesystem::path& dir) {
    if (std::filesystem::exists(dir / "zh_CN.GBK")) return true;
    std::filesystem::create_directories(dir);
    runProgram({"localedef", "-i", "zh_CN", "-f", "GBK", (dir / "zh_CN.GBK").string()});
    return std::filesystem::exists(dir / "zh_CN.GBK");
}

TEST(ProfileWine, CorpusReadsAsWineReadsIt) {
    const std::string wine = FLUVANE_WINE;
    const std::string probe = FLUVANE_PROFILE_PROBE;
    const std::filesystem::path state = FLUVANE_WINE_STATE;
    if (wine.empty() || probe.empty()) GTEST_SKIP() << "wine or the MinGW compiler is missing";
    if (!prepareLocale(state / "locale")) GTEST_SKIP() << "no zh_CN locale source for localedef";

    std::vector<ProfileCase> cases = loadProfileCorpus(FLUVANE_PROFILE_CORPUS);
    std::erase_if(cases, [](const ProfileCase& c) { return c.name.starts_with("mended_"); });
    PosixCodePage codePage;
    TempDir dir;
    std::filesystem::create_directories(dir / "wine");
    std::filesystem::create_directories(dir / "ours");
    std::ostringstream commands;
    for (const ProfileCase& c : cases) {
        const std::string file = hex(windowsPath(dir.path() / "wine" / (c.name + ".ini")));
        if (c.initial) writeBytes(dir.path() / "wine" / (c.name + ".ini"), *c.initial);
        for (const ProfileOperation& op : c.operations) {
            commands << (op.write ? "W " : "R ") << file << ' ' << hex(codePage.toGbk(op.section)) << ' '
                     << hex(codePage.toGbk(op.key)) << ' ' << (op.write ? hex(codePage.toGbk(op.value)) : "-") << ' '
                     << op.bufferSize << '\n';
        }
    }
    writeBytes(dir / "commands.txt", commands.str());
    // One run for the whole corpus: Wine takes seconds to start.
    setenv("WINEPREFIX", (state / "prefix").c_str(), 1);
    setenv("WINEDEBUG", "-all", 1);
    // A new prefix then skips Mono, Gecko and desktop menus: seconds saved once.
    setenv("WINEDLLOVERRIDES", "mscoree,mshtml=;winemenubuilder.exe=d", 1);
    setenv("LOCPATH", (state / "locale").c_str(), 1);
    setenv("LC_ALL", "zh_CN.GBK", 1);
    const int status = runProgram({wine, probe, windowsPath(dir / "commands.txt")}, dir / "answers.txt");
    unsetenv("LC_ALL");
    unsetenv("LOCPATH");
    ASSERT_EQ(status, 0);
    std::istringstream answers(readBytes(dir / "answers.txt"));

    PosixProfile profile(codePage);
    for (const ProfileCase& c : cases) {
        const auto file = dir.path() / "ours" / (c.name + ".ini");
        if (c.initial) writeBytes(file, *c.initial);
        for (const ProfileOperation& op : c.operations) {
            SCOPED_TRACE(c.name + ".txt:" + std::to_string(op.line));
            std::string answer;
            ASSERT_TRUE(std::getline(answers, answer));
            if (!answer.empty() && answer.back() == '\r') answer.pop_back();  // Windows text-mode stdout
            if (op.write) {
                EXPECT_EQ(profile.write(op.section, op.key, op.value, file) ? "1" : "0", answer);
                continue;
            }
            const std::string ours = profile.read(op.section, op.key, "", op.bufferSize, file);
            const std::string theirs = unhex(answer);
            // Our one deliberate difference here: Windows cuts inside a
            // two-byte character and hands out its lead byte (Wine a NUL in
            // its place); we cut before the character.
            const bool cutBeforeCharacter =
                theirs.size() + 1 == op.bufferSize && codePage.fromGbk(theirs.substr(0, theirs.size() - 1)) == ours;
            if (!cutBeforeCharacter) {
                EXPECT_EQ(ours, codePage.fromGbk(theirs));
            }
        }
    }
}

}  // namespace
}  // namespace fluvane::test
