#pragma once
// The end of the splitting stage: once every fragment is written, they are put on the
// medium and each is read back from it and compared with the bytes written, so that a run
// that goes on to the script leaves its fragments on the medium, whole. The first fault
// ends the run with its own line; the fragments are kept, and no script is written.

#include "files/written_files.h"

namespace floppysplit {

// Ends the run for `fault`, if it is one: a fragment that could not be read back for the
// SHA-256 with the error report on the fragment unit; one that could not be put on the
// medium with the write-failure line; one the medium gives back wrongly, or not at all,
// with a line of its own and the silent stop.
void stopOnFragmentFault(const WrittenFileFault& fault);

// The same for any set of written files: the error report names `unit`, the write-failure
// line names a file by `writingName`, the lines of the check by `checkedName`.
void stopOnWrittenFileFault(const WrittenFileFault& fault, Unit unit,
                            const WrittenFileName& writingName, const WrittenFileName& checkedName);

// Flushes every fragment to the medium, then reads each back from it and compares it with
// the bytes written into it.
void checkFragmentsOnMedium();

}  // namespace floppysplit
