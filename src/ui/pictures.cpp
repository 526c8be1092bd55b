#include <windows.h>

#include "ui/window_layer_state.h"

// One image of an icon group resource, at the given square size, made with
// CreateIconFromResourceEx from the image's own bytes.
UniqueIcon loadIconImage(WORD iconGroupId, int size) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(iconGroupId), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    if (group == nullptr) return UniqueIcon();
    const HGLOBAL groupData = LoadResource(module, group);
    if (groupData == nullptr) return UniqueIcon();
    const int imageId = LookupIconIdFromDirectoryEx(static_cast<PBYTE>(LockResource(groupData)), TRUE,
                                                    size, size, LR_DEFAULTCOLOR);
    const HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));  // RT_ICON
    if (image == nullptr) return UniqueIcon();
    const HGLOBAL imageData = LoadResource(module, image);
    if (imageData == nullptr) return UniqueIcon();
    return UniqueIcon(CreateIconFromResourceEx(static_cast<PBYTE>(LockResource(imageData)),
                                               SizeofResource(module, image), TRUE, 0x00030000, size,
                                               size, LR_DEFAULTCOLOR));
}

UniqueBitmap loadBitmapPicture(WORD bitmapId) {
    return UniqueBitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}
