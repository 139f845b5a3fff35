// The file system and shell calls the core needs, for files addressed as a directory
// (GBK, no trailing separator; empty: the running program's directory, looked up anew
// each time) followed by a fixed name that begins with a backslash.
#pragma once

#include <string>
#include <string_view>

#include "core/text.h"

namespace velmora {

enum class ReadResult { kRead, kMissing, kFailed };

// The whole file into `bytes`; kMissing when there is no such file, kFailed when it is
// there but cannot be read (a directory, locked by another program).
ReadResult ReadFileBytes(const Text& directory, const Text& name, std::string* bytes);

// Creates or empties the file, unshared while open, and writes all bytes.
// True only when every byte was written and the file closed.
bool WriteFileBytes(const Text& directory, const Text& name, std::string_view bytes);

// Deletes the file; a missing file is no error.
void DeleteFileQuietly(const Text& directory, const Text& name);

// Hands the file to the shell's default action for its type, without waiting.
// True when the shell took it; false where there is no such shell.
bool LaunchFile(const Text& directory, const Text& name);

}  // namespace velmora
