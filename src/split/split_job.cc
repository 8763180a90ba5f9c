#include "split/split_job.h"

SplitJob splitJob;
