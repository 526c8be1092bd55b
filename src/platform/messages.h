#pragma once
#include <windows.h>

// Private window messages of the window layer.
constexpr UINT WM_DESTROY_REQUEST = WM_APP + 0x65;  // 0x8065: carry out a deferred destroy
constexpr UINT WM_FEEDBACK = WM_APP + 0x75;         // 0x8075: raise a control's feedback event
