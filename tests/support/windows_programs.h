// Running Windows programs from a test, and reading what the launch recorder saw
// (Windows only).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::test {

// Runs the command line, waits up to `timeout_ms` for it to end and gives what it wrote
// to standard output and standard error. False when it could not start or did not end.
bool RunAndCapture(const std::wstring& command_line, std::string* output,
                   unsigned timeout_ms = 60000);

// While alive, the launch recorder started by the shell (see tools/wine-prefix.sh) writes
// into a file of this object's own, named through an environment variable that programs
// started from this process inherit.
// A file's path as the launch recorder writes it: UTF-8.
std::string RecordedPath(const std::filesystem::path& path);

class LaunchLog {
 public:
  LaunchLog();
  ~LaunchLog();
  LaunchLog(const LaunchLog&) = delete;
  LaunchLog& operator=(const LaunchLog&) = delete;

  // The recorded launches (UTF-8, one per line), once there are `count` of them or the
  // timeout has passed.
  std::vector<std::string> WaitFor(size_t count, unsigned timeout_ms = 15000) const;

 private:
  std::wstring path_;
};

}  // namespace velmora::test
