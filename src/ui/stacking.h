#pragma once
#include "ui/window_description.h"

// For each control in description order: the index of the control it is
// placed directly below (the nearest earlier one in the same container), or
// -1 when it goes to the top of its siblings. anchors holds controlCount ints.
void stackingAnchors(const WindowDescription& description, int* anchors);
