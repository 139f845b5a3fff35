// The commands run by the main window's events. They reach the window, the files beside
// the program and the settings file only through the seams they are given.
#pragma once

#include "core/program_files.h"
#include "core/profile_strings.h"
#include "ui/window_seam.h"

namespace velmora {

struct CommandSeams {
  WindowSeam& window;
  ProgramFiles& files;
  ProfileStrings& settings_file;
};

enum class Page { kHelp, kUpdate, kAbout };

// The forum the three pages live on.
extern const char kForumAddress[];
Text PageAddress(Page page);

// A list entry of the combo box was chosen.
void PresetChosen(CommandSeams& seams);
// "设置网络设置": check, build, write and launch the script, say how it went.
void Apply(CommandSeams& seams);
// "保存自定义配置": store the five boxes in the selected custom slot.
void Save(CommandSeams& seams);
// Menu item "退出".
void Exit(CommandSeams& seams);
// Menu items "本软件更新", "关于Velmora", and the help page.
void OpenPage(CommandSeams& seams, Page page);

}  // namespace velmora
