#include "support/program_session.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace floppysplit {

namespace fs = std::filesystem;

namespace {

// How long the program may keep the test waiting without a sign of life.
constexpr std::chrono::seconds kHangGuard(120);

void closeDescriptor(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// Appends what is ready on `fd` (the program's standard output or error) to `text`;
// closes `fd` at its end.
void receive(int& fd, std::string& text) {
  char buffer[4096];
  const ssize_t n = ::read(fd, buffer, sizeof buffer);
  if (n < 0 && (errno == EINTR || errno == EAGAIN)) return;
  if (n <= 0) {
    closeDescriptor(fd);
    return;
  }
  text.append(buffer, static_cast<size_t>(n));
}

}  // namespace

ProgramSession::ProgramSession(const fs::path& folder, const SessionOptions& options,
                               OutputAtStart output) {
  // A write to a program that has already ended must come back as an error, not kill the
  // test.
  std::signal(SIGPIPE, SIG_IGN);
  int in[2];
  int out[2];
  int err[2];
  if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot make pipes for the program");
  }
  std::vector<std::string> command = options.command.empty() ? programCommand() : options.command;
  std::vector<char*> argv;
  argv.reserve(command.size() + 1);
  for (std::string& word : command) argv.push_back(word.data());
  argv.push_back(nullptr);

  child_ = ::fork();
  if (child_ == 0) {
    if (::dup2(in[0], 0) < 0 || ::dup2(out[1], 1) < 0 || ::dup2(err[1], 2) < 0 ||
        ::chdir(folder.c_str()) != 0) {
      _exit(121);
    }
    if (output == OutputAtStart::full) {
      // The smallest pipe the system makes, filled without waiting, then waiting again.
      ::fcntl(1, F_SETPIPE_SZ, 4096);
      const int flags = ::fcntl(1, F_GETFL);
      ::fcntl(1, F_SETFL, flags | O_NONBLOCK);
      while (::write(1, "#", 1) == 1) {
      }
      ::fcntl(1, F_SETFL, flags);
    }
    if (options.fileSizeLimit) {
      const rlimit limit{*options.fileSizeLimit, *options.fileSizeLimit};
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(123);
    }
    for (const auto& [name, value] : options.environment) {
      ::setenv(name.c_str(), value.c_str(), 1);
    }
    // As at a terminal, whatever this test runs under: a shell ignores Ctrl+C in the
    // programs it starts in the background, and they keep ignoring it.
    for (const int number : {SIGINT, SIGTERM, SIGHUP}) std::signal(number, SIG_DFL);
    ::execvp(argv[0], argv.data());
    _exit(122);
  }
  ::close(in[0]);
  ::close(out[1]);
  ::close(err[1]);
  in_ = in[1];
  out_fd_ = out[0];
  err_fd_ = err[0];
  if (child_ < 0) throw std::runtime_error("cannot start the program");
}

ProgramSession::~ProgramSession() {
  closeDescriptor(in_);
  closeDescriptor(out_fd_);
  closeDescriptor(err_fd_);
  if (child_ > 0) {
    ::kill(child_, SIGKILL);
    ::waitpid(child_, nullptr, 0);
  }
}

void ProgramSession::signal(int number) const {
  if (child_ > 0) ::kill(child_, number);
}

bool ProgramSession::holdStill() const {
  signal(SIGSTOP);
  // The third field of /proc/PID/stat is the state: T once every system call under way has
  // returned and the program has stopped.
  const std::string stat = "/proc/" + std::to_string(child_) + "/stat";
  for (int wait = 0; wait < 10000; ++wait) {
    std::ifstream in(stat);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t end = text.rfind(')');
    if (end != std::string::npos && text.size() > end + 2 && text[end + 2] == 'T') return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

bool ProgramSession::waitUntilHandling(int number, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const uint64_t bit = uint64_t{1} << (number - 1);
  while (std::chrono::steady_clock::now() < deadline) {
    std::ifstream status("/proc/" + std::to_string(child_) + "/status");
    for (std::string line; std::getline(status, line);) {
      if (line.starts_with("SigCgt:") && (std::stoull(line.substr(7), nullptr, 16) & bit) != 0) {
        return true;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

bool ProgramSession::pump(std::chrono::milliseconds timeout) {
  pollfd fds[3];
  nfds_t count = 0;
  if (out_fd_ >= 0) fds[count++] = {out_fd_, POLLIN, 0};
  if (err_fd_ >= 0) fds[count++] = {err_fd_, POLLIN, 0};
  if (in_ >= 0 && !pendingInput_.empty()) fds[count++] = {in_, POLLOUT, 0};
  if (out_fd_ < 0 && err_fd_ < 0) return false;
  const int ready = ::poll(fds, count, static_cast<int>(timeout.count()));
  if (ready < 0 && errno != EINTR) throw std::runtime_error("poll failed");
  for (nfds_t i = 0; ready > 0 && i < count; ++i) {
    if (fds[i].revents == 0) continue;
    if (fds[i].fd == in_) {
      sendPendingInput();
    } else if (fds[i].fd == out_fd_) {
      receive(out_fd_, out_);
    } else {
      receive(err_fd_, err_);
    }
  }
  return out_fd_ >= 0 || err_fd_ >= 0;
}

void ProgramSession::sendPendingInput() {
  const ssize_t n = ::write(in_, pendingInput_.data(), pendingInput_.size());
  if (n > 0) {
    pendingInput_.erase(0, static_cast<size_t>(n));
  } else if (n < 0 && errno != EINTR && errno != EAGAIN) {
    pendingInput_.clear();  // the program no longer reads
    closeDescriptor(in_);
  }
}

void ProgramSession::writeInput(std::string_view text) {
  if (in_ < 0) return;
  pendingInput_ += text;
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  while (!pendingInput_.empty() && in_ >= 0 && std::chrono::steady_clock::now() < deadline) {
    if (!pump(kHangGuard)) break;
  }
  pendingInput_.clear();
}

bool ProgramSession::waitForOutput(std::string_view text, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (true) {
    const size_t found = out_.find(text, searchFrom_);
    if (found != std::string::npos) {
      searchFrom_ = found + text.size();
      return true;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || out_fd_ < 0) return false;
    pump(left);
  }
}

RunResult ProgramSession::finish() {
  closeDescriptor(in_);
  const auto deadline = std::chrono::steady_clock::now() + kHangGuard;
  while (pump(kHangGuard)) {
    // A program that never ends is killed, so that the test fails instead of hanging.
    if (std::chrono::steady_clock::now() >= deadline) ::kill(child_, SIGKILL);
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

RunResult runProgramWith(const fs::path& folder, std::string_view input,
                         const SessionOptions& options) {
  ProgramSession session(folder, options);
  session.writeInput(input);
  return session.finish();
}

}  // namespace floppysplit
