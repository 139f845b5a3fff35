// The Windows shell's ShellExecute (Windows only).
#pragma once

namespace velmora {

// Hands `target` (a file or a web address) to the shell with the verb (null: the file
// type's default action) and does not wait. True when the shell took it (result above 32).
// shell32 is loaded on the first call only: it is a large library with many dependencies,
// and most runs of the program never need it, so loading it at start-up would cost time.
bool ShellOpen(const wchar_t* verb, const wchar_t* target, const wchar_t* directory);

}  // namespace velmora
