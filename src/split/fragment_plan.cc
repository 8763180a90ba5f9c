#include "split/fragment_plan.h"

void splitInputFile() {}
