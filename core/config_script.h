// The Windows Script Host script that sets the five values on every IP-enabled adapter
// through WMI, and its file beside the program.
#pragma once

#include "core/program_files.h"
#include "core/settings.h"

namespace velmora {

// "\Velmora本地网络设置.VBS", GBK.
extern const char kScriptFileName[];

// The script text with the values inserted exactly as given: no trimming, no escaping.
// Check IsSafeForScript first; a quote or line break in a value ends up in the script.
Text BuildScript(const Settings& values);

enum class LaunchResult {
  kLaunched,     // written in full and taken by the shell
  kNotWritten,   // the file could not be written in full; nothing was launched
  kNotLaunched,  // written, but the shell did not take it
};

// Writes the script file and hands it to the shell. A file that was not written in full
// is not launched: an older script left there would run with old values.
LaunchResult WriteAndLaunch(const Text& script, ProgramFiles& files);

// Deletes the script file; quiet when there is none.
void RemoveScript(ProgramFiles& files);

}  // namespace velmora
