#pragma once
#include <string>

// Makes a program the prefix's handler of https addresses for the life of the
// object, then puts back what was there.
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
