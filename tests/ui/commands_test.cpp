// The window's commands against recording seams: what each one does to the controls,
// the files beside the program, the settings file, message boxes and the browser.
#include "ui/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/config_script.h"
#include "core/settings.h"
#include "tests/support/gbk.h"

namespace velmora {
namespace {

using test::Gbk;

// Records every effect outside the command, in order, as one line each.
using Events = std::vector<std::string>;

class FakeWindow : public WindowSeam {
 public:
  explicit FakeWindow(Events& events) : events_(events) {
    const Settings initial = InitialSettings();
    for (int i = 0; i < kSettingCount; ++i) texts[static_cast<Control>(i)] = initial[i];
  }
  Text GetText(Control control) override { return texts[control]; }
  void SetText(Control control, const Text& text) override { texts[control] = text; }
  int SelectedIndex() override { return selected; }
  void Enable(Control control, bool enabled) override {
    if (control == Control::kSave) save_enabled = enabled;
    events_.push_back("enable " + std::to_string(static_cast<int>(control)) + " " +
                      (enabled ? "on" : "off"));
  }
  void PostDestroy() override { events_.push_back("destroy"); }
  void ShowMessage(const Text& text, const Text& title, MessageIcon icon) override {
    events_.push_back("message " + title + " " + text + " " +
                      std::to_string(static_cast<unsigned>(icon)));
  }
  void OpenAddress(const Text& address) override { events_.push_back("open " + address); }

  Settings Boxes() {
    Settings values;
    for (int i = 0; i < kSettingCount; ++i) values[i] = texts[static_cast<Control>(i)];
    return values;
  }
  void SetBoxes(const Settings& values) {
    for (int i = 0; i < kSettingCount; ++i) texts[static_cast<Control>(i)] = values[i];
  }

  std::map<Control, Text> texts;
  int selected = -1;
  bool save_enabled = false;

 private:
  Events& events_;
};

class FakeFiles : public ProgramFiles {
 public:
  explicit FakeFiles(Events& events) : events_(events) {}
  bool Write(const Text& name, std::string_view bytes) override {
    events_.push_back("write " + name);
    if (!writes_work) return false;
    files[name] = std::string(bytes);
    return true;
  }
  void Delete(const Text& name) override { files.erase(name); }
  bool Launch(const Text& name) override {
    events_.push_back("launch " + name);
    return shell_takes_it;
  }

  std::map<Text, std::string> files;
  bool writes_work = true;
  bool shell_takes_it = true;

 private:
  Events& events_;
};

class FakeSettingsFile : public ProfileStrings {
 public:
  explicit FakeSettingsFile(Events& events) : events_(events) {}
  Text Read(const Text& section, const Text& key) override { return values[section + "|" + key]; }
  bool Write(const Text& section, const Text& key, const Text& value) override {
    events_.push_back("store " + section);
    if (failing_writes > 0) {
      --failing_writes;
      return false;
    }
    values[section + "|" + key] = value;
    return true;
  }

  std::map<std::string, Text> values;
  int failing_writes = 0;

 private:
  Events& events_;
};

const std::string kError = Gbk("错误！");
const std::string kHelpPage = "open " + std::string(kForumAddress) + "/thread-12518-1-1.html";
const std::string kScriptWrite = "write " + std::string(kScriptFileName);
const std::string kScriptLaunch = "launch " + std::string(kScriptFileName);
const std::string kSaveOn = "enable " + std::to_string(static_cast<int>(Control::kSave)) + " on";
const std::string kSaveOff = "enable " + std::to_string(static_cast<int>(Control::kSave)) + " off";

std::string Message(const char* title, const char* text, MessageIcon icon) {
  return "message " + Gbk(title) + " " + Gbk(text) + " " +
         std::to_string(static_cast<unsigned>(icon));
}

class Commands : public ::testing::Test {
 protected:
  Events events_;
  FakeWindow window_{events_};
  FakeFiles files_{events_};
  FakeSettingsFile settings_file_{events_};
  CommandSeams seams_{window_, files_, settings_file_};
};

TEST_F(Commands, ChoosingAnEntryFillsTheBoxesAndSetsSave) {
  settings_file_.values[std::string("1|") + Gbk("IP地址")] = "10.0.0.7";
  settings_file_.values[std::string("1|") + Gbk("备用DNS")] = "1.0.0.1";
  struct Case {
    int index;
    Settings boxes;
    Events events;
  };
  const Settings initial = InitialSettings();
  const Case cases[] = {
      {-1, initial, {}},
      {0, {"192.168.1.133", "255.255.255.0", "192.168.1.1", "8.8.8.8", "8.8.4.4"}, {kSaveOff}},
      {1,
       {"192.168.1.133", "255.255.255.0", "192.168.1.1", "202.103.24.68", "202.103.0.68"},
       {kSaveOff}},
      {2, {"10.0.0.7", "", "", "", "1.0.0.1"}, {kSaveOn}},
      {3, {"", "", "", "", ""}, {kSaveOn}},  // nothing stored: every box emptied
      {4, initial, {kHelpPage}},
      {5, initial, {}},
  };
  for (const Case& c : cases) {
    window_.SetBoxes(initial);
    window_.selected = c.index;
    events_.clear();
    PresetChosen(seams_);
    EXPECT_EQ(window_.Boxes(), c.boxes) << c.index;
    EXPECT_EQ(events_, c.events) << c.index;
  }
}

TEST_F(Commands, ApplyWithoutPreferredDnsSaysSoOpensHelpAndWritesNothing) {
  window_.texts[Control::kEdit4] = "";
  Apply(seams_);
  EXPECT_EQ(events_, (Events{Message("错误！", "修改错误！请填写首选DNS服务器", MessageIcon::kStop),
                             kHelpPage}));
}

TEST_F(Commands, ApplyWritesLaunchesAndThenReportsSuccess) {
  struct Case {
    const char* name;
    Settings boxes;
  };
  const Case cases[] = {
      {"typed values", {"10.1.1.5", "255.255.255.0", "10.1.1.1", "8.8.8.8", "8.8.4.4"}},
      {"all but the preferred DNS server empty", {"", "", "", "8.8.8.8", ""}},
      {"a preferred DNS server of blanks passes", {"1", "2", "3", "  ", "5"}},
      {"Chinese text is no reason to refuse", {Gbk("地址"), "", "", Gbk("电信"), ""}},
  };
  for (const Case& c : cases) {
    window_.SetBoxes(c.boxes);
    events_.clear();
    Apply(seams_);
    EXPECT_EQ(files_.files[kScriptFileName], BuildScript(c.boxes)) << c.name;
    EXPECT_EQ(events_,
              (Events{kScriptWrite, kScriptLaunch,
                      Message("成功！", "修改成功！请查看本地连接", MessageIcon::kInformation)}))
        << c.name;
  }
}

TEST_F(Commands, ApplyRefusesValuesThatWouldBreakOutOfTheScript) {
  for (int box = 0; box < kSettingCount; ++box) {
    for (const char* bad : {"8.8.8.8\"", "8.8.8.8\r\nCreateObject(1)", "\t"}) {
      Settings values = {"10.1.1.5", "255.255.255.0", "10.1.1.1", "8.8.8.8", "8.8.4.4"};
      values[box] = bad;
      window_.SetBoxes(values);
      events_.clear();
      Apply(seams_);
      EXPECT_EQ(events_, (Events{Message("错误！", "修改错误！设置值中不能含有双引号或控制字符",
                                         MessageIcon::kStop)}))
          << "box " << box;
    }
  }
  EXPECT_TRUE(files_.files.empty());
}

TEST_F(Commands, ApplyReportsAScriptThatWasNotWrittenOrNotTaken) {
  window_.texts[Control::kEdit4] = "8.8.8.8";
  const std::string failed =
      Message("错误！", "修改失败！无法写入或运行网络设置脚本", MessageIcon::kStop);

  files_.writes_work = false;
  Apply(seams_);
  EXPECT_EQ(events_, (Events{kScriptWrite, failed}));

  files_.writes_work = true;
  files_.shell_takes_it = false;
  events_.clear();
  Apply(seams_);
  EXPECT_EQ(events_, (Events{kScriptWrite, kScriptLaunch, failed}));
}

TEST_F(Commands, SaveStoresTheBoxesInTheSelectedCustomSlotOnly) {
  const Settings edited = {"10.9.9.9", "255.0.0.0", "10.9.9.1", "9.9.9.9", ""};
  window_.SetBoxes(edited);
  for (int index : {-1, 0, 1, 4, 5}) {
    window_.selected = index;
    Save(seams_);
  }
  EXPECT_TRUE(events_.empty());

  window_.selected = 2;
  Save(seams_);
  EXPECT_EQ(events_, Events(5, "store 1"));

  window_.selected = 3;
  window_.texts[Control::kEdit1] = "10.2.2.2";
  Save(seams_);

  // Choosing the entries again shows what was stored.
  window_.selected = 2;
  PresetChosen(seams_);
  EXPECT_EQ(window_.Boxes(), edited);
  window_.selected = 3;
  PresetChosen(seams_);
  EXPECT_EQ(window_.Boxes(), (Settings{"10.2.2.2", "255.0.0.0", "10.9.9.1", "9.9.9.9", ""}));
}

TEST_F(Commands, SaveThatFailsSaysSoAfterTryingEveryKey) {
  window_.selected = 3;
  settings_file_.failing_writes = 1;
  Save(seams_);
  Events expected(5, "store 2");
  expected.push_back(Message("错误！", "保存失败！无法写入配置文件", MessageIcon::kStop));
  EXPECT_EQ(events_, expected);
  // The keys after the failed one were still written.
  EXPECT_EQ(settings_file_.values[std::string("2|") + Gbk("备用DNS")], "");
  EXPECT_EQ(settings_file_.values.size(), 4u);
}

TEST_F(Commands, ExitAndThePagesOfTheMenu) {
  Exit(seams_);
  OpenPage(seams_, Page::kUpdate);
  OpenPage(seams_, Page::kAbout);
  const std::string forum = kForumAddress;
  EXPECT_EQ(events_, (Events{"destroy", "open " + forum + "/thread-12519-1-1.html",
                             "open " + forum + "/thread-9282-1-1.html"}));
  EXPECT_EQ(forum.rfind("http://", 0), 0u);
}

}  // namespace
}  // namespace velmora
