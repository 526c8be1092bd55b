#pragma once
#include "geometry.h"

// The magnifier shows MAGNIFIED_SPAN × MAGNIFIED_SPAN pixels around the
// pointer, each ZOOM times larger, with two lines of colour text below.
constexpr int MAGNIFIED_SPAN = 15;
constexpr int ZOOM = 8;
constexpr int MAGNIFIER_TEXT_HEIGHT = 36;
constexpr int MAGNIFIER_GAP = 20;

// The canvas pixels the magnifier enlarges (may reach past the canvas edge).
Box magnifiedSource(Point pointer);
// Where the magnifier goes: below right of the pointer, or mirrored to the
// other side where that would leave the canvas.
Box magnifierPlacement(Point pointer, const Box& canvas);
// "RGB(r, g, b)" and "#RRGGBB" for a 0x00RRGGBB colour.
void colourTexts(unsigned rgb, char* decimal, char* hex);
