#include "script/recombination_script.h"

void writeRecombinationScript() {}
