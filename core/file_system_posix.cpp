#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_system.h"

namespace velmora {

namespace {

std::string RunningProgramDirectory() {
  std::string path(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", path.data(), path.size());
  if (length <= 0) return {};
  path.resize(static_cast<size_t>(length));
  return path.substr(0, path.find_last_of('/'));
}

// The names begin with a Windows separator; here the separator is "/". The GBK bytes of
// the name are used as they are.
std::string PathOf(const Text& directory, const Text& name) {
  const std::string base = directory.empty() ? RunningProgramDirectory() : directory;
  if (base.empty()) return {};
  std::string path = base + name;
  path[base.size()] = '/';
  return path;
}

}  // namespace

ReadResult ReadFileBytes(const Text& directory, const Text& name, std::string* bytes) {
  bytes->clear();
  const std::string path = PathOf(directory, name);
  if (path.empty()) return ReadResult::kFailed;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadResult::kMissing : ReadResult::kFailed;
  char buffer[4096];
  ssize_t read_now = 0;
  while ((read_now = read(fd, buffer, sizeof buffer)) > 0) bytes->append(buffer, read_now);
  close(fd);
  return read_now == 0 ? ReadResult::kRead : ReadResult::kFailed;
}

bool WriteFileBytes(const Text& directory, const Text& name, std::string_view bytes) {
  const std::string path = PathOf(directory, name);
  const int fd =
      path.empty() ? -1 : open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    ok = written > 0;
    if (ok) bytes.remove_prefix(static_cast<size_t>(written));
  }
  return close(fd) == 0 && ok;
}

void DeleteFileQuietly(const Text& directory, const Text& name) {
  const std::string path = PathOf(directory, name);
  if (!path.empty()) unlink(path.c_str());
}

bool LaunchFile(const Text&, const Text&) { return false; }

}  // namespace velmora
