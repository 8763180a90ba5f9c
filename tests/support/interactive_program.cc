#include "support/interactive_program.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace {

void closeDescriptor(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Makes `fd` the child's descriptor `target`, kept open across exec.
bool moveTo(int fd, int target) {
  if (fd == target) return ::fcntl(fd, F_SETFD, 0) == 0;
  return ::dup2(fd, target) == target;
}

}  // namespace

InteractiveProgram::InteractiveProgram(const std::vector<std::string>& command,
                                       const std::filesystem::path& folder,
                                       const ProgramSetup& setup) {
  // A program that stops reading must not take the test down with it.
  ::signal(SIGPIPE, SIG_IGN);
  int in[2], out[2], err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot make pipes for the program");
  }
  std::vector<std::string> words = command;
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  child_ = ::fork();
  if (child_ == 0) {
    if (!moveTo(in[0], 0) || !moveTo(out[1], 1) || !moveTo(err[1], 2) ||
        ::chdir(folder.c_str()) != 0) {
      _exit(121);
    }
    ::signal(SIGPIPE, SIG_DFL);
    for (const auto& [name, value] : setup.environment) {
      ::setenv(name.c_str(), value.c_str(), 1);
    }
    if (setup.fileSizeLimit) {
      const rlimit limit{*setup.fileSizeLimit, *setup.fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(123);
    }
    ::execvp(argv[0], argv.data());
    _exit(122);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  in_ = in[1];
  outPipe_ = out[0];
  errPipe_ = err[0];
  if (child_ < 0) throw std::runtime_error("cannot start the program");
}

InteractiveProgram::~InteractiveProgram() {
  closeDescriptor(in_);
  closeDescriptor(outPipe_);
  closeDescriptor(errPipe_);
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
}

bool InteractiveProgram::writeInput(std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(in_, text.data(), text.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    text.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool InteractiveProgram::readSome(std::chrono::milliseconds timeout) {
  pollfd fds[2] = {{outPipe_, POLLIN, 0}, {errPipe_, POLLIN, 0}};
  if (outPipe_ < 0 && errPipe_ < 0) return false;
  const int ready = ::poll(fds, 2, static_cast<int>(timeout.count()));
  if (ready < 0 && errno != EINTR) return false;
  char buffer[4096];
  for (int i = 0; i < 2 && ready > 0; ++i) {
    if (fds[i].revents == 0) continue;
    int& fd = i == 0 ? outPipe_ : errPipe_;
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n > 0) {
      (i == 0 ? out_ : err_).append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      closeDescriptor(fd);
    }
  }
  return outPipe_ >= 0 || errPipe_ >= 0;
}

bool InteractiveProgram::waitForOutput(std::string_view text, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    const size_t found = out_.find(text, searchFrom_);
    if (found != std::string::npos) {
      searchFrom_ = found + text.size();
      return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || !readSome(left)) return false;
  }
}

RunResult InteractiveProgram::finish() {
  closeDescriptor(in_);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (readSome(std::chrono::seconds(1))) {
    // A program that hangs is ended, so that the test fails instead of waiting for ever.
    if (std::chrono::steady_clock::now() > deadline) ::kill(child_, SIGKILL);
  }
  int status = 0;
  ::waitpid(child_, &status, 0);
  child_ = -1;
  RunResult result;
  result.out = out_;
  result.err = err_;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}
