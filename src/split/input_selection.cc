#include "split/input_selection.h"

void selectInputFile() {}
