#include "app/SeriesCheck.h"

#include "data/DataSet.h"
#include "model/ResultSeries.h"

namespace vellum {

void SeriesCheck::start(const DataSet& mesh, int dataType, std::vector<SeriesStep> steps) {
    stop();
    cancel_ = false;
    const unsigned generation = ++generation_;
    // The worker has its own copy of the numbers: stepping changes the mesh's records.
    worker_ = std::thread([this, numbers = seriesStepNumbers(mesh, dataType), dataType, generation,
                           steps = std::move(steps)] {
        std::vector<UnfitStep> unfit;
        const int total = static_cast<int>(steps.size());
        for (size_t i = 0; i < steps.size(); ++i) {
            if (cancel_) return;
            std::string reason = checkSeriesStep(numbers, dataType, steps[i].path);
            if (!reason.empty()) unfit.push_back(UnfitStep{i, steps[i].name, std::move(reason)});
            const int done = static_cast<int>(i + 1);
            QMetaObject::invokeMethod(this, [this, generation, done, total] {
                if (generation == generation_) emit progressed(done, total);
            }, Qt::QueuedConnection);
        }
        if (cancel_) return;
        QMetaObject::invokeMethod(this, [this, generation, unfit = std::move(unfit)]() mutable {
            deliver(generation, std::move(unfit));
        }, Qt::QueuedConnection);
    });
}

void SeriesCheck::deliver(unsigned generation, std::vector<UnfitStep> unfit) {
    if (generation != generation_) return;
    // The worker posted this as its last act: the join waits at most for its return.
    if (worker_.joinable()) worker_.join();
    ++generation_;
    emit finished(unfit);
}

void SeriesCheck::stop() {
    cancel_ = true;
    if (worker_.joinable()) worker_.join();
    ++generation_;
}

} // namespace vellum
