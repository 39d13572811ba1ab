#include "solver/ThreadPriority.h"

#if defined(__linux__)
#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace solver {

#if defined(__linux__)

bool LowerThisThreadsPriority()
{
    sched_param param{};
    param.sched_priority = 0;
    const bool idle = pthread_setschedparam(pthread_self(), SCHED_IDLE, &param) == 0;
    // On Linux the nice value belongs to the thread named by its id.
    const bool nice = setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 19) == 0;
    return idle || nice;
}

bool ThisThreadIsIdleClass()
{
    int policy = 0;
    sched_param param{};
    return pthread_getschedparam(pthread_self(), &policy, &param) == 0 && policy == SCHED_IDLE;
}

#else

bool LowerThisThreadsPriority() { return false; }
bool ThisThreadIsIdleClass() { return false; }

#endif

}  // namespace solver
