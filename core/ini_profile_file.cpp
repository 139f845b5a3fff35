#include "core/ini_profile_file.h"

#include <utility>

#include "core/file_system.h"
#include "core/ini_text.h"

namespace velmora {

IniProfileFile::IniProfileFile(Text file_name, Text directory)
    : file_name_(std::move(file_name)), directory_(std::move(directory)) {}

Text IniProfileFile::Read(const Text& section, const Text& key) {
  std::string file;
  if (ReadFileBytes(directory_, file_name_, &file) != ReadResult::kRead) return {};
  return IniGetValue(file, section, key);
}

bool IniProfileFile::Write(const Text& section, const Text& key, const Text& value) {
  std::string file;
  // A missing file starts empty; one that is there but unreadable is not overwritten.
  if (ReadFileBytes(directory_, file_name_, &file) == ReadResult::kFailed) return false;
  return WriteFileBytes(directory_, file_name_, IniSetValue(file, section, key, value));
}

}  // namespace velmora
