#include "split/fragment_names.h"

#include <algorithm>
#include <new>

#include "runtime/termination.h"
#include "split/split_job.h"

namespace floppysplit {

void buildFragmentNames() {
  SplitJob& job = splitJob;
  const int32_t count = std::max(job.fragmentCount, 0);
  try {
    job.fragmentNames.reserve(static_cast<size_t>(count));
  } catch (const std::bad_alloc&) {
    reportAndExit(kBufferAllocationFailed, Statement::write, kNoUnit);
  }
  if (count == 0) return;
  const int32_t digits = fragmentDigitCount(count);
  for (int32_t index = 1; index <= count; ++index) {
    job.fragmentNames.push_back(makeFragmentName(index, digits));
  }
}

}  // namespace floppysplit
