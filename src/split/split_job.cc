#include "split/split_job.h"

namespace floppysplit {

SplitJob splitJob;

}  // namespace floppysplit
