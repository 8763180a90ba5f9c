#pragma once
// Drives a program step by step, as a person at the console would: its standard input,
// output and error are pipes, so a test can wait for a prompt, change files on disk while
// the program waits for an answer, and only then type the answer.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/program_runner.h"

struct ProgramSetup {
  // Added to the environment the program inherits.
  Environment environment;
  // The largest file the program may write (RLIMIT_FSIZE); a write beyond it fails.
  std::optional<uint64_t> fileSizeLimit;
};

class InteractiveProgram {
 public:
  // Starts `command` (the program and its arguments) in `folder`.
  InteractiveProgram(const std::vector<std::string>& command, const std::filesystem::path& folder,
                     const ProgramSetup& setup = {});
  // A program still running is killed.
  ~InteractiveProgram();
  InteractiveProgram(const InteractiveProgram&) = delete;
  InteractiveProgram& operator=(const InteractiveProgram&) = delete;

  // Sends `text` to standard input; false once the program no longer reads it.
  bool writeInput(std::string_view text);

  // Waits until standard output, after the point where the previous wait's text ended,
  // holds `text`. False when the program ends or `timeout` passes first.
  bool waitForOutput(std::string_view text,
                     std::chrono::milliseconds timeout = std::chrono::seconds(30));

  // Everything written to standard output so far.
  const std::string& output() const { return out_; }

  // Closes standard input, collects both streams to their end and waits for the exit.
  RunResult finish();

 private:
  // Reads what is available within `timeout`; false when both streams have ended.
  bool readSome(std::chrono::milliseconds timeout);

  pid_t child_ = -1;
  int in_ = -1;
  int outPipe_ = -1;
  int errPipe_ = -1;
  std::string out_;
  std::string err_;
  size_t searchFrom_ = 0;
};
