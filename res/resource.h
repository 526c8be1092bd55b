#pragma once
// Resource identifiers, grouped by kind.

// Icons: 1..
#define IDI_APP 1

// Button pictures: 100..
#define IDB_MINIMISE_NORMAL 101
#define IDB_MINIMISE_HOVER 102
#define IDB_MINIMISE_PRESSED 103
#define IDB_CLOSE_NORMAL 111
#define IDB_CLOSE_HOVER 112
#define IDB_CLOSE_PRESSED 113

// Embedded programs: 200..
#define IDR_CAPTURE_TOOL 200
