#include "main/run_failure.h"

#include <gtest/gtest.h>

namespace {

TEST(RunFailure, NumberedTexts) {
    const std::string src = "C:\\DOCS\\REPORT.DOC";
    const std::string dst = "C:\\DOCS\\REPORT.EPT";
    struct {
        RunStatus status;
        RunKind kind;
        std::string expected;
    } cases[] = {
        {RunStatus::Completed, kEncrypting, ""},
        {RunStatus::Cancelled, kDecrypting, ""},
        {RunStatus::SourceNotOpened, kEncrypting, src + " CAN NOT BE OPENED. ERROR NO. :0004"},
        {RunStatus::SourceNotOpened, kDecrypting, src + " CAN NOT BE OPENED. ERROR NO. :0006"},
        {RunStatus::DestinationNotCreated, kEncrypting, dst + " CAN NOT BE OPENED. ERROR NO. :0005"},
        {RunStatus::DestinationNotCreated, kDecrypting, dst + " CAN NOT BE OPENED. ERROR NO. :0007"},
        {RunStatus::DestinationIsSource, kDecrypting, dst + " CAN NOT BE OPENED. ERROR NO. :0007"},
        {RunStatus::SourceNotPositioned, kDecrypting, src + " CAN NOT BE READ. ERROR NO. :0008"},
        {RunStatus::DestinationNotWritten, kEncrypting, dst + " CAN NOT BE WRITTEN. ERROR NO. :0013"},
        {RunStatus::DestinationNotWritten, kDecrypting, dst + " CAN NOT BE WRITTEN. ERROR NO. :0013"},
        {RunStatus::SourceNotRead, kEncrypting, src + " CAN NOT BE READ. ERROR NO. :0014"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runFailureText(c.status, c.kind, src, dst), c.expected) << "status " << static_cast<int>(c.status);
    }
    EXPECT_EQ(damagedHeaderText(dst), dst + " IS DAMAGED AND CAN NOT BE DECRYPTED. ERROR NO. :0015");
}

}  // namespace
