// Key/value access to one INI file beside the program, in the manner of the Windows
// profile-string calls. Each call forms the file's path anew.
#pragma once

#include "core/text.h"

namespace velmora {

// A value read back is cut to this many bytes (a 10240-byte buffer with its terminator).
constexpr size_t kMaxValueBytes = 10239;

class ProfileStrings {
 public:
  virtual ~ProfileStrings() = default;

  // The key's value in the section; empty when the file, the section or the key is missing.
  virtual Text Read(const Text& section, const Text& key) = 0;

  // Sets the key in the section, creating both and the file when absent, and leaves all
  // other content as it was. True when the value was stored.
  virtual bool Write(const Text& section, const Text& key, const Text& value) = 0;
};

}  // namespace velmora
