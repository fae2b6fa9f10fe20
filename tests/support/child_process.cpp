#include "support/child_process.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace tavelao::testing {

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& folder) {
  int pipe_ends[2];
  if (::pipe(pipe_ends) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(pipe_ends[1], STDOUT_FILENO);
    ::close(pipe_ends[0]);
    ::close(pipe_ends[1]);
    if (::chdir(folder.c_str()) != 0) _exit(126);
    std::vector<char*> argv;
    std::string name = program.string();
    argv.push_back(name.data());
    std::vector<std::string> copies = arguments;
    for (auto& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(name.c_str(), argv.data());
    _exit(127);
  }
  ::close(pipe_ends[1]);
  out_ = pipe_ends[0];
}

ChildProcess::~ChildProcess() {
  Kill();
  if (out_ >= 0) ::close(out_);
}

std::string ChildProcess::ReadLine(int seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    if (auto end = pending_.find('\n'); end != std::string::npos) {
      std::string line = pending_.substr(0, end);
      pending_.erase(0, end + 1);
      return line;
    }
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || out_ < 0) return {};
    pollfd ready{out_, POLLIN, 0};
    if (::poll(&ready, 1, static_cast<int>(left.count())) <= 0) return {};
    char buffer[256];
    const ssize_t n = ::read(out_, buffer, sizeof buffer);
    if (n <= 0) return {};
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

void ChildProcess::Kill() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGKILL);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace tavelao::testing
