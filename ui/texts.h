// The main window's own texts, GBK. The readable text follows each literal; a literal is
// split where an ASCII hex digit would otherwise run into the escape before it.
#pragma once

namespace velmora::texts {

inline constexpr char kTitle[] =
    "Velmora\xb1\xbe\xb5\xd8\xcd\xf8\xc2\xe7\xc9\xe8\xd6\xc3V1.3" /* Velmora本地网络设置V1.3 */;

inline constexpr char kIpLabel[] = "IP\xb5\xd8\xd6\xb7(I)\xa3\xba" /* IP地址(I)： */;
inline constexpr char kMaskLabel[] =
    "\xd7\xd3\xcd\xf8\xd1\xda\xc2\xeb(U)\xa3\xba" /* 子网掩码(U)： */;
inline constexpr char kGatewayLabel[] =
    "\xc4\xac\xc8\xcf\xcd\xf8\xb9\xd8(D)\xa3\xba" /* 默认网关(D)： */;
inline constexpr char kPresetLabel[] =
    "DNS\xb7\xfe\xce\xf1\xc6\xf7\xd1\xa1\xd4\xf1\xa3\xba" /* DNS服务器选择： */;
inline constexpr char kPreferredDnsLabel[] =
    "\xca\xd7\xd1\xa1 DNS \xb7\xfe\xce\xf1\xc6\xf7(P):" /* 首选 DNS 服务器(P): */;
inline constexpr char kAlternateDnsLabel[] =
    "\xb1\xb8\xd3\xc3 DNS \xb7\xfe\xce\xf1\xc6\xf7(A):" /* 备用 DNS 服务器(A): */;
inline constexpr char kVersionLabel[] = "V1.3";

// What the combo box's edit field shows before any entry is chosen.
inline constexpr char kPresetPrompt[] = "DNS";

inline constexpr char kApplyButton[] =
    "\xc9\xe8\xd6\xc3\xcd\xf8\xc2\xe7\xc9\xe8\xd6\xc3" /* 设置网络设置 */;
inline constexpr char kSaveButton[] =
    "\xb1\xa3\xb4\xe6\xd7\xd4\xb6\xa8\xd2\xe5\xc5\xe4\xd6\xc3" /* 保存自定义配置 */;

// The hidden menu and its items.
inline constexpr char kMenu[] = "\xb2\xcb\xb5\xa5" /* 菜单 */;
inline constexpr char kMenuExit[] = "\xcd\xcb\xb3\xf6" /* 退出 */;
inline constexpr char kMenuUpdate[] = "\xb1\xbe\xc8\xed\xbc\xfe\xb8\xfc\xd0\xc2" /* 本软件更新 */;
inline constexpr char kMenuAbout[] = "\xb9\xd8\xd3\xdaVelmora" /* 关于Velmora */;

// The face of the version label's font.
inline constexpr char kVersionFontFace[] = "\xcb\xce\xcc\xe5" /* 宋体 */;

}  // namespace velmora::texts
