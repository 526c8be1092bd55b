#pragma once
#include <windows.h>

// The number of live GDI objects of a process, read from its GDI handle table
// (PEB::GdiSharedHandleTable), which Wine keeps per process: the entries whose
// type is not zero. -1 when the table cannot be read. GetGuiResources is no
// help under Wine: it is a stub that returns 0.
long processGdiObjects(HANDLE process);
