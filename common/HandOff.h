#pragma once
// Work made on one thread and carried out, in the order it was made, on another: a thread
// that owns an OpenGL context draws what a helper thread computes, while the helper goes
// on computing. At most `capacity` items wait, so a helper that runs ahead holds only a
// few of them in memory.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace vellum {

class HandOff {
public:
    explicit HandOff(size_t capacity) : capacity_(capacity == 0 ? 1 : capacity) {}
    // A helper started and never finished is told its items are dropped, and waited for.
    ~HandOff();
    HandOff(const HandOff&) = delete;
    HandOff& operator=(const HandOff&) = delete;

    // Helper side: waits while `capacity` items wait. Once the consumer has given up
    // (an item threw), items are dropped so that the helper runs to its end.
    void push(std::function<void()> item);

    // Runs `produce` on a helper thread and every item it pushes here, in order, until it
    // returns. What either side throws is thrown here, after the helper has ended.
    void run(std::function<void()> produce) {
        start(std::move(produce));
        finish();
    }
    // The two halves of run(), for a helper that should get going while the consuming
    // thread still does other work: start() returns at once, finish() carries out the items.
    void start(std::function<void()> produce);
    void finish();

private:
    void close();
    void abandon();
    // The next item, or an empty function once the helper is done and nothing waits.
    std::function<void()> next();

    size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> items_;
    bool closed_ = false;
    bool abandoned_ = false;
    std::thread helper_;
    std::exception_ptr produceFailure_;
};

} // namespace vellum
