#pragma once
#include <string>

// Makes a program the prefix's handler of https addresses for the life of the
// object, then puts back what was there. Under Wine 8 the command under
// HKEY_CLASSES_ROOT\https\shell\open\command is all ShellExecuteA needs: it
// runs it directly with the address for %1, without going through winebrowser.
class HttpsHandler {
public:
    explicit HttpsHandler(const std::string& programPath);
    ~HttpsHandler();
    HttpsHandler(const HttpsHandler&) = delete;
    HttpsHandler& operator=(const HttpsHandler&) = delete;

private:
    struct Saved {
        bool existed = false;
        std::string command;
    } saved_;
};
