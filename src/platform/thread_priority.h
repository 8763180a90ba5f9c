#pragma once
// Work that may wait: a thread that calls this runs only where no other thread of any
// program, the system's own included, wants the processor, so that it never slows them.

namespace floppysplit {

// Lowers the calling thread's priority as far as the system allows; where it allows
// nothing, the thread runs as before.
void osRunThisThreadOnlyWhenIdle();

}  // namespace floppysplit
