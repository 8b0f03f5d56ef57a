// What the host draws, read back from the screen: needle, hands, lamp and readout where the settings say, at the
// display's scale, in a round window. Positions allow a pixel either way.

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

struct Point {
    double x;
    double y;
};

// Directions are degrees counter-clockwise from +x, as on paper, in design pixels; the screen's y runs down.
Point Along(double degrees, double radius) {
    const double a = degrees / 180 * 3.14159265358979;
    return {50 + radius * std::cos(a), 50 - radius * std::sin(a)};
}

double NeedleDirection(double value) {
    return 270 - 2.7 * value;
}

// A needle's or hand's centre line RGB(230,0,0); the lamp's red passes too.
const auto IsRed = [](COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 80 && GetBValue(c) < 80; };

// The second hand, RGB(180,180,180): the screen has 24 bits, so only that grey, not the face's near greys.
const auto IsSecondGrey = [](COLORREF c) {
    return std::abs(GetRValue(c) - 180) <= 1 && std::abs(GetGValue(c) - 180) <= 1 && std::abs(GetBValue(c) - 180) <= 1;
};

// The readout's default RGB(200,200,200).
const auto IsLight = [](COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) > 150 && GetBValue(c) > 150; };

// Text of RGB(0,255,0) and its smoothed edges; nothing else on the clock face is green.
const auto IsTextGreen = [](COLORREF c) {
    return GetGValue(c) >= 100 && GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60;
};

// The dial's pixels copied from the screen in one go, read in design pixels scaled to the dial's side.
struct DialPicture {
    std::vector<std::uint32_t> pixels;
    int side = 0;
    int secondOfDay = 0;  // the local time just before the copy

    int Scaled(double design) const { return static_cast<int>(std::lround(design * side / 100)); }

    bool Pixel(int x, int y, bool (*test)(COLORREF)) const {
        if (x < 0 || y < 0 || x >= side || y >= side)
            return false;
        const std::uint32_t rgb = pixels[static_cast<std::size_t>(y * side + x)];
        return test(RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF));
    }

    // Whether a pixel on the point or next to it has the colour.
    bool Near(Point p, bool (*test)(COLORREF)) const {
        for (int y = Scaled(p.y) - 1; y <= Scaled(p.y) + 1; ++y)
            for (int x = Scaled(p.x) - 1; x <= Scaled(p.x) + 1; ++x)
                if (Pixel(x, y, test))
                    return true;
        return false;
    }

    bool AllAlong(double direction, std::vector<double> radii, bool (*test)(COLORREF)) const {
        return std::all_of(radii.begin(), radii.end(), [&](double r) { return Near(Along(direction, r), test); });
    }

    // The pixels of a design box with the colour, row by row ('#' it, '.' other).
    std::string Mask(RECT box, bool (*test)(COLORREF)) const {
        std::string mask;
        for (int y = Scaled(box.top); y < Scaled(box.bottom); ++y)
            for (int x = Scaled(box.left); x < Scaled(box.right); ++x)
                mask += Pixel(x, y, test) ? '#' : '.';
        return mask;
    }

    int Count(RECT box, bool (*test)(COLORREF)) const {
        const std::string mask = Mask(box, test);
        return static_cast<int>(std::count(mask.begin(), mask.end(), '#'));
    }
};

// The needle's value as drawn: the middle of the values whose centre line has red at radii 15, 25 and 35.
// The search reaches past both ends of the scale, so a needle drawn beyond them reads as such.
std::optional<double> ReadNeedle(const DialPicture& picture) {
    std::vector<int> hits;
    for (int v = -15; v <= 115; ++v)
        if (picture.AllAlong(NeedleDirection(v), {15, 25, 35}, IsRed))
            hits.push_back(v);
    if (hits.empty())
        return std::nullopt;
    return (hits.front() + hits.back()) / 2.0;
}

std::string NeedleText(const std::optional<double>& reading) {
    return reading ? "needle at " + std::to_string(*reading) : "no needle";
}

// The lamp's 6 x 6 icon.
constexpr RECT kLampBox{52, 60, 58, 66};

// The memory needle at the load, the lamp dark, the readout's light text in its box.
std::string MemoryNeedleProblems(const DialPicture& p) {
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    GlobalMemoryStatusEx(&memory);
    const double load =
        100 - 100.0 * static_cast<double>(memory.ullAvailPhys) / static_cast<double>(memory.ullTotalPhys);
    const std::optional<double> reading = ReadNeedle(p);
    if (!reading || std::abs(*reading - load) > 2)
        return NeedleText(reading) + ", memory load " + std::to_string(load);
    std::string problems;
    if (p.Count(kLampBox, IsRed) != 0)
        problems += " lamp lit;";
    if (p.Count({56, 69, 90, 77}, IsLight) < 6)
        problems += " no readout;";
    return problems;
}

// Red hour and minute hands and the grey second hand for one second of the day; empty when all are there. A hand's
// direction is 90 degrees less its angle clockwise from twelve.
std::string ClockProblems(const DialPicture& p, int time) {
    const int hour = time / 3600 % 12, minute = time / 60 % 60, second = time % 60;
    const double minuteDirection = 90 - 6.0 * minute;
    const double secondDirection = 90 - 6.0 * second;
    std::string problems;
    if (!p.AllAlong(90 - 30.0 * hour - 0.5 * minute, {10, 15, 20}, IsRed))
        problems += " no hour hand;";
    if (!p.AllAlong(minuteDirection, {28, 34, 38}, IsRed))
        problems += " no minute hand;";
    // Hands drawn later cover the second hand; past 40 pixels it is alone.
    const bool covered = std::abs(std::remainder(secondDirection - minuteDirection, 360.0)) <= 8;
    if (!p.AllAlong(secondDirection, covered ? std::vector<double>{42} : std::vector<double>{30, 36, 42}, IsSecondGrey))
        problems += " no second hand;";
    return problems.empty() ? "" : std::to_string(time) + " s:" + problems;
}

// Deletes a value under HKEY_CURRENT_USER when it goes, which leaves Wine's own (Wine reads the display scale and a
// program's Windows version at each process's start).
struct ScopedValue {
    const wchar_t* key;
    const wchar_t* name;
    ~ScopedValue() { RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name); }
};

// Each look: the settings under [View] and after, the display scale, Windows XP or Wine's own version, a thread
// keeping processor 0 busy or not, and what the picture must show (an empty answer) within the time.
struct Look {
    const char* name;
    std::string settings;
    int dpi;
    bool xp;
    bool busyProcessor0;
    std::function<std::string(const DialPicture&)> problems;
};

using DialLookTest = WineDialTest;

TEST_F(DialLookTest, EachLookIsDrawnAtTheDisplayScaleInARoundWindow) {
    SetProcessDPIAware();  // this program reads the screen in real pixels
    const std::string view = "[View]\r\nMode_view=0\r\nTop_view=0\r\nZanzo_view=0\r\n";
    auto mem = [&](const char* transparency) {
        return view + "Needle=0\r\nNeedle_type=1\r\nLabel_view=1\r\nTransparency=" + transparency +
               "\r\n[Movement]\r\nWatch_time=50\r\nMove_quantity=1\r\nWarning=101\r\n";
    };
    const std::string clock = "[Movement]\r\nWatch_time=100\r\n" + view + "Needle=3\r\nNeedle_type=0\r\n";
    std::string firstReadout;
    ULONGLONG upSince = 0;
    const Look looks[] = {
        // Translucency makes the window layered on version 5 only, the system it was made for.
        {"memory needle, XP, translucent", mem("254"), 96, true, false, MemoryNeedleProblems},
        {"memory needle at 150 %, translucency ignored", mem("128"), 144, false, false, MemoryNeedleProblems},
        {"processor 0 busy lights the lamp",
         view + "Needle=2\r\n[Movement]\r\nWatch_time=250\r\nMove_quantity=1\r\nWarning=0\r\n", 96, false, true,
         [&](const DialPicture& p) -> std::string {
             // Not a passing spike: up for a second on end.
             const std::optional<double> reading = ReadNeedle(p);
             if (!reading || *reading < 80) {
                 upSince = 0;
                 return NeedleText(reading);
             }
             upSince = upSince ? upSince : GetTickCount64();
             if (p.Count(kLampBox, IsRed) < 4)
                 return "lamp dark";
             return GetTickCount64() - upSince >= 1000 ? "" : "up only for a moment";
         }},
        {"clock hands at the local time", clock, 96, false, false,
         [](const DialPicture& p) -> std::string {
             // The hands show the last second drawn: up to one older than the time before the copy.
             std::string problems;
             for (int t : {p.secondOfDay - 1, p.secondOfDay, p.secondOfDay + 1}) {
                 const std::string wrong = ClockProblems(p, (t + 86400) % 86400);
                 if (wrong.empty())
                     return "";
                 problems += wrong;
             }
             return problems;
         }},
        // Glyphs, not boxes that look alike whatever the time (a font without digits), and the colour's low 24 bits
        // (the high byte would make GDI take it as a palette index): each second changes at least one digit.
        {"digital time legible", clock + "Label_view=1\r\n[Color]\r\nFont_color=16842496\r\n", 96, false, false,
         [&](const DialPicture& p) -> std::string {
             const std::string now = p.Mask({30, 60, 75, 68}, IsTextGreen);
             if (std::count(now.begin(), now.end(), '#') < 12)
                 return "no green time";
             if (firstReadout.empty())
                 firstReadout = now;
             return now != firstReadout ? "" : "the same pixels for another time";
         }},
    };
    const int twips = PixelsToTwips(kDialLeft);
    for (const Look& look : looks) {
        SCOPED_TRACE(look.name);
        const DWORD dpi = static_cast<DWORD>(look.dpi);
        const ScopedValue scale{L"Control Panel\\Desktop", L"LogPixels"};
        const ScopedValue version{L"Software\\Wine\\AppDefaults\\Dorvanix.exe", L"Version"};
        RegSetKeyValueW(HKEY_CURRENT_USER, scale.key, scale.name, REG_DWORD, &dpi, sizeof dpi);
        if (look.xp)
            RegSetKeyValueW(HKEY_CURRENT_USER, version.key, version.name, REG_SZ, L"winxp", sizeof L"winxp");
        const auto spinner = look.busyProcessor0 ? std::make_unique<Spinner>(1) : nullptr;
        ASSERT_TRUE(!spinner || spinner->Running()) << "could not pin a thread to processor 0";
        WriteBytes(Ini(), PlacedAtTheTestSpot() + look.settings);
        HWND dial = LaunchDial();
        ASSERT_TRUE(dial);

        // Borderless, owned (no taskbar button), titled, side x side on the same spot in twips, clipped to the very
        // circle it is drawn in (compared as point sets: Wine returns its own split into rectangles).
        const auto style = static_cast<DWORD>(GetWindowLongW(dial, GWL_STYLE));
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU), static_cast<DWORD>(WS_POPUP));
        EXPECT_NE(GetWindow(dial, GW_OWNER), nullptr);
        EXPECT_EQ(TextOf(dial), L"Dorvanix");
        BYTE alpha = 0;
        const bool layered = (GetWindowLongW(dial, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
        EXPECT_EQ(layered, look.xp);
        EXPECT_TRUE(!layered || (GetLayeredWindowAttributes(dial, nullptr, &alpha, nullptr) && alpha == 254));
        const int side = MulDiv(kDialSize, look.dpi, 96);
        const int at = MulDiv(twips, look.dpi, 1440);
        RECT rect{};
        GetWindowRect(dial, &rect);
        ASSERT_EQ(std::tie(rect.left, rect.top, rect.right, rect.bottom),
                  std::make_tuple(at, at, at + side, at + side));
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetWindowRgn(dial, region), COMPLEXREGION);
        HRGN circle = CreateEllipticRgn(0, 0, side, side);
        EXPECT_EQ(CombineRgn(circle, circle, region, RGN_XOR), NULLREGION);
        DeleteObject(circle);
        DeleteObject(region);

        std::string problem;
        const bool shown = WaitUntil(
            [&] {
                SYSTEMTIME now{};
                GetLocalTime(&now);
                const DialPicture picture{CaptureScreen(rect), side, now.wHour * 3600 + now.wMinute * 60 + now.wSecond};
                problem = picture.pixels.size() == static_cast<std::size_t>(side * side)
                              ? look.problems(picture)
                              : "the screen could not be read";
                return problem.empty();
            },
            6000);
        EXPECT_TRUE(shown) << problem;
        CloseAndWait(dial);
        EXPECT_EQ(ReadBytes(Ini()).rfind(PlacedAtTheTestSpot(), 0), 0u) << "saved elsewhere in twips";
    }
}

}  // namespace
}  // namespace dorv
