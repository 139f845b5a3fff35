#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

#include "core/codepage.h"

namespace velmora::test {

namespace fs = std::filesystem;

namespace {

fs::path FromGbk(const Text& text) {
#ifdef _WIN32
  return fs::path(WideFromGbk(text));
#else
  return fs::path(text);
#endif
}

Text ToGbk(const fs::path& path) {
#ifdef _WIN32
  return GbkFromWide(path.wstring());
#else
  return path.string();
#endif
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

TempDir::TempDir() {
  std::random_device random;
  const fs::path base = fs::temp_directory_path();
  do {
    path_ = base / ("velmora-test-" + std::to_string(random()));
  } while (fs::exists(path_));
  fs::create_directories(path_);
  text_ = ToGbk(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

fs::path TempDir::PathOf(const Text& name) const { return path_ / FromGbk(name.substr(1)); }

bool TempDir::Exists(const Text& name) const { return fs::exists(PathOf(name)); }

std::string TempDir::Read(const Text& name) const { return ReadAll(PathOf(name)); }

void TempDir::Write(const Text& name, const std::string& bytes) const {
  std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
  out << bytes;
}

void TempDir::MakeDirectory(const Text& name) const { fs::create_directory(PathOf(name)); }

std::string Fixture(const std::string& file_name) {
  const fs::path path = fs::path(VELMORA_FIXTURES) / file_name;
  EXPECT_TRUE(fs::exists(path)) << path;
  return ReadAll(path);
}

}  // namespace velmora::test
