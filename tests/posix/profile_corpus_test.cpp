// The corpus of tricky files against the results recorded with it.
#include "profile_corpus.h"
#include "temp_dir.h"

#include "platform/posix/posix_code_page.h"
#include "platform/posix/posix_profile.h"

#include <gtest/gtest.h>

namespace fluvane::test {
namespace {

using platform::posix::PosixCodePage;
using platform::posix::PosixProfile;

TEST(ProfileCorpus, EveryCaseGivesItsRecordedResults) {
    const std::vector<ProfileCase> cases = loadProfileCorpus(FLUVANE_PROFILE_CORPUS);
    ASSERT_GE(cases.size(), 8u);
    PosixCodePage codePage;
    PosixProfile profile(codePage);
    TempDir dir;
    for (const ProfileCase& c : cases) {
        const auto file = dir / (c.name + ".ini");
        if (c.initial) writeBytes(file, *c.initial);
        for (const ProfileOperation& op : c.operations) {
            SCOPED_TRACE(c.name + ".txt:" + std::to_string(op.line));
            if (op.write) {
                EXPECT_EQ(profile.write(op.section, op.key, op.value, file) ? "1" : "0", op.expected);
            } else {
                EXPECT_EQ(profile.read(op.section, op.key, "", op.bufferSize, file), op.expected);
            }
        }
        if (c.after) {
            EXPECT_EQ(readBytes(file), *c.after) << c.name;
        } else if (c.initial) {
            EXPECT_EQ(readBytes(file), *c.initial) << c.name << " changed";
        }
    }
}

}  // namespace
}  // namespace fluvane::test
