#include <windows.h>

#include "platform/thread_priority.h"

namespace floppysplit {

void osRunThisThreadOnlyWhenIdle() { SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE); }

}  // namespace floppysplit
