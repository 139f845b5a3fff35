// The value check and the script builder on any five values. Every script is the fixed
// layout with the values in its five places; and for values the check accepts, each value
// stays inside its string literal: the script splits back into the six fixed pieces and
// exactly the five values, and holds no more double quotes or line breaks than the script
// of five empty values.
//
// Input: the five values, each a FuzzedDataProvider string (ended by a backslash and any
// other byte; two backslashes stand for one); the last one takes the rest.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/config_script.h"
#include "core/settings.h"
#include "fuzz/fuzz_check.h"

namespace velmora {
namespace {

// The script as the Windows Script Host gets it, written out line by line; the five values
// go where the placeholders stand.
constexpr std::string_view kLayout =
    "strComputer = \".\"\r\n"
    "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
    "\r\n"
    "Set colNetAdapters = objWMIService.ExecQuery _\r\n"
    "    (\"Select * from Win32_NetworkAdapterConfiguration Where IPEnabled=True\")\r\n"
    "\r\n"
    "strIPAddress = Array(\"{IP}\")\r\n"
    "strSubnetMask = Array(\"{MASK}\")\r\n"
    "\r\n"
    "For Each objNetAdapter in colNetAdapters\r\n"
    "    errEnable = objNetAdapter.EnableStatic(strIPAddress, strSubnetMask)\r\n"
    "Next\r\n"
    "Const STR_GATEWAY = \"{GATEWAY}\"\r\n"
    "Const STR_NEWDNS1 = \"{DNS1}\"\r\n"
    "Const STR_NEWDNS2 = \"{DNS2}\" \r\n"
    "Set fs=CreateObject(\"Scripting.FileSystemObject\")\r\n"
    "strWinMgmt=\"winmgmts:{impersonationLevel=impersonate}\"\r\n"
    "Set objNICs = GetObject( strWinMgmt ).InstancesOf(\"Win32_NetworkAdapterConfiguration\")\r\n"
    "For Each objNIC In objNICs\r\n"
    "If objNIC.IPEnabled Then\r\n"
    "objNIC.SetDNSServerSearchOrder Array(STR_NEWDNS1,STR_NEWDNS2)\r\n"
    "objNIC.SetGateways Array(STR_GATEWAY)\r\n"
    "End If\r\n"
    "Next";

constexpr std::array<std::string_view, kSettingCount> kPlaceholders = {
    "{IP}", "{MASK}", "{GATEWAY}", "{DNS1}", "{DNS2}"};

// The six fixed pieces of the layout, around the placeholders.
std::array<std::string_view, kSettingCount + 1> FixedPieces() {
  std::array<std::string_view, kSettingCount + 1> pieces;
  std::string_view rest = kLayout;
  for (int i = 0; i < kSettingCount; ++i) {
    const size_t at = rest.find(kPlaceholders[i]);
    FUZZ_CHECK(at != std::string_view::npos);
    pieces[i] = rest.substr(0, at);
    rest.remove_prefix(at + kPlaceholders[i].size());
  }
  pieces[kSettingCount] = rest;
  return pieces;
}

const std::array<std::string_view, kSettingCount + 1> kPieces = FixedPieces();

size_t CountOf(std::string_view text, char c) {
  return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

// Takes the script apart again: each value runs from the end of its fixed piece to the next
// double quote, where the following fixed piece must begin. False when the script does not
// split that way.
bool SplitScript(std::string_view script, Settings* values) {
  if (script.substr(0, kPieces[0].size()) != kPieces[0]) return false;
  script.remove_prefix(kPieces[0].size());
  for (int i = 0; i < kSettingCount; ++i) {
    const size_t quote = script.find('"');
    if (quote == std::string_view::npos) return false;
    (*values)[i] = Text(script.substr(0, quote));
    script.remove_prefix(quote);
    if (script.substr(0, kPieces[i + 1].size()) != kPieces[i + 1]) return false;
    script.remove_prefix(kPieces[i + 1].size());
  }
  return script.empty();
}

const Text kEmptyScript = BuildScript(Settings{});

}  // namespace
}  // namespace velmora

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velmora;
  static const bool layout_matches = [] {
    Settings values;
    return SplitScript(kEmptyScript, &values) && values == Settings{};
  }();
  FUZZ_CHECK(layout_matches);

  FuzzedDataProvider input(data, size);
  Settings values;
  for (int i = 0; i + 1 < kSettingCount; ++i) values[i] = input.ConsumeRandomLengthString();
  values[kSettingCount - 1] = input.ConsumeRemainingBytesAsString();

  const bool safe = IsSafeForScript(values);
  const Text script = BuildScript(values);
  size_t value_bytes = 0;
  for (const Text& value : values) value_bytes += value.size();
  FUZZ_CHECK(script.size() == kEmptyScript.size() + value_bytes);
  if (!safe) return 0;

  Settings split;
  FUZZ_CHECK(SplitScript(script, &split));
  FUZZ_CHECK(split == values);
  FUZZ_CHECK(CountOf(script, '"') == CountOf(kEmptyScript, '"'));
  FUZZ_CHECK(CountOf(script, '\n') == CountOf(kEmptyScript, '\n'));
  FUZZ_CHECK(CountOf(script, '\r') == CountOf(kEmptyScript, '\r'));
  return 0;
}
