#include <gtest/gtest.h>

#include <vector>

#include "process_gdi_objects.h"
#include "shown_launcher.h"

TEST(ProcessGdiObjects, CountsTheObjectsAProcessMakesAndFrees) {
    const long before = processGdiObjects(GetCurrentProcess());
    ASSERT_GT(before, 0);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 100; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_EQ(processGdiObjects(GetCurrentProcess()), before + 100);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    EXPECT_EQ(processGdiObjects(GetCurrentProcess()), before);
}

class LauncherRepaints : public ShownLauncher {};

TEST_F(LauncherRepaints, LeaveTheGdiObjectCountFlat) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, launcher.id());
    ASSERT_NE(process, nullptr);
    const auto repaint = [&](int times) {
        for (int i = 0; i < times; ++i)
            RedrawWindow(windows.main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    repaint(20);  // the first paints may set up caches
    const long baseline = processGdiObjects(process);
    ASSERT_GT(baseline, 0);
    std::vector<long> counts;
    for (int round = 0; round < 4; ++round) {
        repaint(500);
        counts.push_back(processGdiObjects(process));
    }
    // Each paint went through: no control is left with a pending update.
    for (HWND control : windows.controls) {
        SCOPED_TRACE(GetDlgCtrlID(control));
        EXPECT_FALSE(GetUpdateRect(control, nullptr, FALSE));
    }
    for (long count : counts) EXPECT_LE(count, baseline + 4) << "baseline " << baseline;
    CloseHandle(process);
}
