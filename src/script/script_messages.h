#pragma once
// The texts that Recomb.cmd echoes and that `floppysplit --join` prints as well, in one
// place so that the two tell the same outcome in the same words. A text that follows a
// name starts with its blank.

#include <string_view>

namespace floppysplit {

inline constexpr std::string_view kRecombinationSucceeded = "Recombination succeeded.";
inline constexpr std::string_view kRecombinationFailed = "Recombination of files failed.";

// After a temporary's name, when it is there before the join makes it.
inline constexpr std::string_view kIsInTheWay = " already exists: move or rename it first.";

// After a fragment's name.
inline constexpr std::string_view kIsMissing = " is missing.";
inline constexpr std::string_view kHasTheWrongLength = " has the wrong length.";
// Where its SHA-256 differs from the one the split wrote.
inline constexpr std::string_view kIsDamaged = " is damaged.";

inline constexpr std::string_view kDoesNotMatch =
    "The recombined file does not match the original.";

// After the lines that name a fragment missing, of the wrong length or damaged, where the
// set's recovery index is there.
inline constexpr std::string_view kRecoveryFilesArePresent =
    "Recovery files are present: rebuild the set with floppysplit --join or a PAR2 program.";

// After the joined name, when a file of that name is there; the next line names the
// temporary that keeps the join.
inline constexpr std::string_view kAlreadyExists = " already exists.";
inline constexpr std::string_view kRecombinedFileIs = "Recombined file is ";

// Before the reason no SHA-256 was compared; the next line says that the set stays.
inline constexpr std::string_view kCouldNotBeChecked = "The recombined file could not be checked: ";
inline constexpr std::string_view kSetIsKept = "The fragments and Recomb.cmd are kept.";

}  // namespace floppysplit
