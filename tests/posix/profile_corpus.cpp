#include "profile_corpus.h"

#include "temp_dir.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace fluvane::test {
namespace {

std::string unescape(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        const char code = field[++i];
        if (code == 't')
            out += '\t';
        else if (code == 'r')
            out += '\r';
        else if (code == 'n')
            out += '\n';
        else if (code == 'x' && i + 2 < field.size()) {
            out += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else
            out += code;
    }
    return out;
}

std::vector<std::string> split(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(unescape(field));
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    return fields;
}

std::optional<std::string> optionalFile(const std::filesystem::path& file) {
    if (!std::filesystem::exists(file)) return std::nullopt;
    return readBytes(file);
}

}  // namespace

std::vector<ProfileCase> loadProfileCorpus(const std::filesystem::path& dir) {
    std::vector<ProfileCase> cases;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        ProfileCase c;
        c.name = entry.path().stem().string();
        c.initial = optionalFile(std::filesystem::path(entry.path()).replace_extension(".ini"));
        c.after = optionalFile(std::filesystem::path(entry.path()).replace_extension(".after"));
        std::istringstream lines(readBytes(entry.path()));
        int number = 0;
        for (std::string line; std::getline(lines, line);) {
            ++number;
            if (line.empty() || line.front() == '#') continue;
            const std::vector<std::string> f = split(line);
            if (f.size() != 5 || (f[0] != "read" && f[0] != "write")) {
                throw std::runtime_error(c.name + ".txt:" + std::to_string(number) + ": malformed");
            }
            ProfileOperation op{f[0] == "write", f[1], f[2], "", 0, f[4], number};
            if (op.write)
                op.value = f[3];
            else
                op.bufferSize = std::stoul(f[3]);
            c.operations.push_back(op);
        }
        cases.push_back(std::move(c));
    }
    std::sort(cases.begin(), cases.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return cases;
}

}  // namespace fluvane::test
