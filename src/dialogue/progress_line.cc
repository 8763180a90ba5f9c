#include "dialogue/progress_line.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "dialogue/progress_clock.h"
#include "platform/console_io.h"
#include "runtime/termination.h"

namespace floppysplit {

namespace {

constexpr int64_t kFirstDrawAfter = 1000;
constexpr int64_t kRedrawEvery = 250;
constexpr int32_t kColumnsWhenUnknown = 80;

// A failed write only costs the line; the error report may still need standard error.
void writeToStandardError(std::string_view text) {
  if (std::fwrite(text.data(), 1, text.size(), stderr) != text.size() || std::fflush(stderr) != 0) {
    std::clearerr(stderr);
  }
}

// The program's line, made the first time the copying starts, only on a terminal.
std::optional<ProgressLine>& programLine() {
  static std::optional<ProgressLine> line;
  return line;
}

}  // namespace

std::string binarySize(int64_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " B";
  static constexpr const char* kUnits[] = {"KiB", "MiB", "GiB", "TiB", "PiB", "EiB"};
  auto value = static_cast<double>(bytes) / 1024;
  size_t unit = 0;
  // 1023.95 and more would show as 1024.0 of the smaller unit.
  while (value >= 1023.95 && unit + 1 < std::size(kUnits)) {
    value /= 1024;
    ++unit;
  }
  char text[32];
  std::snprintf(text, sizeof text, "%.1f %s", value, kUnits[unit]);
  return text;
}

std::string progressText(const Progress& progress, int32_t columns, int64_t stepSeconds) {
  const std::string fragment =
      std::to_string(progress.fragment) + " of " + std::to_string(progress.fragments);
  const double part = progress.total > 0
                          ? static_cast<double>(progress.done) / static_cast<double>(progress.total)
                          : 1;
  const std::string share = ": " + binarySize(progress.done) + " of " + binarySize(progress.total) +
                            " (" + std::to_string(static_cast<int>(100 * std::min(part, 1.0))) +
                            "%)";
  std::string text;
  switch (progress.step) {
    case ProgressStep::writing:
      text = "Writing fragment " + fragment + share;
      break;
    case ProgressStep::flushing:
      text = "Flushing " + std::to_string(progress.fragments) +
             " fragments to the medium: " + std::to_string(stepSeconds) + " s";
      break;
    case ProgressStep::checking:
      text = "Checking fragment " + fragment + " on the medium" + share;
      break;
    case ProgressStep::joining:
      text = "Joining fragment " + fragment + share;
      break;
    case ProgressStep::checkingJoin:
      text = "Checking the join on the medium" + share;
      break;
    case ProgressStep::checkingSet:
      text = "Checking fragment " + fragment + share;
      break;
  }
  text.resize(std::min(text.size(), static_cast<size_t>(std::max(columns, 0))));
  return text;
}

ProgressLine::ProgressLine(std::function<int64_t()> clock,
                           std::function<void(std::string_view)> write, int32_t columns)
    : clock_(std::move(clock)), write_(std::move(write)), columns_(columns) {}

void ProgressLine::start() {
  running_ = true;
  startedAt_ = clock_();
  step_ = ProgressStep::writing;
  stepStartedAt_ = startedAt_;
}

void ProgressLine::update(const Progress& progress) {
  if (!running_) return;
  const int64_t now = clock_();
  if (progress.step != step_) {
    step_ = progress.step;
    stepStartedAt_ = now;
  }
  if (now - startedAt_ < kFirstDrawAfter) return;
  if (drawn_ > 0 && now - drawnAt_ < kRedrawEvery) return;
  const std::string text = progressText(progress, columns_, (now - stepStartedAt_) / 1000);
  std::string line = "\r" + text;
  // Blanks over what a longer line drew before.
  if (drawn_ > text.size()) line.append(drawn_ - text.size(), ' ');
  drawn_ = std::max(drawn_, text.size());
  drawnAt_ = now;
  write_(line);
}

void ProgressLine::erase() {
  running_ = false;
  if (drawn_ == 0) return;
  std::string blank(drawn_ + 2, ' ');
  blank.front() = '\r';
  blank.back() = '\r';
  write_(blank);
  drawn_ = 0;
}

void startProgress() {
  if (!osStandardErrorIsTerminal()) return;
  if (!programLine()) {
    const int32_t columns = osTerminalColumns();
    programLine().emplace(progressClockMilliseconds, writeToStandardError,
                          (columns > 0 ? columns : kColumnsWhenUnknown) - 1);
    eraseAtEndOfRun(eraseProgress);
  }
  programLine()->start();
}

void showProgress(const Progress& progress) {
  if (programLine()) programLine()->update(progress);
}

void eraseProgress() {
  if (programLine()) programLine()->erase();
}

}  // namespace floppysplit
