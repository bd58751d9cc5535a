#pragma once
// Scheduling priority of work that runs beside a thread a person is waiting on.

namespace vellum {

// Lowers the calling thread's priority by `steps` nice levels, so that on a busy machine
// it takes the processor time the other threads leave. Linux keeps a nice value for each
// thread, so the rest of the process is untouched; a thread cannot raise it again, so
// call it only on a thread that ends with its work. Best effort: nothing happens where the
// value cannot be changed.
void lowerThisThreadPriority(int steps);

} // namespace vellum
