#pragma once
#include <ostream>

#include "geometry.h"

// Lets failures print boxes as left,top,right,bottom.
inline std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "{" << box.left << "," << box.top << "," << box.right << "," << box.bottom << "}";
}
