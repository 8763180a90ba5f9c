#pragma once
// Points the console at temporary files for one test: `input` is what the user types,
// output() what the program has written so far.

#include <cstdio>
#include <string>
#include <string_view>

#include "dialogue/console_input.h"

namespace floppysplit {

class ConsoleCapture {
 public:
  explicit ConsoleCapture(std::string_view input) : in_(std::tmpfile()), out_(std::tmpfile()) {
    std::fwrite(input.data(), 1, input.size(), in_);
    std::rewind(in_);
    setConsoleStreams(in_, out_);
  }
  ~ConsoleCapture() {
    setConsoleStreams(nullptr, nullptr);
    std::fclose(in_);
    std::fclose(out_);
  }
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

  std::string output() const {
    std::fflush(out_);
    std::string text;
    std::rewind(out_);
    for (int c; (c = std::fgetc(out_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

 private:
  std::FILE* in_;
  std::FILE* out_;
};

}  // namespace floppysplit
