#include "ui/stacking.h"

std::vector<int> stackingAnchors(const WindowDescription& description) {
    std::vector<int> anchors(description.controlCount, -1);
    for (int i = 0; i < description.controlCount; ++i) {
        for (int j = i - 1; j >= 0; --j) {
            if (description.controls[j].container == description.controls[i].container) {
                anchors[i] = j;
                break;
            }
        }
    }
    return anchors;
}
