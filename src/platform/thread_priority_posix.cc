// Linux has a scheduling class for this, SCHED_IDLE; elsewhere the thread keeps its own.

#include <pthread.h>
#include <sched.h>

#include "platform/thread_priority.h"

namespace floppysplit {

void osRunThisThreadOnlyWhenIdle() {
#ifdef SCHED_IDLE
  const sched_param param{};
  ::pthread_setschedparam(::pthread_self(), SCHED_IDLE, &param);
#endif
}

}  // namespace floppysplit
