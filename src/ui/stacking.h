#pragma once
#include <vector>

#include "ui/window_description.h"

// For each control in description order: the index of the control it is
// placed directly below (the nearest earlier one in the same container), or
// -1 when it goes to the top of its siblings.
std::vector<int> stackingAnchors(const WindowDescription& description);
