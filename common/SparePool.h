#pragma once
// Buffers handed back by the thread that has used them to the thread that fills them, so
// that memory already touched is filled again instead of new memory.
#include <mutex>
#include <utility>
#include <vector>

namespace vellum {

template <class Buffer>
class SparePool {
public:
    // A spare, or a new (empty) buffer when none is left.
    Buffer take() {
        const std::lock_guard lock(mutex_);
        if (spares_.empty()) return {};
        Buffer buffer = std::move(spares_.back());
        spares_.pop_back();
        return buffer;
    }
    void give(Buffer buffer) {
        const std::lock_guard lock(mutex_);
        spares_.push_back(std::move(buffer));
    }
    // Gives the spares' memory back.
    void clear() {
        const std::lock_guard lock(mutex_);
        std::vector<Buffer>().swap(spares_);
    }

private:
    std::mutex mutex_;
    std::vector<Buffer> spares_;
};

} // namespace vellum
