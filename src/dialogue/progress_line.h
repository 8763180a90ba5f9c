#pragma once
// The progress line a person at a terminal sees while fragments are written or joined: one line on
// standard error, redrawn in place with a carriage return. Nothing is shown when standard
// error is not a terminal, so pipes, files and every captured transcript stay exactly as
// they are. The line appears once the copying has lasted a second, is redrawn at most four
// times a second, never reaches the terminal's last column (so it never wraps), and is
// erased completely before any other console line and before the run ends, so the screen
// ends up showing exactly the transcript.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace floppysplit {

// What the work is busy with: writing the fragments (and reading each back for the
// SHA-256), waiting until they are on the medium, reading them back from the medium; or,
// for a join, copying the fragments into it and reading it back from the medium.
enum class ProgressStep { writing, flushing, checking, joining, checkingJoin, checkingSet };

// How far the step has come.
struct Progress {
  int32_t fragment = 0;   // the fragment being written, checked or joined, counted from 1
  int32_t fragments = 0;  // how many there are
  int64_t done = 0;       // bytes this step has done
  int64_t total = 0;      // bytes this step has to do
  ProgressStep step = ProgressStep::writing;
};

// `bytes` in binary units: "512 B", "1.5 KiB", "16.7 MiB", "1.0 GiB".
std::string binarySize(int64_t bytes);

// The line's text, cut to `columns` characters; `stepSeconds` is how long the step has
// lasted. The percentage is the step's own: the bytes it has done of the bytes it has to
// do. Waiting for the medium has no such count, and shows how long it has waited.
std::string progressText(const Progress& progress, int32_t columns, int64_t stepSeconds = 0);

// Draws progress lines through `write`; the time comes from `clock`, in milliseconds.
class ProgressLine {
 public:
  ProgressLine(std::function<int64_t()> clock, std::function<void(std::string_view)> write,
               int32_t columns);

  // The copying starts now: the line may appear a second later.
  void start();

  // Redraws the line if the time has come.
  void update(const Progress& progress);

  // Erases the line, if one is drawn, and draws no more until the next start.
  void erase();

 private:
  std::function<int64_t()> clock_;
  std::function<void(std::string_view)> write_;
  int32_t columns_;
  bool running_ = false;
  int64_t startedAt_ = 0;
  ProgressStep step_ = ProgressStep::writing;
  int64_t stepStartedAt_ = 0;
  int64_t drawnAt_ = 0;
  size_t drawn_ = 0;
};

// The program's own line, on standard error when it is a terminal.
void startProgress();
void showProgress(const Progress& progress);
void eraseProgress();

}  // namespace floppysplit
