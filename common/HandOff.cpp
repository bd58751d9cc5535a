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

HandOff::~HandOff() {
    if (!helper_.joinable()) return;
    abandon();
    helper_.join();
}

void HandOff::start(std::function<void()> produce) {
    helper_ = std::thread([this, produce = std::move(produce)] {
        try {
            produce();
        } catch (...) {
            produceFailure_ = std::current_exception();
        }
        close();
    });
}

void HandOff::finish() {
    std::exception_ptr consumeFailure;
    try {
        while (std::function<void()> item = next()) item();
    } catch (...) {
        consumeFailure = std::current_exception();
        abandon();
    }
    helper_.join();
    if (consumeFailure) std::rethrow_exception(consumeFailure);
    if (produceFailure_) std::rethrow_exception(produceFailure_);
}

} // namespace vellum
