#include "platform/shared/navigation_policy.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fluvane::platform::shared {
namespace {

namespace fs = std::filesystem;

// base/app holds the client's pages and a link out of it; base/outside and
// base/app-other (whose name starts like the application directory's) lie beside it.
class NavigationPolicyTest : public ::testing::Test {
protected:
    NavigationPolicyTest() {
        std::string pattern = (fs::temp_directory_path() / "fluvpolicy.XXXXXX").string();
        base = fs::path(::mkdtemp(pattern.data()));
        for (const char* file :
             {"app/zelskin/html/gbook.html", "app/app/loading.html", "app/zelhe.db", "app/link.txt",
              "app/zelskin/Config.ini", "app/app/other.html", "outside/secret.html", "app-other/page.html"}) {
            fs::create_directories((base / file).parent_path());
            std::ofstream(base / file) << "<title>page</title>";
        }
        fs::create_symlink(base / "outside", base / "app/zelskin/escape");
        fs::create_symlink(base / "outside/secret.html", base / "app/zelskin/escape.html");
        fs::create_symlink(base / "app/zelhe.db", base / "app/zelskin/html/config.html");
    }
    ~NavigationPolicyTest() override { fs::remove_all(base); }

    NavigationVerdict judge(const std::string& url) const {
        return judgeNavigation(url, base / "app", {"flvplay", "dddisk", "colse"});
    }
    std::string app() const { return (base / "app").string(); }

    fs::path base;
};

TEST_F(NavigationPolicyTest, WebPagesAndCommandsPassWhateverTheirCase) {
    for (const std::string url : {"http://portal.test/tcab/", "HTTPS://portal.test", "http:portal.test",
                                  " \x01http://portal.test/\n", "ht\ttp://portal.test/"}) {
        EXPECT_EQ(judge(url), NavigationVerdict::Web) << url;
    }
    for (const std::string url :
         {"flvplay:///tcab/play/?s=1", "DDDISK://星河渡口@@@/tcab/", "colse://", "\tdd\ndisk://x"}) {
        EXPECT_EQ(judge(url), NavigationVerdict::Command) << url;
    }
}

TEST_F(NavigationPolicyTest, ScriptsDataAndOtherSchemesAreRefused) {
    for (const std::string url : {"javascript:alert(1)",
                                  " JavaScript:alert(1)",
                                  "java\tscript:alert(1)",
                                  "java\nscript:alert(1)",
                                  "\x01javascript:alert(1)",
                                  "data:text/html,<script>alert(1)</script>",
                                  "DATA:text/html,x",
                                  "blob:http://portal.test/0f0e",
                                  "about:blank",
                                  "about:srcdoc",
                                  "about:blankclose://",
                                  "view-source:http://portal.test/",
                                  "filesystem:http://portal.test/temporary/x",
                                  "chrome://version",
                                  "vbscript:msgbox(1)",
                                  "close://",
                                  "ftp://portal.test/",
                                  "",
                                  "   ",
                                  "portal.test/tcab/",
                                  "//portal.test/tcab/",
                                  "1http://portal.test/",
                                  ":http://x",
                                  "http//portal.test"}) {
        EXPECT_EQ(judge(url), NavigationVerdict::Refused) << url;
    }
}

// What the portal sent lies in the application directory too: only the
// pages the client ships load.
TEST_F(NavigationPolicyTest, LocalPagesAreOnlyThoseTheClientShips) {
    const std::string inside[] = {
        "file://" + app() + "/zelskin/html/gbook.html",
        "FILE://localhost" + app() + "/app/loading.html",
        "file:" + app() + "/app/loading.html",
        "file://" + app() + "/zelskin/html/../../app/loading.html?x=1#top",
        "file://" + app() + "/zelskin/html/%67book.html",
        "file://" + app() + "/zelskin/html/missing.html",
        app() + "/zelskin/html/gbook.html",
    };
    for (const std::string& url : inside) EXPECT_EQ(judge(url), NavigationVerdict::LocalPage) << url;

    const std::string outside[] = {
        "file://" + (base / "outside/secret.html").string(),
        "file:///etc/passwd",
        "file://" + app() + "/",
        "file://" + app() + "/zelhe.db",
        "file://" + app() + "/link.txt",
        "file://" + app() + "/zelskin/Config.ini",
        "file://" + app() + "/zelskin/html/../Config.ini",
        "file://" + app() + "/zelskin/html/config.html",
        "file://" + app() + "/app/other.html",
        "file://" + app() + "/app/loading.html/x",
        "file://" + app() + "/../outside/secret.html",
        "file://" + app() + "/zelskin/../../outside/secret.html",
        "file://" + app() + "/zelskin/%2e%2e/%2E%2E/outside/secret.html",
        "file://" + app() + "/zelskin/..%2f..%2Foutside/secret.html",
        "file://" + app() + "\\..\\outside\\secret.html",
        "file://" + app() + "/zelskin/escape.html",
        "file://" + app() + "/zelskin/escape/secret.html",
        "file://" + app() + "/zelskin/escape/../app-other/page.html",
        "file://" + app() + "-other/page.html",
        "file://" + app() + "/zelskin/html/gbook.html%00.txt",
        "file://otherhost" + app() + "/zelskin/html/gbook.html",
        "file://" + app().substr(1),
        "file:zelskin/html/gbook.html",
        app() + "/../outside/secret.html",
        app() + "/zelskin/escape.html",
        "zelskin/html/gbook.html",
    };
    for (const std::string& url : outside) EXPECT_EQ(judge(url), NavigationVerdict::Refused) << url;
}

TEST_F(NavigationPolicyTest, WithoutAnApplicationDirectoryNoFileIsALocalPage) {
    EXPECT_EQ(judgeNavigation("file://" + app() + "/app/loading.html", {}, {}), NavigationVerdict::Refused);
    EXPECT_EQ(judgeNavigation("flvplay://x", {}, {}), NavigationVerdict::Refused);
}

}  // namespace
}  // namespace fluvane::platform::shared
