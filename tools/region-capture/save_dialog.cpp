#include "save_dialog.h"

#include <commdlg.h>
#include <shlobj.h>

#include "image_format.h"
#include "texts.h"
#include "win32_handles.h"

namespace {

using GetSaveFileNameFn = BOOL(WINAPI*)(OPENFILENAMEA*);
using GetFolderPathFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// comdlg32 and shell32 are loaded only when the user saves: most captures
// never need them, and loading them would slow every start.
void picturesFolder(char* folder) {
    folder[0] = '\0';
    Library shell32(LoadLibraryA("shell32.dll"));
    if (!shell32) return;
    const auto getFolderPath =
        reinterpret_cast<GetFolderPathFn>(reinterpret_cast<void*>(GetProcAddress(shell32.get(), "SHGetFolderPathA")));
    if (!getFolderPath || FAILED(getFolderPath(nullptr, CSIDL_MYPICTURES, nullptr, 0, folder))) folder[0] = '\0';
}

const ImageFormat FILTER_FORMATS[] = {ImageFormat::Png, ImageFormat::Jpeg, ImageFormat::Bmp};

}  // namespace

bool askSavePath(HWND owner, char* path, int size) {
    Library comdlg32(LoadLibraryA("comdlg32.dll"));
    if (!comdlg32) return false;
    const auto getSaveFileName = reinterpret_cast<GetSaveFileNameFn>(
        reinterpret_cast<void*>(GetProcAddress(comdlg32.get(), "GetSaveFileNameA")));
    if (!getSaveFileName) return false;

    char folder[MAX_PATH];
    picturesFolder(folder);
    SYSTEMTIME now;
    GetLocalTime(&now);
    defaultFileName(path, size, now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = SAVE_FILTER;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = size;
    dialog.lpstrInitialDir = folder[0] ? folder : nullptr;
    dialog.lpstrDefExt = "png";
    dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!getSaveFileName(&dialog)) return false;

    // A name without a known extension gets the one of the chosen file type.
    if (formatForPath(path) == ImageFormat::Unknown) {
        const DWORD index = dialog.nFilterIndex >= 1 && dialog.nFilterIndex <= 3 ? dialog.nFilterIndex : 1;
        const char* extension = extensionOf(FILTER_FORMATS[index - 1]);
        if (lstrlenA(path) + lstrlenA(extension) < size) lstrcatA(path, extension);
    }
    return true;
}
