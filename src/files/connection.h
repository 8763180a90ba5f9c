#pragma once
// The record file layer's own view of one connection, shared by its files (the numbered
// connections and the record copy); nothing outside src/files uses it.

#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "runtime/termination.h"

namespace floppysplit {

enum class ConnectionKind { record, text, sequential };

struct Connection {
  std::string name;
  OwnedFile file;
  ConnectionKind kind = ConnectionKind::record;
  int64_t recordLength = 0;
  std::string textBuffer;   // lines not yet written out (text connections)
  int64_t textWritten = 0;  // bytes of new text already in the file
  bool textCut = false;     // whether the old contents have been cut off yet
  // Whether the system refused to copy into this file by itself (record connections).
  bool systemCopyRefused = false;
};

// The connection of `unit`, or nullptr when nothing is connected to it.
Connection* connection(Unit unit);

// Where record `record` starts, or false when the number is out of range.
bool recordOffset(const Connection& c, int64_t record, int64_t* offset);

}  // namespace floppysplit
