#include "ui/stacking.h"

void stackingAnchors(const WindowDescription& description, int* anchors) {
    for (int i = 0; i < description.controlCount; ++i) {
        anchors[i] = -1;
        for (int j = i - 1; j >= 0; --j) {
            if (description.controls[j].container == description.controls[i].container) {
                anchors[i] = j;
                break;
            }
        }
    }
}
