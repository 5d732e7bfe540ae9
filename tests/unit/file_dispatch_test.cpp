#include "main/file_dispatch.h"

#include <gtest/gtest.h>

TEST(FileDispatch, DispatchTable) {
    EXPECT_EQ(dispatchFor(false, false), Dispatch::Encrypt);
    EXPECT_EQ(dispatchFor(true, true), Dispatch::Decrypt);
    EXPECT_EQ(dispatchFor(true, false), Dispatch::RefuseEptWithoutHeader);
    EXPECT_EQ(dispatchFor(false, true), Dispatch::RepairExtension);
}
