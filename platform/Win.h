// Ids, notification codes and the message beep shared by every dialog, whatever host runs it.
#pragma once

inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
// Id of a control that nobody addresses (labels, group boxes).
inline constexpr int IDC_STATIC = -1;

using BOOL = int;
inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// Notification codes a dialog's message map reacts to.
inline constexpr int BN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int EN_KILLFOCUS = 0x0200;

// The beep that comes before every error dialog.
inline constexpr unsigned MB_ERRORBEEP = 5;

// Plays the system's message beep through the installed host; silent when there is none.
void MessageBeep(unsigned type);
