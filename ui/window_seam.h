// Everything a command of the main window touches outside itself: the window's controls,
// message boxes and the shell's "open" for web addresses.
#pragma once

#include "core/text.h"

namespace velmora {

enum class Control {
  kEdit1,
  kEdit2,
  kEdit3,
  kEdit4,
  kEdit5,  // the five settings, in order
  kCombo,  // the preset list
  kApply,  // "设置网络设置"
  kSave,   // "保存自定义配置"
};

// Message-box icons, as MessageBox flags.
enum class MessageIcon : unsigned { kStop = 16, kInformation = 64 };

class WindowSeam {
 public:
  virtual ~WindowSeam() = default;

  // Control texts are GBK.
  virtual Text GetText(Control control) = 0;
  virtual void SetText(Control control, const Text& text) = 0;
  // The combo box's selected list index, -1 when none.
  virtual int SelectedIndex() = 0;
  virtual void Enable(Control control, bool enabled) = 0;
  // Requests the window's destruction; it happens after the current command returns.
  virtual void PostDestroy() = 0;
  // A task-modal box with an OK button and no owner; returns when it is closed.
  virtual void ShowMessage(const Text& text, const Text& title, MessageIcon icon) = 0;
  // Opens a web address in the default browser and does not wait.
  virtual void OpenAddress(const Text& address) = 0;
};

}  // namespace velmora
