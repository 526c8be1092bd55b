#include "https_handler.h"

#include <windows.h>

namespace {

const char COMMAND_KEY[] = "https\\shell\\open\\command";

bool readDefault(const char* subKey, std::string& value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    char buffer[1024];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const bool ok = RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) ==
                    ERROR_SUCCESS;
    if (ok) value.assign(buffer, size ? size - 1 : 0);
    RegCloseKey(key);
    return ok;
}

void writeString(const char* subKey, const char* name, const std::string& value) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

}  // namespace

HttpsHandler::HttpsHandler(const std::string& programPath) {
    saved_.existed = readDefault(COMMAND_KEY, saved_.command);
    writeString("https", "URL Protocol", "");
    writeString(COMMAND_KEY, nullptr, "\"" + programPath + "\" %1");
}

HttpsHandler::~HttpsHandler() {
    if (saved_.existed)
        writeString(COMMAND_KEY, nullptr, saved_.command);
    else
        RegDeleteKeyA(HKEY_CLASSES_ROOT, COMMAND_KEY);
}
