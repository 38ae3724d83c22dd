// The GBK code page on arbitrary bytes: conversion never fails, GBK to UTF-8
// always gives valid UTF-8, and UTF-8 that GBK holds comes back unchanged.
#include "fuzz_check.h"
#include "platform/posix/posix_code_page.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fluvane::fuzz::check;
    static const fluvane::platform::posix::PosixCodePage codePage;
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    check(fluvane::fuzz::validUtf8(codePage.fromGbk(bytes)), "fromGbk gives valid UTF-8");

    const std::string gbk = codePage.toGbk(bytes);
    check(size == 0 || !gbk.empty(), "toGbk keeps something of any text");
    if (!fluvane::fuzz::validUtf8(bytes)) return 0;
    // toGbk marks each character GBK lacks with '?'; with no '?' beyond those
    // of the text itself, every character was held.
    if (std::count(gbk.begin(), gbk.end(), '?') != std::count(bytes.begin(), bytes.end(), '?')) return 0;
    check(codePage.fromGbk(gbk) == bytes, "text GBK holds comes back unchanged");
    return 0;
}
