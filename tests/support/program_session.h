#pragma once
// Runs the built program with its console on pipes, so that a test can answer one question
// at a time and change the folder while the program waits for an answer: start, then
// writeInput and waitForOutput in turn, then finish.
//
// The program may also be started with a limit on the size of the files it writes
// (RLIMIT_FSIZE), to make a write fail part-way as a full disk would.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/program_runner.h"

namespace floppysplit {

struct SessionOptions {
  // The program and its arguments; the program under test (programCommand()) when empty.
  std::vector<std::string> command;
  Environment environment;
  // The largest file, in bytes, that the program may write; unlimited when not set.
  std::optional<uint64_t> fileSizeLimit;
};

// How the program's standard output starts: empty, or full, so that the program's first
// write to it waits until the test reads it (finish); the bytes that filled it then come
// first in RunResult::out.
enum class OutputAtStart { empty, full };

class ProgramSession {
 public:
  // Starts the program (see programCommand()) in `folder`.
  explicit ProgramSession(const std::filesystem::path& folder, const SessionOptions& options = {},
                          OutputAtStart output = OutputAtStart::empty);
  // Kills a program that is still running and waits for it.
  ~ProgramSession();
  ProgramSession(const ProgramSession&) = delete;
  ProgramSession& operator=(const ProgramSession&) = delete;

  // Sends `text` to the program's standard input; what it cannot take because it has
  // ended is dropped.
  void writeInput(std::string_view text);

  // Waits until standard output holds `text` after the end of the text found by the
  // previous wait. False when the program ends or `timeout` passes first; the timeout only
  // guards against a program that hangs.
  bool waitForOutput(std::string_view text,
                     std::chrono::milliseconds timeout = std::chrono::seconds(60));

  // Sends the program the signal `number`, as a user's Ctrl+C (SIGINT) or a closed
  // terminal (SIGHUP) would.
  void signal(int number) const;

  // Stops the program where it is (SIGSTOP) and returns once it has stopped, so that the
  // files it writes hold still; signal(SIGCONT) lets it go on. False when it did not stop.
  bool holdStill() const;

  // Waits until the program has a handler of its own for signal `number` (as /proc shows
  // it). False when it has none within `timeout`.
  bool waitUntilHandling(int number,
                         std::chrono::milliseconds timeout = std::chrono::seconds(60)) const;

  // Everything written to standard output so far.
  const std::string& output() const { return out_; }

  // Closes standard input, waits for the program to end and returns what it wrote and its
  // exit status.
  RunResult finish();

 private:
  // Moves what is ready between the pipes and the buffers, waiting at most `timeout`.
  // False when there is nothing left to read: the program has closed its outputs.
  bool pump(std::chrono::milliseconds timeout);
  // Hands the program what it takes now of the pending input.
  void sendPendingInput();

  pid_t child_ = -1;
  int in_ = -1;
  int out_fd_ = -1;
  int err_fd_ = -1;
  std::string pendingInput_;
  std::string out_;
  std::string err_;
  size_t searchFrom_ = 0;
};

// Runs the program once with the whole of `input` and `options`, like runProgram.
RunResult runProgramWith(const std::filesystem::path& folder, std::string_view input,
                         const SessionOptions& options);

}  // namespace floppysplit
