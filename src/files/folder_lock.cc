#include "files/folder_lock.h"

#include "platform/file_system.h"

namespace floppysplit {

bool holdFolder(const std::string& folder) {
  return osLockFolder(folder) != OsFolderLock::heldByAnother;
}

}  // namespace floppysplit
