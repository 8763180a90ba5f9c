#include "script/recombination_script_reader.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>

#include "platform/file_system.h"
#include "platform/owned_file.h"
#include "script/fragment_name.h"
#include "script/recombination_script.h"

namespace floppysplit {

namespace {

// Bytes asked for per read.
constexpr int64_t kReadBytes = int64_t{64} << 10;

// The script's lines one at a time, each ended by CR LF, or by LF alone as a transfer tool
// may leave them: such a line is read as if its end were CR LF.
class LineSource {
 public:
  explicit LineSource(const ScriptBytes& read) : read_(read) {}

  // The next line without its line end, left to be taken by skip(); nothing at the end of
  // the bytes, at a line longer than kLongestScriptLine or not ended, or when a read fails.
  // The view lasts until the next call of peek().
  std::optional<std::string_view> peek() {
    for (;;) {
      const size_t end = buffer_.find('\n', start_);
      if (end != std::string::npos) {
        const size_t length = end - start_ - (end > start_ && buffer_[end - 1] == '\r' ? 1 : 0);
        tooLong_ = length > kLongestScriptLine;
        if (tooLong_) return std::nullopt;
        lineEnd_ = end + 1;
        return std::string_view(buffer_).substr(start_, length);
      }
      // Even if the next byte ends the line and the last one is its CR, it is too long.
      tooLong_ = buffer_.size() - start_ > kLongestScriptLine + 1;
      if (tooLong_ || !readMore()) return std::nullopt;
    }
  }
  void skip() {
    start_ = lineEnd_;
    ++taken_;
  }

  // Lines taken so far.
  int64_t taken() const { return taken_; }

  // Whether the last line peek() looked at was too long.
  bool tooLong() const { return tooLong_; }

  // Whether no byte follows the lines taken.
  bool atEnd() { return start_ == buffer_.size() && !readMore(); }

  Status status() const { return status_; }

 private:
  // Appends the next bytes to what is left unread; false at the end or on a failure.
  bool readMore() {
    if (ended_) return false;
    buffer_.erase(0, start_);
    start_ = 0;
    const size_t kept = buffer_.size();
    buffer_.resize(kept + static_cast<size_t>(kReadBytes));
    int64_t got = 0;
    status_ = read_(buffer_.data() + kept, kReadBytes, &got);
    buffer_.resize(kept + static_cast<size_t>(status_ == kOk ? got : 0));
    ended_ = status_ != kOk || got == 0;
    return !ended_;
  }

  const ScriptBytes& read_;
  std::string buffer_;
  size_t start_ = 0;
  size_t lineEnd_ = 0;
  int64_t taken_ = 0;
  bool tooLong_ = false;
  bool ended_ = false;
  Status status_ = kOk;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isLowerHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); }

int hexValue(char c) { return isDigit(c) ? c - '0' : c - 'a' + 10; }

// A SHA-256 written as 64 lowercase hexadecimal digits.
std::optional<Sha256Digest> digestOf(std::string_view hex) {
  if (hex.size() != 64 || !std::ranges::all_of(hex, isLowerHex)) return std::nullopt;
  Sha256Digest digest{};
  for (size_t i = 0; i < digest.size(); ++i) {
    digest[i] = static_cast<unsigned char>(hexValue(hex[2 * i]) * 16 + hexValue(hex[2 * i + 1]));
  }
  return digest;
}

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
// NUL, which no file name holds. Whether scriptFileName writes the name so is checked with
// the lines that follow.
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
  if (name.empty() || name.find('\0') != std::string::npos) return std::nullopt;
  return name;
}

// The joined name that `line`, the test whether it exists, names; nothing when the line is
// no such test.
std::optional<std::string> testedName(std::string_view line) {
  constexpr std::string_view kNameTest = "if not exist ";
  constexpr std::string_view kNameTestEnd = " goto do_ren";
  if (!line.starts_with(kNameTest) || !line.ends_with(kNameTestEnd)) return std::nullopt;
  return decodedFileName(
      line.substr(kNameTest.size(), line.size() - kNameTest.size() - kNameTestEnd.size()));
}

// The form whose ending the writer builds for a script read as `form`: the forms that name
// the join differ only in the line that deletes the other temporary after the rename,
// which namedByLastPart leaves out where the join took that temporary's name.
ScriptForm endingForm(ScriptForm form) {
  return form == ScriptForm::namedByLastPart ? ScriptForm::namedWithFolder : form;
}

// The name the join is given for `name`, as a script of `form` writes it.
std::string plannedName(ScriptForm form, std::string name) {
  if (isGuarded(form)) return name;
  // namedByLastPart wrote the name cut to its last part already; the forms before it, with
  // its folder.
  const bool cut =
      form == ScriptForm::namedByLastPart && name.find_first_of("/\\") == std::string::npos;
  return cut ? joinNameOfLastPart(name) : joinNameOfTypedName(name);
}

// How many digits every fragment number has, as the first fragment's name after `lead` in
// `line` tells.
std::optional<int32_t> digitsOfFirstName(std::string_view line, std::string_view lead) {
  if (!line.starts_with(lead)) return std::nullopt;
  for (int32_t digits = 1; digits <= kMaxNameDigits; ++digits) {
    if (line.substr(lead.size(), 8) == copyName(makeFragmentName(1, digits))) return digits;
  }
  return std::nullopt;
}

// Whether `name` is one the split gives a recovery file: "Recomb." and ".par2" around
// letters, digits, '+', '-' and '.' alone, so never a folder, a drive or a stream.
bool isRecoveryFileName(std::string_view name) {
  constexpr std::string_view kStart = "Recomb.";
  constexpr std::string_view kEnd = ".par2";
  const auto plain = [](char c) {
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '+' || c == '-' ||
           c == '.';
  };
  return name.size() > kStart.size() && name.starts_with(kStart) && name.ends_with(kEnd) &&
         std::ranges::all_of(name, plain);
}

class ScriptReader {
 public:
  explicit ScriptReader(LineSource& lines) : lines_(lines) {}

  std::optional<RecombinationPlan> read();

 private:
  // Takes the next line when it is `expected`.
  bool take(std::string_view expected);
  // Takes the lines `build` hands its sink while each is the next line; a line equal to
  // `optional` may also be missing.
  bool takeBuilt(const std::function<void(const ScriptLineSink&)>& build,
                 std::string_view optional = {});
  // The form, from the lines before the first fragment's check, which it takes.
  bool readForm();
  // The fragments the lines before the first copy line name, with the lengths they check.
  bool readFragments();
  // The length that the next line checks `file` for, sending the script to `label`, and
  // takes the line; nothing unless it is that check as the writer writes it.
  std::optional<int64_t> checkedLength(std::string_view file, std::string_view label);
  // Takes the lines that check fragment `name`, the next one, and notes its length.
  bool takeFragmentCheck(const std::string& name);
  // The copy lines, and so the temporary that holds the join.
  bool readCopyLines();
  bool readJoinedLength();
  bool readHashCheck();
  bool readEnding();
  // The SHA-256 of fragment `index` that the next line sets, noted in the plan; a text no
  // line of the script holds where it is no such line.
  std::string nextFragmentSha256(size_t index);
  // Recovery file `index` as noted in the plan, or, the next one, taken from the next line
  // where that tests for it by a name the split gives; nothing else.
  std::optional<std::string> nextRecoveryFile(size_t index);

  LineSource& lines_;
  RecombinationPlan plan_;
  // What the fragments' length checks add up to, and the last one's.
  int64_t checkedTotal_ = 0;
  int64_t lastLength_ = 0;
};

bool ScriptReader::take(std::string_view expected) {
  const std::optional<std::string_view> line = lines_.peek();
  if (!line || *line != expected) return false;
  lines_.skip();
  return true;
}

bool ScriptReader::takeBuilt(const std::function<void(const ScriptLineSink&)>& build,
                             std::string_view optional) {
  bool same = true;
  build([&](const std::string& expected) {
    if (!same) return;
    if (take(expected)) return;
    same = !optional.empty() && expected == optional;
  });
  return same;
}

bool ScriptReader::readForm() {
  if (!take("@echo off")) return false;
  if (!take("setlocal")) {
    plan_.form = ScriptForm::joinLengthOnly;
    return true;
  }
  // Only the guarded form tests whether a temporary is in the way before the fragments.
  const std::optional<std::string_view> line = lines_.peek();
  const bool guarded = line && *line == "set fs_frag=" + std::string(temporaryName(Temporary::a));
  plan_.form = guarded ? ScriptForm::guarded : ScriptForm::namedByLastPart;
  return !guarded || takeBuilt(emitTemporaryGuards);
}

std::optional<int64_t> ScriptReader::checkedLength(std::string_view file, std::string_view label) {
  const std::optional<std::string_view> line = lines_.peek();
  if (!line) return std::nullopt;
  const std::optional<int64_t> length = decimalLength(comparedValue(*line));
  if (!length || *line != lengthCheckLine(file, *length, label)) return std::nullopt;
  lines_.skip();
  return length;
}

bool ScriptReader::takeFragmentCheck(const std::string& name) {
  if (!checksEachFragment(plan_.form)) return take("if not exist " + name + " goto nocopy");
  if (!take("set fs_frag=" + name) || !take("if not exist " + name + " goto missing")) {
    return false;
  }
  const std::optional<int64_t> length = checkedLength(name, "wronglength");
  if (!length) return false;
  // Every fragment holds the first one's length until the bytes run out: then one holds
  // what is left, and any after it nothing.
  if (plan_.fragments.empty()) {
    plan_.fragmentSize = *length;
  } else if (*length > *plan_.fragmentSize || (lastLength_<*plan_.fragmentSize&& * length> 0)) {
    return false;
  }
  if (checkedTotal_ > std::numeric_limits<int64_t>::max() - *length) return false;
  lastLength_ = *length;
  checkedTotal_ += *length;
  return true;
}

bool ScriptReader::readFragments() {
  const std::string_view lead = checksEachFragment(plan_.form) ? "set fs_frag=" : "if not exist ";
  const std::optional<std::string_view> first = lines_.peek();
  const std::optional<int32_t> digits = first ? digitsOfFirstName(*first, lead) : std::nullopt;
  if (!digits) return false;
  for (int32_t index = 1;; ++index) {
    const FragmentName fragment = makeFragmentName(index, *digits);
    if (!takeFragmentCheck(std::string(copyName(fragment)))) return false;
    plan_.fragments.push_back(fragment);
    const std::optional<std::string_view> next = lines_.peek();
    if (!next || !next->starts_with(lead)) break;
    if (index == std::numeric_limits<int32_t>::max()) return false;
  }
  return fragmentDigitCount(static_cast<int32_t>(plan_.fragments.size())) == *digits;
}

bool ScriptReader::readCopyLines() {
  return takeBuilt(
      [&](const ScriptLineSink& emit) { plan_.result = emitCopyLines(plan_.fragments, emit); });
}

bool ScriptReader::readJoinedLength() {
  const std::optional<int64_t> length = checkedLength(temporaryName(plan_.result), "nocopy");
  if (!length) return false;
  plan_.joinedLength = *length;
  return true;
}

bool ScriptReader::readHashCheck() {
  // The SHA-256 stands in the last of the six lines.
  std::vector<std::string> lines;
  for (int i = 0; i < 6; ++i) {
    const std::optional<std::string_view> line = lines_.peek();
    if (!line) return false;
    lines.emplace_back(*line);
    lines_.skip();
  }
  const std::string_view sha256 = comparedValue(lines.back());
  if (!digestOf(sha256)) return false;
  if (lines != hashCheckLines(temporaryName(plan_.result), sha256)) return false;
  plan_.sha256 = std::string(sha256);
  return true;
}

bool ScriptReader::readEnding() {
  const std::optional<std::string_view> line = lines_.peek();
  std::optional<std::string> name = line ? testedName(*line) : std::nullopt;
  if (!name) return false;
  const bool guarded = isGuarded(plan_.form);
  // The guarded forms name a file in the current folder, and nothing else.
  if (guarded && name->find_first_of("/\\:") != std::string::npos) return false;
  const std::string_view other = temporaryName(otherTemporary(plan_.result));
  const std::string optional =
      !guarded && equalIgnoringCase(*name, other) ? "del " + std::string(other) : std::string();
  const std::string written = scriptFileName(*name);
  const ScriptForm form = endingForm(plan_.form);
  if (!takeBuilt(
          [&](const ScriptLineSink& emit) {
            emitEndingToMismatch(
                form, written, plan_.result,
                [this](size_t index) { return nextRecoveryFile(index); }, emit);
          },
          optional)) {
    return false;
  }
  // Only the newest form hashes each fragment after the label of a SHA-256 that differs.
  const std::optional<std::string_view> next = lines_.peek();
  if (guarded && next && next->starts_with("set fs_frag=")) {
    plan_.form = ScriptForm::namesDamagedFragments;
    plan_.fragmentSha256.reserve(plan_.fragments.size());
    if (!takeBuilt([&](const ScriptLineSink& emit) {
          emitFragmentHashChecks(
              plan_.fragments, [this](size_t index) { return nextFragmentSha256(index); }, emit);
        })) {
      return false;
    }
  }
  // Only the newest form names recovery files; where the failures named none, the deletes
  // name none either.
  if (!plan_.recoveryFiles.empty() && plan_.form != ScriptForm::namesDamagedFragments) {
    return false;
  }
  const bool recovery = !plan_.recoveryFiles.empty();
  if (!takeBuilt([&](const ScriptLineSink& emit) {
        emitEndingAfterMismatch(
            plan_.form, plan_.fragments,
            [this, recovery](size_t index) {
              return recovery ? nextRecoveryFile(index) : std::nullopt;
            },
            emit);
      })) {
    return false;
  }
  plan_.joinedName = plannedName(plan_.form, std::move(*name));
  return true;
}

std::string ScriptReader::nextFragmentSha256(size_t index) {
  constexpr std::string_view kSet = "set fs_want=";
  const std::optional<std::string_view> line = lines_.peek();
  std::optional<Sha256Digest> digest;
  if (line && line->starts_with(kSet)) digest = digestOf(line->substr(kSet.size()));
  if (!digest || index != plan_.fragmentSha256.size()) return "\n";
  plan_.fragmentSha256.push_back(*digest);
  return std::string(line->substr(kSet.size()));
}

std::optional<std::string> ScriptReader::nextRecoveryFile(size_t index) {
  if (index < plan_.recoveryFiles.size()) return plan_.recoveryFiles[index];
  // The index, its copy and at most a volume a fragment.
  if (index != plan_.recoveryFiles.size() || index >= plan_.fragments.size() + 2) {
    return std::nullopt;
  }
  constexpr std::string_view kTest = "if exist \"";
  const std::optional<std::string_view> line = lines_.peek();
  if (!line || !line->starts_with(kTest)) return std::nullopt;
  std::string_view name = line->substr(kTest.size());
  name = name.substr(0, name.find('"'));
  if (!isRecoveryFileName(name)) return std::nullopt;
  plan_.recoveryFiles.emplace_back(name);
  return plan_.recoveryFiles.back();
}

std::optional<RecombinationPlan> ScriptReader::read() {
  if (!readForm() || !readFragments() || !readCopyLines() || !readJoinedLength()) {
    return std::nullopt;
  }
  if (checksEachFragment(plan_.form) && (plan_.joinedLength != checkedTotal_ || !readHashCheck())) {
    return std::nullopt;
  }
  if (isGuarded(plan_.form) && !take(deleteIfThereLine(otherTemporary(plan_.result)))) {
    return std::nullopt;
  }
  if (!readEnding() || !lines_.atEnd()) return std::nullopt;
  plan_.fragments.shrink_to_fit();
  plan_.fragmentSha256.shrink_to_fit();
  plan_.recoveryFiles.shrink_to_fit();
  return std::move(plan_);
}

}  // namespace

std::optional<int64_t> RecombinationPlan::fragmentLength(size_t index) const {
  if (!fragmentSize) return std::nullopt;
  return WrittenData{*fragmentSize, joinedLength, {}, {}, {}}.fragmentLength(index);
}

ScriptReading readRecombinationScript(const ScriptBytes& read) {
  LineSource lines(read);
  ScriptReading reading;
  reading.plan = ScriptReader(lines).read();
  reading.status = lines.status();
  if (reading.status != kOk) reading.plan.reset();
  if (!reading.plan && reading.status == kOk) {
    reading.refusedLine = lines.taken() + 1;
    reading.refusedLineTooLong = lines.tooLong();
  }
  return reading;
}

ScriptReading readRecombinationScriptFile(const std::string& name) {
  OwnedFile file;
  const Status opened = osOpenRegularForReading(name, file.receive());
  if (opened != kOk) return {.plan = std::nullopt, .status = opened};
  ScriptReading reading = readRecombinationScript(
      [file = file.get(), offset = int64_t{0}](char* data, int64_t capacity, int64_t* got) mutable {
        const Status status = osReadAt(file, offset, data, capacity, got);
        offset += *got;
        return status;
      });
  if (reading.plan) reading.plan->scriptFile = name;
  return reading;
}

std::optional<RecombinationPlan> readRecombinationScript(std::string_view bytes) {
  return readRecombinationScript([&bytes](char* data, int64_t capacity, int64_t* got) {
           *got = std::min(capacity, static_cast<int64_t>(bytes.size()));
           std::copy_n(bytes.data(), *got, data);
           bytes.remove_prefix(static_cast<size_t>(*got));
           return kOk;
         })
      .plan;
}

}  // namespace floppysplit
