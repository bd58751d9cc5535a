#pragma once
// Checks the steps of a result series against the loaded mesh on a worker thread, so that
// a long series does not hold the window. The worker takes its own copy of the mesh's
// node (or element) numbers, so stepping may change the mesh meanwhile; its owner still
// stops it before a load replaces the series. Progress and the result come back on the
// owner's thread.
#include "batch/DataSeries.h"
#include "model/SeriesStepForm.h"

#include <QObject>

#include <atomic>
#include <thread>
#include <vector>

namespace vellum {

struct DataSet;

class SeriesCheck : public QObject {
    Q_OBJECT
public:
    explicit SeriesCheck(QObject* parent = nullptr) : QObject(parent) {}
    ~SeriesCheck() override { stop(); }

    // Checks `steps` against the numbers of `mesh`, copied before the worker starts. A
    // check already running is stopped first.
    void start(const DataSet& mesh, int dataType, std::vector<SeriesStep> steps);
    // Stops the worker and waits for it; nothing more is heard from that check.
    void stop();
    bool running() const { return worker_.joinable(); }

signals:
    // Steps checked so far, out of `total`.
    void progressed(int done, int total);
    // Every step checked: those that do not fit, in order. The worker has ended.
    void finished(const std::vector<vellum::UnfitStep>& unfit);

private:
    void deliver(unsigned generation, std::vector<UnfitStep> unfit);

    std::thread worker_;
    std::atomic<bool> cancel_{false};
    // Which check the queued reports belong to; a stopped check's late reports are dropped.
    unsigned generation_ = 0;
};

} // namespace vellum
