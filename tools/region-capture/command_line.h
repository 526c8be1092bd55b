#pragma once
#include "geometry.h"

// What the tool was asked to do. Started without arguments it copies the
// chosen box to the clipboard.
struct Options {
    bool help = false;
    bool valid = true;
    const char* error = nullptr;       // why the arguments were not understood
    char outPath[260] = "";            // --out PATH: save there instead of copying
    bool hasRegion = false;            // --region X,Y,W,H on the virtual screen
    Box region{0, 0, 0, 0};
};

// Reads a whole Windows command line, program name first.
Options parseCommandLine(const char* commandLine);
