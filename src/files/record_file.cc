#include "files/record_file.h"

#include <algorithm>
#include <limits>
#include <map>
#include <string>

#include "files/connection.h"
#include "files/data_hash.h"
#include "files/written_files.h"
#include "platform/file_system.h"
#include "runtime/text_field.h"

namespace floppysplit {

namespace {

constexpr size_t kTextBufferSize = 8192;

std::map<Unit, Connection>& connections() {
  static std::map<Unit, Connection> table;
  return table;
}

Status finish(Status status, OnFailure onFailure, Statement statement, Unit unit) {
  if (status != kOk && onFailure == OnFailure::report) {
    reportAndExit(status == kEndOfFile ? kReadPastEndOfFile : status, statement, unit);
  }
  return status;
}

std::string fileName(std::string_view field) {
  return std::string(TextField::withoutLeadingBlanks(TextField::withoutTrailingBlanks(field)));
}

Status connect(Unit unit, std::string_view nameField, OsExistence existence, OsAccess access,
               ConnectionKind kind, int64_t recordLength) {
  const std::string name = fileName(nameField);
  if (name.empty()) return kBadFileSpecification;
  if (connection(unit) != nullptr) closeFile(unit, OnFailure::returnStatus);
  OsFile file;
  const Status status = osOpen(name, existence, access, &file);
  if (status != kOk) return status;
  // Writing into a file the data hash has still to read back would change what it hashes.
  if (!file.created) awaitDataHashOf(file);
  // Whatever ends the run closes what is connected then.
  if (connections().empty()) closeAtEndOfRun(closeAllUnits);
  connections()[unit] = Connection{name, OwnedFile(file), kind, recordLength, {}, 0, false, false};
  return kOk;
}

// Cuts `file` to `length` bytes unless it holds that many already. Asking for the length
// costs the file system less than setting the one it has, which FAT through FUSE refuses.
Status cutTo(OsFile file, int64_t length) {
  int64_t current = -1;
  if (osLength(file, &current) == kOk && current == length) return kOk;
  return osSetLength(file, length);
}

// Cuts an older file's text after the new text; a file the open created holds nothing else.
Status cutOldText(Connection& c) {
  if (!c.file.get().created) {
    const Status status = cutTo(c.file.get(), c.textWritten);
    if (status != kOk) return status;
  }
  c.textCut = true;
  return kOk;
}

// Writes the text buffer out; the first time, the file is cut just after the new text.
Status flushText(Connection& c) {
  if (!c.textBuffer.empty()) {
    const Status status = osWriteAt(c.file.get(), c.textWritten, c.textBuffer.data(),
                                    static_cast<int64_t>(c.textBuffer.size()));
    if (status != kOk) return status;
    c.textWritten += static_cast<int64_t>(c.textBuffer.size());
    c.textBuffer.clear();
  }
  if (!c.textCut && c.textWritten > 0) return cutOldText(c);
  return kOk;
}

}  // namespace

Connection* connection(Unit unit) {
  auto found = connections().find(unit);
  return found == connections().end() ? nullptr : &found->second;
}

bool recordOffset(const Connection& c, int64_t record, int64_t* offset) {
  if (record < 1 || c.recordLength < 1) return false;
  if (record - 1 > std::numeric_limits<int64_t>::max() / c.recordLength) return false;
  *offset = (record - 1) * c.recordLength;
  return true;
}

Status openRecordFile(Unit unit, std::string_view name, ExistenceRule existence,
                      int64_t recordLength, Action action, OnFailure onFailure) {
  const OsExistence osExistence =
      existence == ExistenceRule::mustExist ? OsExistence::mustExist : OsExistence::openOrCreate;
  const OsAccess access = action == Action::read ? OsAccess::read : OsAccess::readWrite;
  return finish(connect(unit, name, osExistence, access, ConnectionKind::record, recordLength),
                onFailure, Statement::open, unit);
}

Status openTextFile(Unit unit, std::string_view name, OnFailure onFailure) {
  return finish(
      connect(unit, name, OsExistence::openOrCreate, OsAccess::write, ConnectionKind::text, 0),
      onFailure, Statement::open, unit);
}

Status openFile(Unit unit, std::string_view name, OnFailure onFailure) {
  return finish(
      connect(unit, name, OsExistence::mustExist, OsAccess::read, ConnectionKind::sequential, 0),
      onFailure, Statement::open, unit);
}

Status readRecord(Unit unit, int64_t record, void* target, OnFailure onFailure) {
  const Connection* c = connection(unit);
  if (c == nullptr || c->kind != ConnectionKind::record) {
    return finish(kUnitNotConnected, onFailure, Statement::read, unit);
  }
  int64_t offset = 0;
  if (!recordOffset(*c, record, &offset)) {
    return finish(kIllegalRecordNumber, onFailure, Statement::read, unit);
  }
  // Read into a scratch copy first, so that a record not wholly present leaves the
  // caller's target untouched. Records are at most one 512-byte buffer in this program.
  static char scratch[4096];
  if (c->recordLength > static_cast<int64_t>(sizeof scratch)) {
    return finish(kBufferAllocationFailed, onFailure, Statement::read, unit);
  }
  int64_t got = 0;
  const Status status = osReadAt(c->file.get(), offset, scratch, c->recordLength, &got);
  if (status != kOk) return finish(status, onFailure, Statement::read, unit);
  if (got < c->recordLength) return finish(kEndOfFile, onFailure, Statement::read, unit);
  std::copy(scratch, scratch + got, static_cast<char*>(target));
  return kOk;
}

Status writeRecord(Unit unit, int64_t record, const void* source, OnFailure onFailure) {
  const Connection* c = connection(unit);
  if (c == nullptr || c->kind != ConnectionKind::record) {
    return finish(kUnitNotConnected, onFailure, Statement::write, unit);
  }
  int64_t offset = 0;
  if (!recordOffset(*c, record, &offset)) {
    return finish(kIllegalRecordNumber, onFailure, Statement::write, unit);
  }
  return finish(osWriteAt(c->file.get(), offset, source, c->recordLength), onFailure,
                Statement::write, unit);
}

Status changeRecordLength(Unit unit, int64_t recordLength, OnFailure onFailure) {
  Connection* c = connection(unit);
  if (c == nullptr || c->kind != ConnectionKind::record) {
    return finish(kUnitNotConnected, onFailure, Statement::open, unit);
  }
  c->recordLength = recordLength;
  return kOk;
}

Status cutFile(Unit unit, int64_t length, OnFailure onFailure) {
  const Connection* c = connection(unit);
  if (c == nullptr) return finish(kUnitNotConnected, onFailure, Statement::write, unit);
  return finish(cutTo(c->file.get(), length), onFailure, Statement::write, unit);
}

Status writeTextLines(Unit unit, const std::vector<std::string>& lines, OnFailure onFailure) {
  Connection* c = connection(unit);
  if (c == nullptr || c->kind != ConnectionKind::text) {
    return finish(kUnitNotConnected, onFailure, Statement::write, unit);
  }
  for (const std::string& line : lines) {
    c->textBuffer += line;
    c->textBuffer += "\r\n";
  }
  if (c->textBuffer.size() >= kTextBufferSize) {
    return finish(flushText(*c), onFailure, Statement::write, unit);
  }
  return kOk;
}

Status closeFile(Unit unit, OnFailure onFailure, Keep keep) {
  auto found = connections().find(unit);
  if (found == connections().end()) return kOk;
  Connection& c = found->second;
  Status status = kOk;
  if (c.kind == ConnectionKind::text) {
    status = flushText(c);
    // A text file that received no line at all still loses its old contents.
    if (status == kOk && !c.textCut) status = cutOldText(c);
  }
  if (status == kOk && keep == Keep::onMedium) status = osFlush(c.file.get());
  const Status closed = c.file.close();
  if (status == kOk) status = closed;
  if (status == kOk && keep == Keep::onMedium) status = osFlushFolderOf(c.name);
  connections().erase(found);
  return finish(status, onFailure, Statement::close, unit);
}

bool queryFile(std::string_view nameField, int64_t* size) {
  const std::string name = fileName(nameField);
  for (const auto& [unit, c] : connections()) {
    if (c.name != name) continue;
    const Status status = osLength(c.file.get(), size);
    if (status != kOk) reportAndExit(status, Statement::inquire, unit);
    return true;
  }
  if (!name.empty() && osCanOpenForReading(name)) return true;
  *size = 0;
  return false;
}

bool unitCreatedFile(Unit unit) {
  const Connection* c = connection(unit);
  return c != nullptr && c->file.get().created;
}

bool unitsShareFile(Unit a, Unit b) {
  const Connection* ca = connection(a);
  const Connection* cb = connection(b);
  return ca != nullptr && cb != nullptr && osSameFile(ca->file.get(), cb->file.get());
}

bool unitHoldsFile(Unit unit, std::string_view name) {
  const Connection* c = connection(unit);
  return c != nullptr && osNameLeadsToFile(c->file.get(), fileName(name));
}

void closeAllUnits() {
  abandonWrittenFiles();
  while (!connections().empty()) {
    closeFile(connections().begin()->first, OnFailure::returnStatus);
  }
}

}  // namespace floppysplit
