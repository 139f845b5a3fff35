// What velmora.exe carries besides its code: a GUI subsystem, the manifest asking for
// administrator rights, and version 1.3 with the product's name.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace velmora::test {
namespace {

// velmora.exe of the same build: <build>/ui/velmora.exe beside <build>/tests/ui_tests.exe.
std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  self.resize(self.find_last_of(L'\\'));
  self.resize(self.find_last_of(L'\\'));
  return self + L"\\ui\\velmora.exe";
}

class ProgramResources : public ::testing::Test {
 protected:
  void SetUp() override {
    module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { FreeLibrary(module_); }

  std::string Resource(const wchar_t* type) const {
    HRSRC found = FindResourceW(module_, MAKEINTRESOURCEW(1), type);
    if (!found) return {};
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module_, found)));
    return std::string(bytes, SizeofResource(module_, found));
  }

  HMODULE module_ = nullptr;
};

std::string Utf16Bytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

TEST_F(ProgramResources, ManifestAsksForAdministratorRights) {
  const std::string manifest = Resource(MAKEINTRESOURCEW(24));  // RT_MANIFEST
  EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos) << manifest;
}

TEST_F(ProgramResources, VersionIsOnePointThreeWithTheProductName) {
  const std::string version = Resource(MAKEINTRESOURCEW(16));  // RT_VERSION
  const size_t fixed = version.find("\xbd\x04\xef\xfe");       // VS_FIXEDFILEINFO's signature
  ASSERT_NE(fixed, std::string::npos);
  VS_FIXEDFILEINFO info;
  ASSERT_GE(version.size(), fixed + sizeof(info));
  version.copy(reinterpret_cast<char*>(&info), sizeof(info), fixed);
  EXPECT_EQ(info.dwFileVersionMS, MAKELONG(3, 1));
  EXPECT_EQ(info.dwFileVersionLS, 0u);
  EXPECT_EQ(info.dwProductVersionMS, MAKELONG(3, 1));
  EXPECT_EQ(info.dwProductVersionLS, 0u);
  EXPECT_NE(version.find(Utf16Bytes(L"1.3.0.0")), std::string::npos);
  // Velmora本地网络设置
  EXPECT_NE(version.find(Utf16Bytes(L"Velmora\x672c\x5730\x7f51\x7edc\x8bbe\x7f6e")),
            std::string::npos);
}

TEST_F(ProgramResources, IsAWindowsGuiProgram) {
  const auto base = reinterpret_cast<const BYTE*>(reinterpret_cast<ULONG_PTR>(module_) & ~3);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
}  // namespace velmora::test
