#include "core/disk_program_files.h"

#include <utility>

#include "core/file_system.h"

namespace velmora {

DiskProgramFiles::DiskProgramFiles(Text directory) : directory_(std::move(directory)) {}

bool DiskProgramFiles::Write(const Text& name, std::string_view bytes) {
  return WriteFileBytes(directory_, name, bytes);
}

void DiskProgramFiles::Delete(const Text& name) { DeleteFileQuietly(directory_, name); }

bool DiskProgramFiles::Launch(const Text& name) { return LaunchFile(directory_, name); }

}  // namespace velmora
