#include "platform/shared/url.h"

#include <gtest/gtest.h>

#include <string>

namespace fluvane::platform::shared {
namespace {

TEST(Url, OnlyHttpAndHttpsAddressesWithAHostPass) {
    for (const std::string url : {"http://portal.test", "https://portal.test/tcab/", "HTTP://P.TEST:8090/a b",
                                  "http://user@host/", "http://[::1]:80/", "http://127.0.0.1?q", "http://h\\x"}) {
        EXPECT_TRUE(isWebUrl(url)) << url;
    }
    for (const std::string url :
         {"", "http://", "https://", "http:///path", "http://:80/", "http://user@/", "http://[]/", "http://[::1",
          "http:/host", "ftp://host/", "file:///etc/passwd", "javascript:alert(1)", " http://host/", "-http://host/",
          "http://ho st/", "http://ho\tst/", "zelskin/html/gbook.html", "httpx://host/"}) {
        EXPECT_FALSE(isWebUrl(url)) << url;
    }
}

}  // namespace
}  // namespace fluvane::platform::shared
