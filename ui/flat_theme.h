// Flat drawing of the thread's controls: edit boxes with a border, combo boxes and push
// buttons get a one-pixel frame in the scheme's colour and lose their 3D edges. Labels and
// every other control keep their own look.
#pragma once

#include <windows.h>

namespace velmora {

// Scheme 1, the only one the program uses: a greyish blue.
inline constexpr COLORREF kFlatScheme1Frame = RGB(123, 158, 189);

// Switches the flat drawing on for the calling thread: the controls that exist now are
// redrawn, and every control created later on the thread is drawn flat from the start.
// Only the first call has an effect; false for a scheme other than 1.
bool SwitchOnFlatTheme(int scheme);

}  // namespace velmora
