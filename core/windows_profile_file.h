// The settings file through the Windows profile-string calls (Windows only).
#pragma once

#include "core/profile_strings.h"

namespace velmora {

class WindowsProfileFile : public ProfileStrings {
 public:
  // The file `file_name` ("\velmora.ini") in `directory`; when that is empty, in the
  // directory of the running executable, looked up again for every call.
  explicit WindowsProfileFile(Text file_name, Text directory = {});

  Text Read(const Text& section, const Text& key) override;
  bool Write(const Text& section, const Text& key, const Text& value) override;

 private:
  Text file_name_;
  Text directory_;
};

}  // namespace velmora
