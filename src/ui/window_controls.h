#pragma once
#include <cstdint>

#include "ui/window_description.h"

// The author's page, opened by the usage line.
extern const char AUTHOR_PAGE_ADDRESS[];

// Opens an address with its registered handler (normally the browser).
void openWebPage(const char* address);

void onMinimiseClicked();
void onCloseClicked();
PressResult onLinkLabelPressed(int32_t x, int32_t y, int32_t keyState);
