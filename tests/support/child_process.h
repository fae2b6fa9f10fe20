#pragma once
// Another program run beside the test, whose standard output the test reads
// line by line and which the test may kill as a crash would.

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace tavelao::testing {

class ChildProcess {
 public:
  // Starts `program` with `arguments` in `folder`.
  ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
               const std::filesystem::path& folder);
  ~ChildProcess();  // kills it when still running
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  // The next line it printed (without its end), empty when it ended or
  // printed nothing within `seconds`.
  std::string ReadLine(int seconds = 60);
  void Kill();  // SIGKILL, then waits for it

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string pending_;
};

}  // namespace tavelao::testing
