#pragma once
// How a join ended, made where it ended and turned into its closing lines and exit status
// once, by its caller: the steps of the join hand it back instead of writing the lines
// themselves, so that what failed travels as a value to the one place that reports it.

#include <string>
#include <string_view>
#include <utility>

#include "platform/os_status.h"

namespace floppysplit {

// After a failed join that followed a rebuild.
inline constexpr std::string_view kRebuiltSetIsKept =
    "The rebuilt fragments are kept, the damaged ones beside them as .damaged files.";

struct JoinEnd {
  enum class How { succeeded, failed, refused };
  How how = How::succeeded;
  // Where the system failed: the file it failed on, and its code.
  std::string file;
  Status status = kOk;
  // Otherwise, where there is one, the program's own account of the failure or refusal.
  std::string text;
  // Fragments were rebuilt in the set before the join failed: the set stays as rebuilt.
  bool rebuiltSetKept = false;

  bool succeeded() const { return how == How::succeeded; }

  static JoinEnd success() { return {}; }
  // A failure whose lines have been written as it was found (a check the script makes).
  static JoinEnd failure() { return {How::failed, {}, kOk, {}, false}; }
  static JoinEnd failureOn(std::string file, Status status) {
    return {How::failed, std::move(file), status, {}, false};
  }
  static JoinEnd failureWith(std::string text) {
    return {How::failed, {}, kOk, std::move(text), false};
  }
  // Nothing to join: no script of this program.
  static JoinEnd refusal(std::string text) {
    return {How::refused, {}, kOk, std::move(text), false};
  }
};

}  // namespace floppysplit
