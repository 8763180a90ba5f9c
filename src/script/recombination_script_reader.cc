#include "script/recombination_script_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

#include "script/recombination_script.h"
#include "script/script_lines.h"
#include "split/fragment_names.h"

namespace floppysplit {

namespace {

using Lines = std::vector<std::string_view>;

// The lines of `bytes`, each ended by CR LF; nothing when bytes follow the last line end.
std::optional<Lines> splitLines(std::string_view bytes) {
  constexpr std::string_view kLineEnd = "\r\n";
  Lines lines;
  while (!bytes.empty()) {
    const size_t end = bytes.find(kLineEnd);
    if (end == std::string_view::npos) return std::nullopt;
    lines.push_back(bytes.substr(0, end));
    bytes.remove_prefix(end + kLineEnd.size());
  }
  return lines;
}

// The first line from `from` on that starts with `start` and, after it, ends with `end`;
// lines.size() when there is none.
size_t findLine(const Lines& lines, size_t from, std::string_view start, std::string_view end) {
  for (size_t i = from; i < lines.size(); ++i) {
    const std::string_view line = lines[i];
    if (line.size() >= start.size() + end.size() && line.starts_with(start) &&
        line.ends_with(end)) {
      return i;
    }
  }
  return lines.size();
}

// Whether `lines` are exactly the lines `build` hands its sink, in order, and no more.
bool holdsExactly(const Lines& lines, const std::function<void(const ScriptLineSink&)>& build) {
  size_t next = 0;
  bool same = true;
  build([&](const std::string& line) {
    same = same && next < lines.size() && lines[next] == line;
    ++next;
  });
  return same && next == lines.size();
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isLowerHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); }

// The text between the first `=="` of `line` and the next `"`: in a length check the exact
// length, in the hash check the SHA-256.
std::string_view comparedValue(std::string_view line) {
  constexpr std::string_view kEquals = "==\"";
  const size_t at = line.find(kEquals);
  if (at == std::string_view::npos) return {};
  line.remove_prefix(at + kEquals.size());
  return line.substr(0, line.find('"'));
}

// A length written in decimal digits that fits 64 bits.
std::optional<int64_t> decimalLength(std::string_view digits) {
  if (digits.empty() || !std::ranges::all_of(digits, isDigit)) return std::nullopt;
  int64_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// The file name `written` stands for in the script: the text as it stands, or the text
// between double quotes with every %% halved. Nothing when the name is empty or holds a
// NUL, CR or LF, which no file name holds. Whether scriptFileName writes the name so is
// checked with the rest of the script's lines.
std::optional<std::string> decodedFileName(std::string_view written) {
  std::string name;
  if (written.size() >= 2 && written.front() == '"' && written.back() == '"') {
    const std::string_view quoted = written.substr(1, written.size() - 2);
    for (size_t i = 0; i < quoted.size(); ++i) {
      name += quoted[i];
      // Passes over the second % of a pair; a lone % makes the name written back differ.
      if (quoted[i] == '%') ++i;
    }
  } else {
    name = written;
  }
  if (name.empty() || name.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos) {
    return std::nullopt;
  }
  return name;
}

// Whether `count` fragments, every one but the last holding `fragmentSize` bytes and the
// last what remains, hold `joinedLength` bytes together, as every split writes them. No
// split chooses a size of 0 bytes.
bool lengthsAddUp(int64_t fragmentSize, int64_t joinedLength, size_t count) {
  if (fragmentSize <= 0) return false;
  const auto full = static_cast<int64_t>(count - 1);
  return full <= joinedLength / fragmentSize && joinedLength - full * fragmentSize <= fragmentSize;
}

// What the reader takes from a script before it builds the lines to compare it with.
struct ScriptValues {
  // Today's scripts check each fragment's length and the join's SHA-256; those of release
  // 1.0.0 only that each fragment is there, and the join's length.
  bool checksLengths = false;
  std::vector<FragmentName> fragments;
  std::string joinedName;
  int64_t joinedLength = 0;
};

constexpr std::string_view kCopy = "copy /b ";

// The fragments the lines before the first copy line check, named as the split names
// them: today's scripts say "setlocal" after "@echo off" and check each fragment in three
// lines, those of release 1.0.0 in one.
std::optional<std::vector<FragmentName>> checkedFragments(const Lines& lines, bool checksLengths) {
  const size_t firstCheck = checksLengths ? 2 : 1;
  const size_t linesPerFragment = checksLengths ? 3 : 1;
  const size_t firstCopy = findLine(lines, firstCheck, kCopy, "");
  if (firstCopy == lines.size() || (firstCopy - firstCheck) % linesPerFragment != 0) {
    return std::nullopt;
  }
  const size_t count = (firstCopy - firstCheck) / linesPerFragment;
  if (count == 0 || count > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
    return std::nullopt;
  }
  const int32_t digits = fragmentDigitCount(static_cast<int32_t>(count));
  if (digits > kMaxNameDigits) return std::nullopt;
  std::vector<FragmentName> fragments;
  fragments.reserve(count);
  for (size_t i = 1; i <= count; ++i) {
    fragments.push_back(makeFragmentName(static_cast<int32_t>(i), digits));
  }
  return fragments;
}

// The fragments, the joined name and the joined length, read where the script first
// names them: the join's length check follows the last copy line's error level check, and
// the joined name is first named where the script tests whether it exists.
std::optional<ScriptValues> scriptValues(const Lines& lines) {
  ScriptValues values;
  values.checksLengths = lines.size() > 1 && lines[1] == "setlocal";
  std::optional<std::vector<FragmentName>> fragments =
      checkedFragments(lines, values.checksLengths);
  if (!fragments) return std::nullopt;
  values.fragments = std::move(*fragments);
  size_t joinedCheck = findLine(lines, 0, kCopy, "");
  while (joinedCheck < lines.size() && lines[joinedCheck].starts_with(kCopy)) joinedCheck += 2;
  if (joinedCheck >= lines.size()) return std::nullopt;
  const std::optional<int64_t> joinedLength = decimalLength(comparedValue(lines[joinedCheck]));
  constexpr std::string_view kNameTest = "if not exist ";
  constexpr std::string_view kNameTestEnd = " goto do_ren";
  const size_t nameLine = findLine(lines, joinedCheck, kNameTest, kNameTestEnd);
  if (!joinedLength || nameLine == lines.size()) return std::nullopt;
  std::string_view writtenName = lines[nameLine];
  writtenName.remove_prefix(kNameTest.size());
  writtenName.remove_suffix(kNameTestEnd.size());
  std::optional<std::string> joinedName = decodedFileName(writtenName);
  if (!joinedName) return std::nullopt;
  values.joinedName = std::move(*joinedName);
  values.joinedLength = *joinedLength;
  return values;
}

// What a script of today's form checks besides: the size of every fragment but the last,
// which the first fragment's length check gives, and the join's SHA-256. Nothing unless
// the fragment lengths add up to the joined length and the SHA-256 is 64 lowercase
// hexadecimal digits. The SHA-256 stays in `lines`.
std::optional<WrittenData> writtenChecks(const Lines& lines, const ScriptValues& values) {
  // After "@echo off", "setlocal" and the first fragment's name and presence test.
  constexpr size_t kFirstLengthCheck = 4;
  const std::optional<int64_t> fragmentSize =
      decimalLength(comparedValue(lines[kFirstLengthCheck]));
  const size_t hashCheck = findLine(lines, 0, "", "\" goto mismatch");
  if (!fragmentSize || hashCheck == lines.size()) return std::nullopt;
  const std::string_view sha256 = comparedValue(lines[hashCheck]);
  if (sha256.size() != 64 || !std::ranges::all_of(sha256, isLowerHex)) return std::nullopt;
  // Also keeps the fragment lengths the lines are built with from overflowing.
  if (!lengthsAddUp(*fragmentSize, values.joinedLength, values.fragments.size())) {
    return std::nullopt;
  }
  return WrittenData{*fragmentSize, values.joinedLength, sha256};
}

// The index in kTemporaries of the temporary that holds the join, when `lines` are the
// script the writer writes for `values` and `written`, today's or the one written while the
// joined name could hold a folder, which always deleted the other temporary.
std::optional<size_t> todaysResult(const Lines& lines, const ScriptValues& values,
                                   const WrittenData& written) {
  for (const OtherTemporary other :
       {OtherTemporary::keptUnderItsName, OtherTemporary::alwaysDeleted}) {
    size_t result = 0;
    if (holdsExactly(lines, [&](const ScriptLineSink& emit) {
          result = emitScriptLines(values.joinedName, other, values.fragments, written, emit);
        })) {
      return result;
    }
  }
  return std::nullopt;
}

// The same for the script of release 1.0.0: only a test that each fragment is there before
// the copy lines, the join's length after them, and the other temporary always deleted.
std::optional<size_t> firstReleaseResult(const Lines& lines, const ScriptValues& values) {
  size_t result = 0;
  const bool holds = holdsExactly(lines, [&](const ScriptLineSink& emit) {
    emit("@echo off");
    for (const FragmentName& fragment : values.fragments) {
      emit("if not exist " + std::string(copyName(fragment)) + " goto nocopy");
    }
    result = emitCopyLines(values.fragments, emit);
    emit(lengthCheckLine(kTemporaries[result], values.joinedLength, "nocopy"));
    for (const std::string& line : outcomeLines(scriptFileName(values.joinedName),
                                                kTemporaries[result], kTemporaries[1 - result],
                                                /*deletesOther=*/true)) {
      emit(line);
    }
    emitClosingLines(values.fragments, emit);
  });
  return holds ? std::optional(result) : std::nullopt;
}

}  // namespace

std::optional<RecombinationPlan> readRecombinationScript(std::string_view bytes) {
  const std::optional<Lines> lines = splitLines(bytes);
  if (!lines) return std::nullopt;
  std::optional<ScriptValues> values = scriptValues(*lines);
  if (!values) return std::nullopt;
  std::optional<WrittenData> written;
  std::optional<size_t> result;
  if (values->checksLengths) {
    written = writtenChecks(*lines, *values);
    if (written) result = todaysResult(*lines, *values, *written);
  } else {
    result = firstReleaseResult(*lines, *values);
  }
  if (!result) return std::nullopt;

  RecombinationPlan plan;
  plan.fragments.reserve(values->fragments.size());
  for (size_t i = 0; i < values->fragments.size(); ++i) {
    plan.fragments.push_back({std::string(copyName(values->fragments[i])),
                              written ? std::optional(written->fragmentLength(i)) : std::nullopt});
  }
  plan.joinedName = std::move(values->joinedName);
  plan.result = kTemporaries[*result];
  plan.other = kTemporaries[1 - *result];
  plan.joinedLength = values->joinedLength;
  if (written) plan.sha256 = std::string(written->sha256);
  return plan;
}

}  // namespace floppysplit
