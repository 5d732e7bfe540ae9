#include "common/file_identity.h"

#include <gtest/gtest.h>

namespace {

TEST(FileIdentity, IndexDecidesAndFullPathsWhereThereIsNone) {
    const struct {
        const char* what;
        FileIdentity a, b;
        bool same;
    } cases[] = {
        {"one file under two names", {7, 42, "C:\\DOCS\\A.EPT"}, {7, 42, "C:\\DOCS\\LINK.EPT"}, true},
        {"two files", {7, 42, "C:\\DOCS\\A.EPT"}, {7, 43, "C:\\DOCS\\B.EPT"}, false},
        {"same index on two volumes", {7, 42, "C:\\A.EPT"}, {8, 42, "D:\\A.EPT"}, false},
        // A network share that reports index 0 for every file.
        {"no identity: two files", {9, 0, "Z:\\SHARE\\A.TXT"}, {9, 0, "Z:\\SHARE\\A.EPT"}, false},
        {"no identity: one file", {9, 0, "Z:\\SHARE\\A.EPT"}, {9, 0, "Z:\\SHARE\\A.EPT"}, true},
        {"no identity on one side", {9, 0, "Z:\\SHARE\\A.EPT"}, {7, 42, "C:\\DOCS\\A.EPT"}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isSameIdentity(c.a, c.b), c.same) << c.what;
        EXPECT_EQ(isSameIdentity(c.b, c.a), c.same) << c.what << ", the other way round";
    }
}

}  // namespace
