#pragma once
#include "platform/files.h"

// Where the capture tool lives; also its whole command line.
extern const char CAPTURE_TOOL_PATH[];

// The tool's executable image, embedded in the program; empty when the
// program carries none.
ByteBlock captureToolImage();

// How the tool is written; a parameter so that a failing disk can be stood in.
using ToolWriter = bool (*)(const char* path, const ByteBlock* blocks, size_t blockCount);

// Writes the tool to path unless something of that name exists. A write that
// fails leaves no partial file behind, so the next start tries again.
void deployCaptureTool(const char* path = CAPTURE_TOOL_PATH, ByteBlock image = captureToolImage(),
                       ToolWriter writer = writeFile);
