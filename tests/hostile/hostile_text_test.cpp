// Whatever the trainer's text window holds, a comparison is right for what box
// 101 then shows.
#include "sorvane_session.h"

#include "main_window.h"

#include <random>
#include <set>

namespace {

constexpr PracticeSpec LONG_TEXTS[] = {{28000, 11}, {40000, 11}};

constexpr PracticeSpec TYPED = {3000, 5};
constexpr int RANDOM_PRESSES = 25;
constexpr DWORD MAX_PAUSE_MS = 150;

using HostileTrainerText = SorvaneSession;

// Every byte value from 1 to 255 compares right; a NUL ends the trainer's text.
TEST_F(HostileTrainerText, EveryByteValueComparesRightAndANulEndsTheText) {
    const std::string bytes = drive::EveryByteButNul();
    const std::string withNul("CQ CQ\0DE TEST", 13);
    const struct {
        std::string sent, typed, shown;
        int32_t matched;
    } rows[] = {{bytes, bytes, drive::ShownInBox(bytes), drive::NonBlankCount(bytes)},
                {withNul, "cq cq de test", "CQ CQ", 4}};
    const standin::Standin trainer = StartWithTrainer();
    ASSERT_NE(trainer.window, nullptr);
    for (const auto& row : rows) {
        ASSERT_TRUE(standin::SetStandinText(trainer.window, row.sent));
        ASSERT_TRUE(TypeThenCompare(row.typed, row.shown)) << Text(ID_TRANSMITTED_TEXT).size();
        EXPECT_EQ(Text(ID_TYPED_TEXT), drive::ShownInBox(row.typed));
        ExpectResultRight(row.matched);
    }
}

TEST_F(HostileTrainerText, ALongTextArrivesAsItsFirst27999CharactersAndComparesRight) {
    for (const PracticeSpec& spec : LONG_TEXTS) {
        SCOPED_TRACE(spec.length);
        const std::string full = PracticeText(spec);
        standin::Standin trainer = StartTrainer();
        ASSERT_NE(trainer.window, nullptr);
        ASSERT_TRUE(standin::SetStandinText(trainer.window, full));
        ASSERT_EQ(standin::StandinText(trainer.window).size(), spec.length);
        if (Window() == nullptr) {
            ASSERT_TRUE(StartSorvane());
        }
        const std::string read = full.substr(0, TRAINER_READ_LIMIT);
        ASSERT_TRUE(TypeThenCompare(full, drive::ShownInBox(read), LONG_TEXT_WAIT_MS));
        ExpectResultRight(drive::NonBlankCount(read));
        StopTrainer(trainer);
    }
}

// The trainer replaces its text faster than the refresh reads it; each press
// shows whatever the last tick read, and the result is right for that.
TEST_F(HostileTrainerText, TextReplacedEvery10MsComparesRightAtRandomMoments) {
    const standin::Standin trainer = StartWithTrainer("--replace-every-ms 10");
    ASSERT_NE(trainer.window, nullptr);
    const std::string typed = PracticeText(TYPED);
    std::mt19937 random(RANDOM_PRESSES);
    std::uniform_int_distribution<DWORD> pause(0, MAX_PAUSE_MS);
    std::set<std::string> shown;
    for (int press = 0; press < RANDOM_PRESSES; ++press) {
        SCOPED_TRACE(press);
        SetText(ID_TYPED_TEXT, typed);
        drive::PumpFor(pause(random));
        SendClick(ID_COMPARE);
        const std::string transmitted = Text(ID_TRANSMITTED_TEXT);
        EXPECT_LE(transmitted.size(), TRAINER_READ_LIMIT);
        shown.insert(transmitted);
        ExpectResultRight();
    }
    // The box followed the trainer from press to press.
    EXPECT_GT(shown.size(), 1u);
    EXPECT_TRUE(drive::Answers(Window()));
}

} // namespace
