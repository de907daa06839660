// A trainer that goes away and comes back, and one that is slow to answer.
#include "sorvane_session.h"

#include "main_window.h"

namespace {

constexpr char SLOW_TRAINER[] = "--delay-ms 300 --text \"SLOW COPY\"";
// A read waits 300 ms for the trainer, so the refresh runs at most three times a second.
constexpr DWORD SLOW_REFRESH_WAIT_MS = 30000;

using TrainerFaults = SorvaneSession;

TEST_F(TrainerFaults, ATrainerStartedAgainWithOtherTextIsReadByTheNextCompare) {
    standin::Standin first = StartWithTrainer("--text \"FIRST RUN\"");
    ASSERT_NE(first.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("second run", "FIRST RUN"));
    ExpectResultRight();

    StopTrainer(first);
    const standin::Standin second = StartTrainer("--text \"SECOND RUN\"");
    ASSERT_NE(second.window, nullptr);
    ASSERT_TRUE(CompareUntilShown("SECOND RUN"));
    ExpectResultRight(9);
}

TEST_F(TrainerFaults, ASlowTrainerStillGivesRightResultsOneMessageEachAndACleanQuit) {
    const standin::Standin trainer = StartWithTrainer(SLOW_TRAINER);
    ASSERT_NE(trainer.window, nullptr);
    ASSERT_TRUE(TypeThenCompare("slow cozy", "SLOW COPY", SLOW_REFRESH_WAIT_MS));
    ExpectResultRight(6);

    SendClick(ID_BEGIN);
    EXPECT_EQ(standin::QueryCounts(trainer.window), (standin::MessageCounts{1, 0}));
    SendClick(ID_STOP);
    EXPECT_EQ(standin::QueryCounts(trainer.window), (standin::MessageCounts{1, 1}));

    PostClick(ID_QUIT);
    EXPECT_TRUE(EndsWithExitCodeZero());
}

} // namespace
