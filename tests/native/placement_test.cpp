#include <gtest/gtest.h>

#include "fake_host.h"

namespace dorv {
namespace {

// The primary is 1024 x 768 pixels = 15360 x 11520 twips; the dial is 1500 twips square. Beside it: left of it, right
// of it, above it, and left of it one screen lower.
constexpr PixelRect kPrimary{0, 0, 1024, 768};
constexpr PixelRect kLeft{-1280, 0, 0, 1024}, kRight{1024, 0, 2304, 1024}, kAbove{0, -1024, 1280, 0},
    kLeftBelow{-1280, 768, 0, 1792};

// Pulled back onto the monitor it was saved on: the primary, or a second one beside it.
TEST(StartupPlacement, PullsTheDialBackOntoTheMonitorItWasSavedOn) {
    const struct {
        const char *left, *top, *adjusted;
        const char* at;  // pixels where the dial ends up
        std::vector<PixelRect> monitors = {};
    } cases[] = {
        {"14360", "0", "1", "957,0"},  // W - 1000 stays: the sum equals W
        {"14361", "0", "1", "924,0"},  // W - 999 goes flush right
        {"-1200", "0", "1", "0,0"},
        {"-1000", "0", "1", "-67,0"},       // exactly the margin stays
        {"-5000", "-5000", "0", "-333,0"},  // horizontal only with adjusted_flg = 1; vertical always
        {"99999", "99999", "0", "6667,668"},
        {"1500", "10520", "1", "100,701"},  // H - 1000 stays
        {"1500", "10521", "1", "100,668"},
        {"left", "1500", "1", "0,100"},
        {"1230.5", "0", "1", "82,0"},
        // No window sits beyond 16-bit pixels: such an edge is out of range and the design position stands.
        {"491512", "0", "0", "32767,0"},
        {"491513", "0", "0", "0,0"},
        {"-491520", "0", "0", "-32768,0"},
        {"-491528", "0", "0", "0,0"},
        {"1e38", "-1e38", "1", "0,0"},
        {"1e39", "0", "0", "0,0"},
        {"-15000", "3000", "1", "-1000,200", {kPrimary, kLeft}},
        {"20000", "3000", "1", "1333,200", {kPrimary, kRight}},
        {"33561", "3000", "1", "2204,200", {kPrimary, kRight}},  // within the margin of its right edge: flush with it
        {"1500", "-6000", "1", "100,-400", {kPrimary, kAbove}},
        {"1500", "-20000", "1", "100,-1024", {kPrimary, kAbove}},
        // Judged at the design top the dial would be nearer the primary and go to 0.
        {"-10500", "15000", "1", "-700,1000", {kPrimary, kLeftBelow}},
    };
    for (const auto& c : cases) {
        FakeMeter m;
        m.host.monitors = c.monitors;
        m.host.File("meter.ini") = "[Coordinates]\r\nLeft=" + std::string(c.left) + "\r\nTop=" + c.top +
                                   "\r\n[Etc]\r\nadjusted_flg=" + c.adjusted + "\r\n";
        RunEntryProcedure(m.app);
        EXPECT_EQ(m.host.DialAt(), c.at) << "Left=" << c.left << " Top=" << c.top << " adjusted_flg=" << c.adjusted;
    }
}

// A dial that no monitor shows any more comes onto the nearest one, both ways even with adjusted_flg = 0;
// one still partly shown stays.
TEST(DisplayChange, BringsAStrandedDialOntoTheNearestMonitor) {
    const struct {
        PixelPoint at;
        std::vector<PixelRect> monitorsLeft;
        const char* to;
    } cases[] = {
        {{2500, 200}, {kPrimary, kRight}, "2204,200"},
        {{100, -400}, {kPrimary}, "100,0"},
        {{-1000, 1000}, {kPrimary}, "0,668"},
        {{1000, 200}, {kPrimary}, "1000,200"},
        {{1024, 200}, {kPrimary}, "924,200"},  // touching an edge is not on the monitor
        {{100, -100}, {kPrimary}, "100,0"},
    };
    for (const auto& c : cases) {
        FakeMeter m;
        StartMeter(m, {"[Etc]", "adjusted_flg=0"});
        m.host.Dial().position = c.at;
        m.host.monitors = c.monitorsLeft;
        OnDisplayChanged(m.app);
        EXPECT_EQ(m.host.DialAt(), c.to) << c.at.x << "," << c.at.y;
    }
}

}  // namespace
}  // namespace dorv
