#pragma once
// Appends the input's last bytes, those after its last whole record, to the final fragment
// one byte at a time, and cuts the final fragment right after them, so that the fragments
// together hold exactly the input's bytes.

#include <cstdint>

namespace floppysplit {

// `fragmentIndex` is the final fragment; `endRecord` the input record that is not wholly
// present (the whole records plus one); `position` where that record belongs in the final
// fragment, whose records 1 to position - 1 are written. Both files are open with
// 512-byte records on entry; on return the input is closed and the final fragment is still
// open under its unit.
void finishFinalFragment(int32_t fragmentIndex, int64_t endRecord, int32_t position);

}  // namespace floppysplit
