// The files beside the program on the real file system, and the shell that runs them.
#pragma once

#include "core/program_files.h"

namespace velmora {

class DiskProgramFiles : public ProgramFiles {
 public:
  // Files live in `directory` (GBK, no trailing separator); when it is empty, in the
  // directory of the running executable, looked up again for every path.
  explicit DiskProgramFiles(Text directory = {});

  bool Write(const Text& name, std::string_view bytes) override;
  void Delete(const Text& name) override;
  // Windows: the shell's default action for the file. Elsewhere there is no such shell
  // and this reports false.
  bool Launch(const Text& name) override;

 private:
  Text directory_;
};

}  // namespace velmora
