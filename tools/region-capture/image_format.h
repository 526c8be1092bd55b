#pragma once

enum class ImageFormat { Unknown, Png, Jpeg, Bmp };

// The format a file name's extension asks for (case does not matter).
ImageFormat formatForPath(const char* path);
// The extension written for a format, with its dot.
const char* extensionOf(ImageFormat format);

// A file name for a capture taken at the given local time, e.g.
// "截图_20240131_235959.png"; writes at most size bytes.
void defaultFileName(char* name, int size, int year, int month, int day, int hour, int minute, int second);
