// The files beside the program's executable, addressed by fixed names that begin with a
// backslash. Each call forms the path anew from the program directory; nothing is cached.
#pragma once

#include <string_view>

#include "core/text.h"

namespace velmora {

class ProgramFiles {
 public:
  virtual ~ProgramFiles() = default;

  // Creates or empties the file and writes all bytes, unshared while open.
  // True only when every byte was written and the file closed.
  virtual bool Write(const Text& name, std::string_view bytes) = 0;

  // Deletes the file; a missing file is no error.
  virtual void Delete(const Text& name) = 0;

  // Hands the file to the shell's default action for its type and does not wait.
  // True when the shell took the request.
  virtual bool Launch(const Text& name) = 0;
};

}  // namespace velmora
