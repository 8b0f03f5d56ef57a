#include <gtest/gtest.h>

#include <string>

#include "app/meter_lifecycle.h"
#include "fake_host.h"

namespace dorv {
namespace {

using test::CrLfLines;
using test::FakeMeter;

struct PlacementCase {
    const char* left;
    const char* top;
    const char* adjusted;
    int x, y;  // pixels where the dial ends up
};

// Screen 1024 x 768 pixels = 15360 x 11520 twips; the dial is 1500 twips square.
TEST(StartupPlacement, PullsTheDialBackOntoThePrimaryScreen) {
    const PlacementCase cases[] = {
        {"14360", "0", "1", 957, 0},  // W - 1000 stays: the sum equals W
        {"14361", "0", "1", 924, 0},  // W - 999 goes flush right
        {"-1200", "0", "1", 0, 0},
        {"-1000", "0", "1", -67, 0},       // exactly the margin stays
        {"-5000", "-5000", "0", -333, 0},  // horizontal only with adjusted_flg = 1; vertical always
        {"99999", "99999", "0", 6667, 668},
        {"20000", "0", "1", 924, 0},       // on a second monitor to the right
        {"1500", "10520", "1", 100, 701},  // H - 1000 stays
        {"1500", "10521", "1", 100, 668},
        {"", "", "1", 0, 0},
        {"left", "1500", "1", 0, 100},
        {"1230.5", "0", "1", 82, 0},
        // No window sits beyond 16-bit pixels: such an edge is out of range and the design position stands.
        {"491512", "0", "0", 32767, 0},
        {"491513", "0", "0", 0, 0},
        {"-491520", "0", "0", -32768, 0},
        {"-491528", "0", "0", 0, 0},
        {"1e12", "1e12", "0", 0, 0},
        {"1e38", "-1e38", "1", 0, 0},
        {"1e39", "0", "0", 0, 0},
    };
    for (const PlacementCase& c : cases) {
        FakeMeter m;
        m.host.File("meter.ini") =
            CrLfLines({"[Coordinates]", (std::string("Left=") + c.left).c_str(), (std::string("Top=") + c.top).c_str(),
                       "[Etc]", (std::string("adjusted_flg=") + c.adjusted).c_str()});
        RunEntryProcedure(m.app);
        EXPECT_EQ(m.host.Dial().position.x, c.x) << "Left=" << c.left << " adjusted_flg=" << c.adjusted;
        EXPECT_EQ(m.host.Dial().position.y, c.y) << "Top=" << c.top;
    }
}

TEST(StartupPlacement, UnmovedPositionIsWrittenBackAsStored) {
    const struct {
        const char* stored;
        const char* written;
    } cases[] = {
        {"Left=1230.5\r\nTop=-45", "Left=1230.5\r\nTop=-45"},
        {"Left=0.000001\r\nTop=-1e-30", "Left=1e-06\r\nTop=-1e-30"},
        {"Left=1e12\r\nTop=1e38", "Left=0\r\nTop=0"},
    };
    for (const auto& c : cases) {
        FakeMeter m;
        m.host.File("meter.ini") = "[Coordinates]\r\n" + std::string(c.stored) + "\r\n";
        RunEntryProcedure(m.app);
        Quit(m.app);
        EXPECT_NE(m.host.File("meter.ini").find(std::string(c.written) + "\r\n"), std::string::npos)
            << m.host.File("meter.ini");
    }
}

TEST(StartupPlacement, SavedPositionIsWhereTheWindowIsInTwips) {
    FakeMeter m;
    m.host.decimalSymbol = ",";
    m.host.dpi = 120;  // 12 twips per pixel
    m.host.File("meter.ini") = CrLfLines({"[Coordinates]", "Left=1230,5", "Top=600"});
    RunEntryProcedure(m.app);
    EXPECT_EQ(m.host.Dial().position.x, 103);
    EXPECT_EQ(m.host.Dial().position.y, 50);
    m.host.Dial().position = {-7, 33};  // dragged meanwhile
    Quit(m.app);
    EXPECT_NE(m.host.File("meter.ini").find("Left=-84\r\nTop=396\r\n"), std::string::npos) << m.host.File("meter.ini");
}

}  // namespace
}  // namespace dorv
