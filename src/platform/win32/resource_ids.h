#pragma once
// Resource numbers shared by the resource script and the code.
#define ORVEL_APP_ICON 1
// The second picture of the control panel's about page.
#define ORVEL_ABOUT_PORTRAIT 2

#ifdef __cplusplus
namespace orvel::win32 {
constexpr int kAppIconId = ORVEL_APP_ICON;
}
#endif
