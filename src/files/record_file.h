#pragma once
// Numbered connections to files. A caller connects a file to a unit number, transfers data
// through that number and closes it again. Two kinds of connection exist: fixed-length
// records addressed by number (record r, counted from 1, occupies the bytes from
// (r - 1) * length on), and a text file written line by line.
//
// Names are blank-padded fields: blanks at either end are not part of the name, and a
// name that is empty without them gives 10014. Every operation returns a status (see
// runtime/status.h); with OnFailure::report a nonzero status ends the run with the error
// report instead. Record numbers, offsets and sizes are 64-bit throughout.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/status.h"
#include "runtime/termination.h"

namespace floppysplit {

// `mustExist` opens the existing file and fails with the system's "not found" code when
// there is none; `openOrCreate` opens an existing file with its contents unchanged (never
// emptied or shortened) and creates a missing one empty.
enum class ExistenceRule { mustExist, openOrCreate };

// `read` opens for reading only; `write` opens a record file for reading and writing.
enum class Action { read, write };

Status openRecordFile(Unit unit, std::string_view name, ExistenceRule existence,
                      int64_t recordLength, Action action, OnFailure onFailure);

// A text file for sequential writing under `openOrCreate`. Its old contents do not
// survive: the first time the 8192-byte line buffer is written out, an older file is cut
// just after the new text (a file the open created has nothing to cut).
Status openTextFile(Unit unit, std::string_view name, OnFailure onFailure);

// Sequential reading under `mustExist`; used to connect a file so that its size can be
// asked for. It never creates a file, and a file the user may only read connects.
Status openFile(Unit unit, std::string_view name, OnFailure onFailure);

// Fills `target` (one record long) with record `record`. A record that does not lie wholly
// within the file gives -1 and leaves `target` as it was. Record numbers below 1 give
// 10023; a unit that is not connected gives 10031.
Status readRecord(Unit unit, int64_t record, void* target, OnFailure onFailure);

// Stores `source` (one record long) as record `record`; the file grows as needed and other
// records are not touched.
Status writeRecord(Unit unit, int64_t record, const void* source, OnFailure onFailure);

// Switches a record connection to records of `recordLength` bytes, keeping the file that
// is open under `unit`: what its name names now does not matter.
Status changeRecordLength(Unit unit, int64_t recordLength, OnFailure onFailure);

// Copies up to `count` records of `fromUnit`, from record `firstRecord` on, into `toUnit`
// as records `firstPosition` on: the bytes readRecord and writeRecord would move one record
// at a time, but many records per system call and without allocating. It copies only what
// it can copy exactly so and stops silently before the first record it cannot: one that is
// not wholly in the source, a read or write that fails, units that are not both record
// connections of one record length; a run also stops after 64 MiB.
// Returns the number of records copied. After none, the caller takes the next record with
// readRecord and writeRecord, which then meet that end of file or failure just as a copy
// record by record would have; bytes a failed step left beyond the
// copied records are the same ones that copy writes again.
int64_t copyRecords(Unit fromUnit, int64_t firstRecord, Unit toUnit, int64_t firstPosition,
                    int64_t count);

// Cuts the file connected to `unit` to exactly `length` bytes. A file that holds that many
// already is left alone, without asking the system to set its length (see osSetLength).
Status cutFile(Unit unit, int64_t length, OnFailure onFailure);

// Appends `lines`, each ended by CR LF, to a text file. They arrive finished (the script
// writer formats them); this layer adds nothing but the line ends.
Status writeTextLines(Unit unit, const std::vector<std::string>& lines, OnFailure onFailure);

// How closeFile keeps the file: as the system has it, or on the medium, with its entry in
// its folder, before the close returns.
enum class Keep { asWritten, onMedium };

// Writes out what is still buffered and closes the file, keeping it. Closing a unit that
// is not connected does nothing and succeeds.
Status closeFile(Unit unit, OnFailure onFailure, Keep keep = Keep::asWritten);

// Whether `name` exists (connected to some unit, or can be opened for reading). For a
// file that is connected, `*size` is set to its current length on disk; for a missing
// file to 0; otherwise it is left as it was. A failed size query ends the run with the
// error report.
bool queryFile(std::string_view name, int64_t* size);

// True when the open that connected `unit` created its file: the file is new, so it is
// none of the files that were connected before it.
bool unitCreatedFile(Unit unit);

// True when the two connected units hold the same file on disk.
bool unitsShareFile(Unit a, Unit b);

// True when the file connected to `unit` is the file that `name` names.
bool unitHoldsFile(Unit unit, std::string_view name);

// Closes every connected unit, writing out buffers first, after stopping the threads of the
// written files (written_files.h); failures are passed over, since this runs as the process
// ends.
void closeAllUnits();

}  // namespace floppysplit
