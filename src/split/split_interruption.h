#pragma once
// An interrupted split leaves nothing of its own: once the main thread notices the
// interruption (stopIfInterrupted), the run's files are closed and its threads stopped,
// then every fragment it created or wrote into, the recovery files and a Recomb.cmd it began are
// deleted, and one line says so. An older file the run only opened as a fragment keeps its bytes
// and stays. Before the first fragment is opened, an interruption ends the run with no line.

#include <cstdint>

namespace floppysplit {

// From now on an interruption undoes the split. Call it before the first fragment is opened.
void undoSplitOnInterruption();

// Fragment `index` is open now; `created`: the open made it.
void noteFragmentOpened(int32_t index, bool created);

// The open fragment is about to be written into.
void noteFragmentWrittenInto();

// The recovery files are about to be written.
void noteRecoveryBegun();

// Recomb.cmd is about to be opened.
void noteScriptBegun();

}  // namespace floppysplit
