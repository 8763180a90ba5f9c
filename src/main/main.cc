#include "dialogue/run_flow.h"

int main() { floppysplit::runFlow(); }
