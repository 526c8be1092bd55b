#include "command_line.h"

#include <string.h>

namespace {

// Copies the next argument, with Windows quoting, into word; returns the
// rest of the line or nullptr when there is none.
const char* nextWord(const char* line, char* word, int size) {
    while (*line == ' ' || *line == '\t') ++line;
    if (!*line) return nullptr;
    int length = 0;
    bool quoted = false;
    for (; *line && (quoted || (*line != ' ' && *line != '\t')); ++line) {
        if (*line == '"') {
            quoted = !quoted;
            continue;
        }
        if (length < size - 1) word[length++] = *line;
    }
    word[length] = '\0';
    return line;
}

bool readInt(const char*& text, int& value) {
    bool negative = false;
    if (*text == '-' || *text == '+') negative = *text++ == '-';
    if (*text < '0' || *text > '9') return false;
    long long number = 0;
    while (*text >= '0' && *text <= '9') {
        number = number * 10 + (*text++ - '0');
        if (number > 1000000) return false;
    }
    value = static_cast<int>(negative ? -number : number);
    return true;
}

bool readRegion(const char* text, Box& region) {
    int values[4];
    for (int i = 0; i < 4; ++i) {
        if (!readInt(text, values[i])) return false;
        if (i < 3 && *text++ != ',') return false;
    }
    if (*text || values[2] <= 0 || values[3] <= 0) return false;
    region = boxOfSize(values[0], values[1], values[2], values[3]);
    return true;
}

Options invalid(const char* why) {
    Options options;
    options.valid = false;
    options.error = why;
    return options;
}

}  // namespace

Options parseCommandLine(const char* commandLine) {
    Options options;
    char word[sizeof options.outPath];
    const char* rest = nextWord(commandLine ? commandLine : "", word, sizeof word);  // the program
    while (rest && (rest = nextWord(rest, word, sizeof word)) != nullptr) {
        if (strcmp(word, "--help") == 0 || strcmp(word, "/?") == 0) {
            options.help = true;
        } else if (strcmp(word, "--out") == 0) {
            rest = nextWord(rest, options.outPath, sizeof options.outPath);
            if (!rest || !options.outPath[0]) return invalid("--out needs a file path");
        } else if (strcmp(word, "--region") == 0) {
            rest = nextWord(rest, word, sizeof word);
            if (!rest || !readRegion(word, options.region)) return invalid("--region needs X,Y,W,H");
            options.hasRegion = true;
        } else {
            return invalid("unknown argument");
        }
    }
    return options;
}
