// A fresh directory for one test, removed with everything in it afterwards. Names are GBK
// and begin with a backslash, as the program addresses the files beside it.
#pragma once

#include <filesystem>
#include <string>

#include "core/text.h"

namespace velmora::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // The directory as the program's code takes it (GBK, no trailing separator).
  const Text& path() const { return text_; }

  std::filesystem::path PathOf(const Text& name) const;
  bool Exists(const Text& name) const;
  // The whole file; empty when it is missing.
  std::string Read(const Text& name) const;
  void Write(const Text& name, const std::string& bytes) const;
  void MakeDirectory(const Text& name) const;

 private:
  std::filesystem::path path_;
  Text text_;
};

// The bytes of a file under tests/fixtures.
std::string Fixture(const std::string& file_name);

}  // namespace velmora::test
