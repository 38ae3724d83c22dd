#pragma once

#include <string>
#include <string_view>

namespace portal {

// Request text as it may appear in the log: control bytes and the backslash
// become \xNN, so a client cannot forge log lines or send escape sequences
// to the terminal. Other bytes, UTF-8 included, pass unchanged.
std::string escape_for_log(std::string_view text);

}  // namespace portal
