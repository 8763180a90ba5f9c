#pragma once
// The progress line a person at a terminal sees while fragments are written: one line on
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

// How far the work has come.
struct Progress {
  int32_t fragment = 0;   // the fragment being written, counted from 1
  int32_t fragments = 0;  // how many there are
  int64_t copied = 0;     // input bytes copied into fragments
  int64_t hashed = 0;     // fragment bytes read back for their SHA-256
  int64_t total = 0;      // input bytes to copy (and to read back)
};

// `bytes` in binary units: "512 B", "1.5 KiB", "16.7 MiB", "1.0 GiB".
std::string binarySize(int64_t bytes);

// The line's text, cut to `columns` characters. The percentage counts both passes over
// the data: the copy and the read-back.
std::string progressText(const Progress& progress, int32_t columns);

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
  int64_t drawnAt_ = 0;
  size_t drawn_ = 0;
};

// The program's own line, on standard error when it is a terminal.
void startProgress();
void showProgress(const Progress& progress);
void eraseProgress();

}  // namespace floppysplit
