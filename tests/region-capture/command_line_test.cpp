#include <gtest/gtest.h>

#include "box_printing.h"
#include "command_line.h"
#include "image_format.h"

namespace {

TEST(RegionCaptureCommandLine, ArgumentsAreReadOrRefused) {
    const struct {
        const char* line;
        bool valid, help;
        const char* out;
        bool hasRegion;
        Box region;
    } cases[] = {
        {"C:\\WINDOWS\\tool.exe", true, false, "", false, {}},
        {"\"C:\\Program Files\\tool.exe\"", true, false, "", false, {}},
        {"tool.exe --help", true, true, "", false, {}},
        {"tool.exe --out \"C:\\My Pictures\\a b.png\"", true, false, "C:\\My Pictures\\a b.png", false, {}},
        {"tool.exe --region -1280,-20,300,200", true, false, "", true, {-1280, -20, -980, 180}},
        {"tool.exe --region 1,2,3,4 --out x.bmp", true, false, "x.bmp", true, {1, 2, 4, 6}},
        {"tool.exe --region 1,2,3", false, false, "", false, {}},
        {"tool.exe --region 1,2,0,4", false, false, "", false, {}},
        {"tool.exe --region 1,2,3,4x", false, false, "", false, {}},
        {"tool.exe --out", false, false, "", false, {}},
        {"tool.exe --bogus", false, false, "", false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const Options options = parseCommandLine(c.line);
        EXPECT_EQ(options.valid, c.valid);
        if (!c.valid) continue;
        EXPECT_EQ(options.help, c.help);
        EXPECT_STREQ(options.outPath, c.out);
        EXPECT_EQ(options.hasRegion, c.hasRegion);
        if (c.hasRegion) {
            EXPECT_EQ(options.region, c.region);
        }
    }
}

TEST(RegionCaptureFormats, TheExtensionChoosesTheFormat) {
    const struct {
        const char* path;
        ImageFormat format;
    } cases[] = {
        {"a.png", ImageFormat::Png},       {"C:\\x\\A.PNG", ImageFormat::Png},  {"b.jpg", ImageFormat::Jpeg},
        {"b.JPEG", ImageFormat::Jpeg},     {"c.bmp", ImageFormat::Bmp},         {"noext", ImageFormat::Unknown},
        {"dir.png\\file", ImageFormat::Unknown}, {"d.gif", ImageFormat::Unknown},
    };
    for (const auto& c : cases) EXPECT_EQ(formatForPath(c.path), c.format) << c.path;
}

TEST(RegionCaptureFormats, DefaultNameHoldsDateAndTime) {
    char name[64];
    defaultFileName(name, sizeof name, 2024, 1, 31, 9, 5, 7);
    EXPECT_STREQ(name, "截图_20240131_090507.png");
}

}  // namespace
