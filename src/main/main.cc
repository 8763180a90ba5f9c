#include "dialogue/run_flow.h"

int main() { runFlow(); }
