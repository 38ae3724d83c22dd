#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The corpus of tricky profile files in profile_corpus/: for each case
// NAME.txt lists the operations in order, NAME.ini (if present) is the file
// they start from, and NAME.after (if present) the bytes it must end as.
//
// NAME.txt, one operation a line, fields separated by tabs, names and values
// in UTF-8 with the escapes \t \r \n \\ and \xHH:
//   read   SECTION  KEY  BUFFER-SIZE  EXPECTED
//   write  SECTION  KEY  VALUE        1|0
// Lines starting with '#' are comments. Cases named mended_* pin where we
// deliberately differ from Windows; the comparison with Wine leaves them out.
namespace fluvane::test {

struct ProfileOperation {
    bool write = false;
    std::string section;
    std::string key;
    std::string value;  // the value written
    std::size_t bufferSize = 0;
    std::string expected;  // the value read, or "1"/"0" for a write
    int line = 0;
};

struct ProfileCase {
    std::string name;
    std::optional<std::string> initial;
    std::optional<std::string> after;
    std::vector<ProfileOperation> operations;
};

std::vector<ProfileCase> loadProfileCorpus(const std::filesystem::path& dir);

}  // namespace fluvane::test
