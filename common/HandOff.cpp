#include "common/HandOff.h"

namespace vellum {

void HandOff::push(std::function<void()> item) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return abandoned_ || items_.size() < capacity_; });
    if (abandoned_) return;
    items_.push_back(std::move(item));
    changed_.notify_all();
}

void HandOff::close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    changed_.notify_all();
}

void HandOff::abandon() {
    const std::lock_guard lock(mutex_);
    abandoned_ = true;
    items_.clear();
    changed_.notify_all();
}

std::function<void()> HandOff::next() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return closed_ || !items_.empty(); });
    if (items_.empty()) return {};
    std::function<void()> item = std::move(items_.front());
    items_.pop_front();
    changed_.notify_all();
    return item;
}

void HandOff::run(const std::function<void()>& produce) {
    std::exception_ptr produceFailure, consumeFailure;
    std::thread helper([&] {
        try {
            produce();
        } catch (...) {
            produceFailure = std::current_exception();
        }
        close();
    });
    try {
        while (std::function<void()> item = next()) item();
    } catch (...) {
        consumeFailure = std::current_exception();
        abandon();
    }
    helper.join();
    if (consumeFailure) std::rethrow_exception(consumeFailure);
    if (produceFailure) std::rethrow_exception(produceFailure);
}

} // namespace vellum
