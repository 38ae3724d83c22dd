#pragma once

#include "platform/services.h"

namespace fluvane::platform::posix {

// Through iconv's GBK; no input ever fails a conversion, it only degrades:
// bytes that are not GBK become U+FFFD, characters GBK lacks (and malformed
// UTF-8) become '?'.
class PosixCodePage final : public CodePage {
public:
    std::string toGbk(std::string_view utf8) const override;
    std::string fromGbk(std::string_view gbk) const override;
};

}  // namespace fluvane::platform::posix
