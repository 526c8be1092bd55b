#include "capture/tool_deployment.h"

#include <windows.h>

#include "res/resource.h"

const char CAPTURE_TOOL_PATH[] = "C:\\WINDOWS\\qqscr.exe";

ByteBlock captureToolImage() {
    // Resources live as long as the module and need no release.
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(IDR_CAPTURE_TOOL), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (resource == nullptr) return {nullptr, 0};
    const HGLOBAL data = LoadResource(module, resource);
    if (data == nullptr) return {nullptr, 0};
    return {LockResource(data), SizeofResource(module, resource)};
}

void deployCaptureTool(const char* path, ByteBlock image, ToolWriter writer) {
    if (fileExists(path)) return;  // whatever is there stays, file or folder
    if (image.size == 0) return;   // nothing to deploy
    // A half-written tool would be kept and run by every later start.
    if (!writer(path, &image, 1)) DeleteFileA(path);
}
