// Work traced on a helper thread and drawn on the thread that owns the context: the order,
// the thread each item runs on, and failures on either side.
#include "common/HandOff.h"
#include "common/HandOffUi.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace vellum {
namespace {

// Records every call with the thread it came on.
class RecordingUi : public Ui {
public:
    std::vector<std::string> calls;
    std::vector<std::thread::id> threads;
    void showMessage(std::string_view text) override { note("message " + std::string(text)); }
    bool askYesNo(std::string_view text) override {
        note("ask " + std::string(text));
        return true;
    }
    void beginProgress(std::string_view caption) override { note("begin " + std::string(caption)); }
    void setProgress(int position) override { note("set " + std::to_string(position)); }
    void endProgress(bool hold) override { note(hold ? "end held" : "end"); }
    void beginWaitCursor() override {}
    void endWaitCursor() override {}

private:
    void note(std::string call) {
        calls.push_back(std::move(call));
        threads.push_back(std::this_thread::get_id());
    }
};

TEST(HandOff, ItemsAndUiCallsRunInTheirOrderOnTheConsumingThread) {
    RecordingUi ui;
    std::vector<int> drawn;
    std::vector<std::thread::id> drawnOn;
    bool answer = false;
    HandOff handOff(2);
    handOff.run([&] {
        HandOffUi relayed(handOff, ui);
        relayed.beginProgress("tracing");
        for (int i = 0; i < 100; ++i) {
            handOff.push([&, i] {
                drawn.push_back(i);
                drawnOn.push_back(std::this_thread::get_id());
            });
            if (i == 50) relayed.setProgress(50);
        }
        answer = relayed.askYesNo("go on?");
        relayed.endProgress(true);
    });
    ASSERT_EQ(drawn.size(), 100u);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(drawn[static_cast<size_t>(i)], i);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"begin tracing", "set 50", "ask go on?", "end held"}));
    EXPECT_TRUE(answer);
    for (const std::thread::id id : drawnOn) EXPECT_EQ(id, std::this_thread::get_id());
    for (const std::thread::id id : ui.threads) EXPECT_EQ(id, std::this_thread::get_id());
}

TEST(HandOff, AFailureOnEitherSideIsThrownToTheCallerAfterTheHelperEnds) {
    // The helper fails after some items: those are still carried out, then its error.
    int carriedOut = 0;
    HandOff first(1);
    EXPECT_THROW(first.run([&] {
        for (int i = 0; i < 3; ++i) first.push([&] { ++carriedOut; });
        throw std::runtime_error("out of memory while tracing");
    }),
                 std::runtime_error);
    EXPECT_EQ(carriedOut, 3);

    // The consumer fails while the helper waits on a full hand-off: the helper is let go
    // (what it pushes is dropped, its questions answered no) and the error comes back.
    std::atomic<int> pushed = 0;
    bool answer = true;
    HandOff second(1);
    RecordingUi ui;
    EXPECT_THROW(second.run([&] {
        HandOffUi relayed(second, ui);
        second.push([] { throw std::logic_error("drawing failed"); });
        for (int i = 0; i < 50; ++i, ++pushed) second.push([] {});
        answer = relayed.askYesNo("go on?");
    }),
                 std::logic_error);
    EXPECT_EQ(pushed.load(), 50);
    EXPECT_FALSE(answer);
    EXPECT_TRUE(ui.calls.empty());
}

} // namespace
} // namespace vellum

namespace vellum {
namespace {

TEST(HandOff, AHelperStartedEarlyRunsAheadAndOneNeverFinishedIsLetGo) {
    // The helper works while this thread does something else; its items wait, in order.
    std::atomic<int> pushed = 0;
    std::vector<int> drawn;
    {
        HandOff early(3);
        early.start([&] {
            for (int i = 0; i < 10; ++i, ++pushed) early.push([&drawn, i] { drawn.push_back(i); });
        });
        while (pushed.load() < 3) std::this_thread::yield();
        EXPECT_TRUE(drawn.empty());
        early.finish();
    }
    ASSERT_EQ(drawn.size(), 10u);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(drawn[static_cast<size_t>(i)], i);

    // Dropped unfinished while the helper waits on a full hand-off: it is let go and
    // waited for, and nothing it pushed is carried out.
    int carriedOut = 0;
    std::atomic<bool> helperEnded = false;
    {
        HandOff abandoned(1);
        abandoned.start([&] {
            for (int i = 0; i < 100; ++i) abandoned.push([&] { ++carriedOut; });
            helperEnded = true;
        });
    }
    EXPECT_TRUE(helperEnded.load());
    EXPECT_EQ(carriedOut, 0);
}

} // namespace
} // namespace vellum
