#include "core/config_script.h"

namespace velmora {

const char kScriptFileName[] =
    "\\Velmora\xb1\xbe\xb5\xd8\xcd\xf8\xc2\xe7\xc9\xe8\xd6\xc3.VBS";  // \Velmora本地网络设置.VBS

namespace {

// The six fixed pieces between the five values. CR LF line ends; the DNS2 line keeps its
// trailing space and the text ends in "Next" with no line break.
constexpr std::string_view kBeforeIp =
    "strComputer = \".\"\r\n"
    "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")\r\n"
    "\r\n"
    "Set colNetAdapters = objWMIService.ExecQuery _\r\n"
    "    (\"Select * from Win32_NetworkAdapterConfiguration Where IPEnabled=True\")\r\n"
    "\r\n"
    "strIPAddress = Array(\"";
constexpr std::string_view kBeforeMask =
    "\")\r\n"
    "strSubnetMask = Array(\"";
constexpr std::string_view kBeforeGateway =
    "\")\r\n"
    "\r\n"
    "For Each objNetAdapter in colNetAdapters\r\n"
    "    errEnable = objNetAdapter.EnableStatic(strIPAddress, strSubnetMask)\r\n"
    "Next\r\n"
    "Const STR_GATEWAY = \"";
constexpr std::string_view kBeforeDns1 =
    "\"\r\n"
    "Const STR_NEWDNS1 = \"";
constexpr std::string_view kBeforeDns2 =
    "\"\r\n"
    "Const STR_NEWDNS2 = \"";
constexpr std::string_view kAfterDns2 =
    "\" \r\n"
    "Set fs=CreateObject(\"Scripting.FileSystemObject\")\r\n"
    "strWinMgmt=\"winmgmts:{impersonationLevel=impersonate}\"\r\n"
    "Set objNICs = GetObject( strWinMgmt ).InstancesOf(\"Win32_NetworkAdapterConfiguration\")\r\n"
    "For Each objNIC In objNICs\r\n"
    "If objNIC.IPEnabled Then\r\n"
    "objNIC.SetDNSServerSearchOrder Array(STR_NEWDNS1,STR_NEWDNS2)\r\n"
    "objNIC.SetGateways Array(STR_GATEWAY)\r\n"
    "End If\r\n"
    "Next";

}  // namespace

Text BuildScript(const Settings& values) {
  return Join({kBeforeIp, values[kIpAddress], kBeforeMask, values[kSubnetMask], kBeforeGateway,
               values[kGateway], kBeforeDns1, values[kPreferredDns], kBeforeDns2,
               values[kAlternateDns], kAfterDns2});
}

LaunchResult WriteAndLaunch(const Text& script, ProgramFiles& files) {
  if (!files.Write(kScriptFileName, script)) return LaunchResult::kNotWritten;
  return files.Launch(kScriptFileName) ? LaunchResult::kLaunched : LaunchResult::kNotLaunched;
}

void RemoveScript(ProgramFiles& files) { files.Delete(kScriptFileName); }

}  // namespace velmora
