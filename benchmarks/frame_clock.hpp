// The clock that per-frame samples are read from: the monotonic clock, read without a system call.
// A thread's processor-time clock costs a system call of about 0.6 µs on this machine, a tenth of a
// level frame's own work, so it would measure itself. The price: a frame during which the thread
// was preempted counts the wait too, which shows in the slowest frames, not in the median.
#pragma once

#include <chrono>

inline double nowMicroseconds()
{
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
