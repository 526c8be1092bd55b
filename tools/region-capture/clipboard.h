#pragma once
#include <windows.h>

#include "picture.h"

enum class CopyResult { Copied, Busy, Failed };

// Puts the box on the clipboard as CF_DIB and as the registered "PNG"
// format, with owner (one of our windows) as the clipboard's owner. While
// another program holds the clipboard open, tries again for about a second.
CopyResult copyToClipboard(HWND owner, const Picture& picture, const Box& box);
