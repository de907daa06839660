// A trainer that goes away and comes back, and one that is slow to answer.
#include "hostile_session.h"

#include "main_window.h"

namespace {

constexpr char SLOW_TRAINER[] = "--delay-ms 300 --text \"SLOW COPY\"";
// A read waits 300 ms for the trainer, so the refresh runs at most three times a second.
constexpr DWORD SLOW_REFRESH_WAIT_MS = 30000;

TEST_F(SorvaneWithTrainer, ATrainerStartedAgainWithOtherTextIsReadByTheNextCompare) {
    standin::Standin first = StartTrainer("--text \"FIRST RUN\"");
    ASSERT_NE(first.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "second run");
    ASSERT_TRUE(CompareUntilShown("FIRST RUN"));
    ExpectResultRight();

    StopTrainer(first);
    const standin::Standin second = StartTrainer("--text \"SECOND RUN\"");
    ASSERT_NE(second.frame, nullptr);
    ASSERT_TRUE(CompareUntilShown("SECOND RUN"));
    EXPECT_EQ(Text(ID_STATUS_LINE), " 9 characters match to first error");
    ExpectResultRight();
}

TEST_F(SorvaneWithTrainer, ASlowTrainerStillGivesRightResultsOneMessageEachAndACleanQuit) {
    const standin::Standin trainer = StartTrainer(SLOW_TRAINER);
    ASSERT_NE(trainer.frame, nullptr);
    ASSERT_TRUE(StartSorvane());
    SetText(ID_TYPED_TEXT, "slow cozy");
    ASSERT_TRUE(CompareUntilShown("SLOW COPY", SLOW_REFRESH_WAIT_MS));
    EXPECT_EQ(Text(ID_STATUS_LINE), " 6 characters match to first error");
    ExpectResultRight();

    SendClick(ID_BEGIN);
    standin::MessageCounts counts = standin::QueryCounts(trainer.frame);
    EXPECT_EQ(counts.starts, 1);
    EXPECT_EQ(counts.stops, 0);
    SendClick(ID_STOP);
    counts = standin::QueryCounts(trainer.frame);
    EXPECT_EQ(counts.starts, 1);
    EXPECT_EQ(counts.stops, 1);

    PostClick(ID_QUIT);
    DWORD exitCode = 1;
    ASSERT_TRUE(WaitSorvaneExit(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

} // namespace
