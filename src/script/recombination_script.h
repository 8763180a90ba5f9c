#pragma once
// Recomb.cmd: the batch script that joins the fragments back with "copy /b" through the
// temporaries zzztempa and zzztempb, four fragments a line, gives the result the input's
// name unless a file of that name exists, reports the outcome and, after success, deletes
// the fragments and itself. It writes over and deletes nothing it did not make: it stops
// where a temporary is already there. Before anything is renamed or deleted it proves the
// join: it names a fragment that is missing or has another length than was written, and
// fails, deleting only its temporaries, when the joined file has another length or another
// SHA-256 than the bytes written. Where certutil gives no SHA-256 the join is made and the
// set kept. A failure ends with exit status 1. Beside a set with recovery files it says,
// where a fragment is at fault and the recovery index is there, that the set can be rebuilt
// (a batch file cannot do that itself), and after a checked join it deletes each recovery
// file by name too.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sha256.h"
#include "runtime/termination.h"
#include "script/fragment_name.h"

namespace floppysplit {

// The script's file name. The split refuses an input of this name, which the script would
// overwrite.
inline constexpr std::string_view kScriptName = "Recomb.cmd";

// The name the script joins the fragments under: the typed name's last part, after its
// last '/' or '\' and after a drive letter's colon, so that the join lands in the folder
// the script runs in wherever the input came from. "rename" takes no folder in its new
// name, and the receiver's machine seldom has the sender's folders.
std::string_view lastPartOfTypedName(std::string_view inputName);

// The name the script gives the join: lastPartOfTypedName with every '"' left out and
// every ':' made '_'. Where that leaves nothing (a name ending in '/' or '\', a drive alone),
// the whole typed name with every '"' left out and every '/', '\' and ':' made '_'; where
// even that leaves nothing, "_". So it never names a folder, a drive or a stream, and the
// command processor and every system take it for a file in the current folder.
std::string joinNameOfTypedName(std::string_view inputName);

// The same for a name already cut to its last part, as a script of the form
// ScriptForm::namedByLastPart holds it.
std::string joinNameOfLastPart(std::string_view lastPart);

// How the input's name is written into the script: as it stands when it holds only
// characters the command processor takes literally, otherwise between double quotes with
// every % doubled and every " left out, so that no name can run a command of its own.
std::string scriptFileName(std::string_view name);

// What the run wrote into the fragments, which the script checks the join against.
struct WrittenData {
  // Bytes of every fragment but the last, which holds what is left.
  int64_t fragmentSize = 0;
  // Bytes of all fragments together.
  int64_t length = 0;
  // Their SHA-256, 64 lowercase hexadecimal digits.
  std::string_view sha256;
  // Each fragment's own SHA-256, in order.
  std::span<const Sha256Digest> fragmentSha256;
  // The recovery files written beside the fragments, in the order written, the index first;
  // none where none were written.
  std::span<const std::string> recoveryFiles;

  // Bytes of fragment `index`, counted from 0.
  int64_t fragmentLength(size_t index) const;
};

// Hands the script's lines, without line ends, to `emit` one at a time, in order; the last
// line is empty. Only one line is held at a time, however many fragments there are.
void emitRecombinationScript(std::string_view inputName, std::span<const FragmentName> fragments,
                             const WrittenData& written,
                             const std::function<void(const std::string&)>& emit);

// All of the script's lines at once.
std::vector<std::string> recombinationScriptLines(std::string_view inputName,
                                                  std::span<const FragmentName> fragments,
                                                  const WrittenData& written);

// A failure to write Recomb.cmd: the statement that failed (open, write or close) and the
// system's code for it.
struct ScriptFileFault {
  Statement statement = Statement::open;
  Status status = kOk;
  explicit operator bool() const { return status != kOk; }
};

// Writes Recomb.cmd on `unit` for `fragments` of the file typed as `inputName`, flushed to
// the medium as it is closed. A script cut short by a failed write or close would join
// nothing, and --join refuses it: it is deleted before the failure is returned.
ScriptFileFault writeScriptFile(Unit unit, std::string_view inputName,
                                std::span<const FragmentName> fragments,
                                const WrittenData& written);

}  // namespace floppysplit
