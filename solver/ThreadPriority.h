#pragma once

// Puts the calling thread at the bottom of the scheduler's queue, so that a
// search in the background takes only time no one else wants: SCHED_IDLE,
// and nice 19 for the kernels and policies that look at the nice value.
// Returns whether either took; elsewhere than on Linux it does nothing.
namespace solver {

bool LowerThisThreadsPriority();

// Whether the calling thread runs under SCHED_IDLE (for the tests and the bench).
bool ThisThreadIsIdleClass();

}  // namespace solver
