#include "ui/commands.h"

#include "core/config_script.h"
#include "core/preset_store.h"
#include "core/settings.h"

namespace velmora {

const char kForumAddress[] = "http://bbs.velmora.cn";

namespace {

const char kErrorTitle[] = "\xb4\xed\xce\xf3\xa3\xa1";    // 错误！
const char kSuccessTitle[] = "\xb3\xc9\xb9\xa6\xa3\xa1";  // 成功！
// 修改错误！请填写首选DNS服务器
const char kNoPreferredDns[] =
    "\xd0\xde\xb8\xc4\xb4\xed\xce\xf3\xa3\xa1\xc7\xeb\xcc\xee\xd0\xb4\xca\xd7\xd1\xa1"
    "DNS\xb7\xfe\xce\xf1\xc6\xf7";
// 修改成功！请查看本地连接
const char kApplied[] =
    "\xd0\xde\xb8\xc4\xb3\xc9\xb9\xa6\xa3\xa1\xc7\xeb\xb2\xe9\xbf\xb4\xb1\xbe\xb5\xd8\xc1\xac"
    "\xbd\xd3";
// 修改错误！设置值中不能含有双引号或控制字符
const char kUnsafeValue[] =
    "\xd0\xde\xb8\xc4\xb4\xed\xce\xf3\xa3\xa1\xc9\xe8\xd6\xc3\xd6\xb5\xd6\xd0\xb2\xbb\xc4\xdc"
    "\xba\xac\xd3\xd0\xcb\xab\xd2\xfd\xba\xc5\xbb\xf2\xbf\xd8\xd6\xc6\xd7\xd6\xb7\xfb";
// 修改失败！无法写入或运行网络设置脚本
const char kNotApplied[] =
    "\xd0\xde\xb8\xc4\xca\xa7\xb0\xdc\xa3\xa1\xce\xde\xb7\xa8\xd0\xb4\xc8\xeb\xbb\xf2\xd4\xcb"
    "\xd0\xd0\xcd\xf8\xc2\xe7\xc9\xe8\xd6\xc3\xbd\xc5\xb1\xbe";
// 保存失败！无法写入配置文件
const char kNotSaved[] =
    "\xb1\xa3\xb4\xe6\xca\xa7\xb0\xdc\xa3\xa1\xce\xde\xb7\xa8\xd0\xb4\xc8\xeb\xc5\xe4\xd6\xc3"
    "\xce\xc4\xbc\xfe";

// The edit boxes of the five settings, in order.
const Control kSettingBoxes[kSettingCount] = {Control::kEdit1, Control::kEdit2, Control::kEdit3,
                                              Control::kEdit4, Control::kEdit5};

Settings ReadBoxes(WindowSeam& window) {
  Settings values;
  for (int i = 0; i < kSettingCount; ++i) values[i] = window.GetText(kSettingBoxes[i]);
  return values;
}

void FillBoxes(WindowSeam& window, const Settings& values) {
  for (int i = 0; i < kSettingCount; ++i) window.SetText(kSettingBoxes[i], values[i]);
}

}  // namespace

Text PageAddress(Page page) {
  switch (page) {
    case Page::kHelp:
      return Join({kForumAddress, "/thread-12518-1-1.html"});
    case Page::kUpdate:
      return Join({kForumAddress, "/thread-12519-1-1.html"});
    case Page::kAbout:
      return Join({kForumAddress, "/thread-9282-1-1.html"});
  }
  return {};
}

void PresetChosen(CommandSeams& seams) {
  const int index = seams.window.SelectedIndex();
  switch (KindOf(index)) {
    case PresetKind::kBuiltIn:
      FillBoxes(seams.window, BuiltInValues(index));
      break;
    case PresetKind::kCustomSlot:
      FillBoxes(seams.window, LoadSlot(SlotOf(index), seams.settings_file));
      break;
    case PresetKind::kHelpLink:
      OpenPage(seams, Page::kHelp);
      break;
    case PresetKind::kNone:
      return;
  }
  const SaveState save = SaveStateAfter(index);
  if (save != SaveState::kUnchanged)
    seams.window.Enable(Control::kSave, save == SaveState::kEnabled);
}

void Apply(CommandSeams& seams) {
  if (seams.window.GetText(Control::kEdit4).empty()) {
    seams.window.ShowMessage(kNoPreferredDns, kErrorTitle, MessageIcon::kStop);
    OpenPage(seams, Page::kHelp);
    return;
  }
  const Settings values = ReadBoxes(seams.window);
  // A quote or a line break would end the script's string literal and run as code.
  if (!IsSafeForScript(values)) {
    seams.window.ShowMessage(kUnsafeValue, kErrorTitle, MessageIcon::kStop);
    return;
  }
  if (WriteAndLaunch(BuildScript(values), seams.files) == LaunchResult::kLaunched) {
    seams.window.ShowMessage(kApplied, kSuccessTitle, MessageIcon::kInformation);
  } else {
    seams.window.ShowMessage(kNotApplied, kErrorTitle, MessageIcon::kStop);
  }
}

void Save(CommandSeams& seams) {
  const int index = seams.window.SelectedIndex();
  if (KindOf(index) != PresetKind::kCustomSlot) return;
  if (!SaveSlot(SlotOf(index), ReadBoxes(seams.window), seams.settings_file)) {
    seams.window.ShowMessage(kNotSaved, kErrorTitle, MessageIcon::kStop);
  }
}

void Exit(CommandSeams& seams) { seams.window.PostDestroy(); }

void OpenPage(CommandSeams& seams, Page page) { seams.window.OpenAddress(PageAddress(page)); }

}  // namespace velmora
