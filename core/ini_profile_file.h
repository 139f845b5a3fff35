// The settings file through our own INI reader and writer, which gives the results of the
// Windows profile-string calls on any system.
#pragma once

#include "core/profile_strings.h"

namespace velmora {

class IniProfileFile : public ProfileStrings {
 public:
  // The file `file_name` ("\velmora.ini") in `directory` (no trailing separator); when that
  // is empty, in the directory of the running executable, looked up again for every call.
  explicit IniProfileFile(Text file_name, Text directory = {});

  Text Read(const Text& section, const Text& key) override;
  bool Write(const Text& section, const Text& key, const Text& value) override;

 private:
  Text file_name_;
  Text directory_;
};

}  // namespace velmora
