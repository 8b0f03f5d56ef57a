// What the dial looks like: a private copy of Dorvanix.exe runs at a fixed spot and the test reads the screen's
// pixels back, comparing the needle, the clock hands, the warning lamp and the round shape with what each
// setting should show. Line colours are exact; positions allow a pixel either way.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "wine_dial_fixture.h"

namespace dorv {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kPivot = 50;
// The screen copy reaches this far around the dial, so what lies behind it can be seen too.
constexpr int kMargin = 10;
// The lamp's 6 x 6 icon; needle checks leave it alone.
constexpr RECT kLampBox{52, 60, 58, 66};

enum Mode { kMem = 0, kCpu = 2, kClock = 3 };

struct MeterFile {
    int needle = kMem;
    int needleType = 1;
    int watchMs = 50;
    int warning = 101;  // above any value: the lamp stays off
    int transparency = 255;
    int labelView = 0;
    long long fontColour = -1;  // the default when negative

    std::string Text() const {
        std::ostringstream text;
        text << PlacedAtTheTestSpot() << "[View]\r\nNeedle=" << needle << "\r\nNeedle_type=" << needleType
             << "\r\nLabel_view=" << labelView
             << "\r\nMode_view=0\r\nTop_view=0\r\nZanzo_view=0\r\nTransparency=" << transparency
             << "\r\n[Movement]\r\nWatch_time=" << watchMs << "\r\nMove_quantity=1\r\nWarning=" << warning << "\r\n";
        if (fontColour >= 0)
            text << "[Color]\r\nFont_color=" << fontColour << "\r\n";
        return text.str();
    }
};

// Centre line RGB(230,0,0) or outline RGB(170,0,0) of a needle or hand; the lamp's red passes too.
bool IsRed(COLORREF c) {
    return GetRValue(c) > 150 && GetGValue(c) < 80 && GetBValue(c) < 80;
}

bool IsOutlineRed(COLORREF c) {
    return GetRValue(c) >= 140 && GetRValue(c) <= 200 && GetGValue(c) < 60 && GetBValue(c) < 60;
}

// The second hand, RGB(180,180,180): the screen has 24 bits, so only that grey, not the face's near greys.
bool IsSecondGrey(COLORREF c) {
    return std::abs(GetRValue(c) - 180) <= 1 && std::abs(GetGValue(c) - 180) <= 1 && std::abs(GetBValue(c) - 180) <= 1;
}

bool IsWhite(COLORREF c) {
    return GetRValue(c) > 240 && GetGValue(c) > 240 && GetBValue(c) > 240;
}

struct Point {
    double x;
    double y;
};

// Directions are degrees counter-clockwise from +x, as on paper; the screen's y runs down.
Point Along(double degrees, double radius) {
    const double a = degrees / 180 * kPi;
    return {kPivot + radius * std::cos(a), kPivot - radius * std::sin(a)};
}

double NeedleDirection(double value) {
    return 270 - 2.7 * value;
}

// A clock hand's direction from its angle clockwise from twelve.
double ClockDirection(double clockwiseDegrees) {
    return 90 - clockwiseDegrees;
}

double AngleBetween(double a, double b) {
    const double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// The dial's pixels and a margin around them, copied from the screen in one go.
class DialPicture {
public:
    static DialPicture Capture(POINT dialOrigin) {
        DialPicture picture;
        const RECT area{dialOrigin.x - kMargin, dialOrigin.y - kMargin, dialOrigin.x + kDialSize + kMargin,
                        dialOrigin.y + kDialSize + kMargin};
        picture.pixels_ = CaptureScreen(area);
        return picture;
    }

    bool Valid() const { return !pixels_.empty(); }

    // Dial coordinates, from -kMargin to kDialSize + kMargin - 1; black where nothing was read.
    COLORREF At(int x, int y) const {
        constexpr int side = kDialSize + 2 * kMargin;
        const int col = x + kMargin;
        const int row = y + kMargin;
        if (!Valid() || col < 0 || row < 0 || col >= side || row >= side)
            return RGB(0, 0, 0);
        const std::uint32_t bgr = pixels_[static_cast<std::size_t>(row * side + col)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

    // Whether a pixel next to the point (or on it) has the colour.
    template <typename Test>
    bool Near(Point p, Test test) const {
        const int cx = static_cast<int>(std::lround(p.x));
        const int cy = static_cast<int>(std::lround(p.y));
        for (int y = cy - 1; y <= cy + 1; ++y)
            for (int x = cx - 1; x <= cx + 1; ++x)
                if (test(At(x, y)))
                    return true;
        return false;
    }

    template <typename Test>
    bool AllAlong(double direction, const std::vector<double>& radii, Test test) const {
        return std::all_of(radii.begin(), radii.end(), [&](double r) { return Near(Along(direction, r), test); });
    }

private:
    std::vector<std::uint32_t> pixels_;
};

// Red pixels at the radii anywhere but within `clearance` pixels of the allowed directions (on their side of the
// pivot), the lamp's box aside; empty when there are none.
std::string StrayRed(const DialPicture& picture,
                     const std::vector<double>& allowed,
                     double clearance,
                     const std::vector<double>& radii) {
    std::ostringstream stray;
    for (double r : radii) {
        for (int d = 0; d < 360; d += 2) {
            if (std::any_of(allowed.begin(), allowed.end(), [&](double a) {
                    const double apart = AngleBetween(d, a);
                    return apart < 90 && r * std::sin(apart / 180 * kPi) <= clearance;
                }))
                continue;
            const Point p = Along(d, r);
            const POINT at{static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
            if (PtInRect(&kLampBox, at))
                continue;
            if (picture.Near(p, IsRed))
                stray << " (" << at.x << "," << at.y << ")";
        }
    }
    return stray.str();
}

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

std::string Describe(const std::optional<double>& reading) {
    if (!reading)
        return "none";
    std::ostringstream text;
    text << *reading;
    return text.str();
}

// A plain white window of this process; a dial opened later lies above it.
class WhiteBackdrop {
public:
    WhiteBackdrop(int left, int top, int size) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        wc.lpszClassName = kClass;
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(0, kClass, L"backdrop", WS_POPUP | WS_VISIBLE, left, top, size, size, nullptr,
                                  nullptr, wc.hInstance, nullptr);
        if (window_)
            UpdateWindow(window_);
    }
    ~WhiteBackdrop() {
        if (window_)
            DestroyWindow(window_);
    }
    WhiteBackdrop(const WhiteBackdrop&) = delete;
    WhiteBackdrop& operator=(const WhiteBackdrop&) = delete;

    HWND Window() const { return window_; }

private:
    static constexpr wchar_t kClass[] = L"DorvanixLookBackdrop";
    HWND window_ = nullptr;
};

// Makes Wine report Windows XP (major version 5) to Dorvanix.exe alone while it lives, or makes sure it
// does not; the key never outlives the test, whatever the outcome.
class XpVersionForProgram {
public:
    explicit XpVersionForProgram(bool on) {
        RegDeleteKeyW(HKEY_CURRENT_USER, kKey);
        if (!on)
            return;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return;
        constexpr wchar_t kXp[] = L"winxp";
        set_ =
            RegSetValueExW(key, L"Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(kXp), sizeof kXp) == ERROR_SUCCESS;
        RegCloseKey(key);
    }
    ~XpVersionForProgram() { RegDeleteKeyW(HKEY_CURRENT_USER, kKey); }
    XpVersionForProgram(const XpVersionForProgram&) = delete;
    XpVersionForProgram& operator=(const XpVersionForProgram&) = delete;

    bool Set() const { return set_; }

private:
    static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\Dorvanix.exe";
    bool set_ = false;
};

class DialLookTest : public WineDialTest {
protected:
    // Writes the settings, starts the program and checks the dial stands where asked.
    HWND Start(const MeterFile& file) { return StartPlaced(file.Text()); }

    static DialPicture Capture() { return DialPicture::Capture(POINT{kDialLeft, kDialTop}); }

    // Waits for a picture the check accepts (an empty answer); on timeout the last picture and answer stay.
    template <typename Check>
    bool WaitForPicture(DWORD timeoutMs, DialPicture& picture, std::string& problem, Check check) {
        return WaitUntil(
            [&] {
                picture = Capture();
                problem = picture.Valid() ? check(picture) : std::string("the screen could not be read");
                return problem.empty();
            },
            timeoutMs);
    }

    // The needle's readings over a while, one a picture; none where no needle is drawn.
    std::vector<std::optional<double>> Readings(int count, DialPicture& last) {
        std::vector<std::optional<double>> readings;
        for (int i = 0; i < count; ++i) {
            Pause(100);
            last = Capture();
            readings.push_back(ReadNeedle(last));
        }
        return readings;
    }
};

// Readings with no needle drawn count as zero.
double Median(const std::vector<std::optional<double>>& readings) {
    std::vector<double> values;
    for (const auto& reading : readings)
        values.push_back(reading.value_or(0));
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

TEST_F(DialLookTest, MemoryNeedleIsALozengePointingAtTheLoad) {
    HWND dial = Start(MeterFile{.needle = kMem, .needleType = 1});
    ASSERT_TRUE(dial);
    DialPicture picture;
    std::string problem;
    double value = 0;
    const bool settled = WaitForPicture(5000, picture, problem, [&](const DialPicture& p) -> std::string {
        const int before = MemoryLoad();
        const std::optional<double> reading = ReadNeedle(p);
        const int after = MemoryLoad();
        const int low = std::min(before, after) - 2;
        const int high = std::max(before, after) + 2;
        if (!reading || *reading < low || *reading > high)
            return "needle at " + Describe(reading) + ", memory load " + std::to_string(before) + ".." +
                   std::to_string(after);
        value = *reading;
        return {};
    });
    ASSERT_TRUE(settled) << problem;

    const double direction = NeedleDirection(value);
    // The rest of the dial has no red: one needle, drawn where the value says, not mirrored.
    const std::string stray = StrayRed(picture, {direction}, 4, {15, 25, 35});
    EXPECT_TRUE(stray.empty()) << "red away from the needle at" << stray;
    // Outline lines on both sides of the centre line near the pivot: the lozenge, not a single line.
    for (double side : {-1.0, 1.0}) {
        bool outline = false;
        for (double r = 6; r <= 20 && !outline; r += 1)
            for (double d = 1; d <= 3 && !outline; d += 0.5)
                outline = picture.Near(Along(direction + side * std::atan2(d, r) * 180 / kPi, std::hypot(r, d)),
                                       IsOutlineRed);
        EXPECT_TRUE(outline) << "no outline on the " << (side < 0 ? "clockwise" : "counter-clockwise")
                             << " side of the needle at " << value;
    }
    CloseAndWait(dial);
}

TEST_F(DialLookTest, CpuNeedleRisesWhileProcessorZeroIsBusy) {
    Spinner spinner(1);
    ASSERT_TRUE(spinner.Running()) << "could not pin a thread to processor 0";
    HWND dial = Start(MeterFile{.needle = kCpu, .watchMs = 250});
    ASSERT_TRUE(dial);
    DialPicture picture;
    std::string problem;
    const bool rose = WaitForPicture(6000, picture, problem, [](const DialPicture& p) -> std::string {
        const std::optional<double> reading = ReadNeedle(p);
        return reading && *reading >= 80 ? "" : "needle at " + Describe(reading);
    });
    ASSERT_TRUE(rose) << problem;
    // Not a passing spike: the needle stays up while the load lasts.
    const std::vector<std::optional<double>> readings = Readings(10, picture);
    EXPECT_GE(Median(readings), 80);
    const std::optional<double> last = ReadNeedle(picture);
    if (last) {
        const std::string stray = StrayRed(picture, {NeedleDirection(*last)}, 4, {15, 25, 35});
        EXPECT_TRUE(stray.empty()) << "red away from the needle at" << stray;
    }
    CloseAndWait(dial);
}

// The clock hands for one time of day: red hour and minute hands of their lengths, a grey second hand,
// no red elsewhere; empty when the picture shows that time.
std::string ClockProblems(const DialPicture& picture, int hour, int minute, int second) {
    const double hourDirection = ClockDirection(30.0 * (hour % 12) + 0.5 * minute);
    const double minuteDirection = ClockDirection(6.0 * minute);
    const double secondDirection = ClockDirection(6.0 * second);
    std::ostringstream problems;
    if (!picture.AllAlong(hourDirection, {10, 15, 20}, IsRed))
        problems << " no hour hand;";
    if (!picture.AllAlong(minuteDirection, {28, 34, 38}, IsRed))
        problems << " no minute hand;";
    // The hour hand ends at 25 pixels: beyond that only the minute hand may be red.
    if (AngleBetween(hourDirection, minuteDirection) > 12 &&
        (picture.Near(Along(hourDirection, 31), IsRed) || picture.Near(Along(hourDirection, 35), IsRed)))
        problems << " hour hand too long;";
    // Hands drawn later cover the second hand; past 40 pixels it is alone.
    const bool covered = AngleBetween(secondDirection, minuteDirection) <= 8;
    if (!picture.AllAlong(secondDirection, covered ? std::vector<double>{42} : std::vector<double>{30, 36, 42},
                          IsSecondGrey))
        problems << " no second hand;";
    const std::string stray = StrayRed(picture, {hourDirection, minuteDirection}, 4, {12, 22, 32});
    if (!stray.empty())
        problems << " red away from the hands at" << stray << ";";
    std::string text = problems.str();
    if (!text.empty())
        text = std::to_string(hour) + ":" + std::to_string(minute) + ":" + std::to_string(second) + text;
    return text;
}

int SecondOfDay(const SYSTEMTIME& t) {
    return t.wHour * 3600 + t.wMinute * 60 + t.wSecond;
}

TEST_F(DialLookTest, ClockHandsShowTheLocalTime) {
    HWND dial = Start(MeterFile{.needle = kClock, .needleType = 0, .watchMs = 100});
    ASSERT_TRUE(dial);
    DialPicture picture;
    std::string problem;
    const bool shown = WaitUntil(
        [&] {
            SYSTEMTIME before{};
            SYSTEMTIME after{};
            GetLocalTime(&before);
            picture = Capture();
            GetLocalTime(&after);
            // The hands show the last second drawn: up to one older than the time before the copy.
            const int first = SecondOfDay(before) - 1;
            int last = SecondOfDay(after);
            if (last < first)
                last += 86400;
            problem.clear();
            for (int t = first; t <= last; ++t) {
                const int time = (t + 86400) % 86400;
                const std::string problems = ClockProblems(picture, time / 3600, time / 60 % 60, time % 60);
                if (problems.empty())
                    return true;
                problem += problems + "\n";
            }
            return false;
        },
        5000);
    EXPECT_TRUE(shown) << problem;
    CloseAndWait(dial);
}

TEST_F(DialLookTest, OutsideTheCircleShowsAndGetsWhatIsBehind) {
    WhiteBackdrop backdrop(kDialLeft - kMargin, kDialTop - kMargin, kDialSize + 2 * kMargin);
    ASSERT_TRUE(backdrop.Window());
    HWND dial = Start(MeterFile{});
    ASSERT_TRUE(dial);
    DialPicture picture;
    std::string problem;
    const bool shaped = WaitForPicture(5000, picture, problem, [](const DialPicture& p) -> std::string {
        std::ostringstream wrong;
        if (!IsWhite(p.At(-5, -5)))
            wrong << " the white window does not show around the dial;";
        for (POINT corner : {POINT{2, 2}, POINT{97, 2}, POINT{2, 97}, POINT{97, 97}})
            if (!IsWhite(p.At(corner.x, corner.y)))
                wrong << " corner (" << corner.x << "," << corner.y << ") is not see-through;";
        for (POINT inside : {POINT{50, 3}, POINT{3, 50}, POINT{96, 50}, POINT{50, 96}, POINT{50, 50}})
            if (IsWhite(p.At(inside.x, inside.y)))
                wrong << " (" << inside.x << "," << inside.y << ") inside the circle is white;";
        return wrong.str();
    });
    EXPECT_TRUE(shaped) << problem;
    // A click outside the circle lands on the window behind.
    EXPECT_EQ(WindowFromPoint(POINT{kDialLeft + 2, kDialTop + 2}), backdrop.Window());
    EXPECT_EQ(WindowFromPoint(POINT{kDialLeft + 50, kDialTop + 3}), dial);
    CloseAndWait(dial);
}

// Text of RGB(0,255,0) and its smoothed edges; nothing else on the clock face is green.
bool IsTextGreen(COLORREF c) {
    return GetGValue(c) >= 100 && GetGValue(c) > GetRValue(c) + 60 && GetGValue(c) > GetBValue(c) + 60;
}

// The digital time's green pixels, one character each ('#' text, '.' other), row by row.
std::string ReadoutPixels(const DialPicture& picture) {
    std::string pixels;
    for (int y = 60; y < 68; ++y)
        for (int x = 30; x < 75; ++x)
            pixels += IsTextGreen(picture.At(x, y)) ? '#' : '.';
    return pixels;
}

// The digital time is drawn in glyphs, not as boxes that look alike whatever the time (a font without digits),
// and in the colour's low 24 bits (the high byte set here would make GDI take it as a palette index).
TEST_F(DialLookTest, DigitalTimeDrawsEachSecondDifferently) {
    constexpr long long kGreenWithHighByte = 0x0100FF00;
    HWND dial = Start(
        MeterFile{.needle = kClock, .needleType = 0, .watchMs = 100, .labelView = 1, .fontColour = kGreenWithHighByte});
    ASSERT_TRUE(dial);
    DialPicture picture;
    std::string problem;
    std::string first;
    const bool drawn = WaitForPicture(5000, picture, problem, [&](const DialPicture& p) -> std::string {
        first = ReadoutPixels(p);
        return std::count(first.begin(), first.end(), '#') >= 12 ? "" : "no green time";
    });
    ASSERT_TRUE(drawn) << problem;
    // Each second changes at least its last digit.
    std::string later;
    const bool changed = WaitForPicture(4000, picture, problem, [&](const DialPicture& p) -> std::string {
        later = ReadoutPixels(p);
        return later != first ? "" : "the same pixels for another time";
    });
    EXPECT_TRUE(changed) << problem;
    CloseAndWait(dial);
}

// Translucency makes the window layered on version 5 only (as the system it was made for), whatever the value.
TEST_F(DialLookTest, LayeredOnlyOnVersionFive) {
    struct Case {
        const char* name;
        bool xp;
        int transparency;
        bool layered;
    };
    for (const Case& c : {Case{"XP, half", true, 128, true}, Case{"XP, opaque", true, 255, true},
                          Case{"Windows 10, half", false, 128, false}}) {
        SCOPED_TRACE(c.name);
        XpVersionForProgram version(c.xp);
        ASSERT_EQ(version.Set(), c.xp) << "could not set the program's Windows version";
        HWND dial = Start(MeterFile{.transparency = c.transparency});
        ASSERT_TRUE(dial);
        const auto exStyle = static_cast<DWORD>(GetWindowLongW(dial, GWL_EXSTYLE));
        EXPECT_EQ((exStyle & WS_EX_LAYERED) != 0, c.layered) << std::hex << exStyle;
        BYTE alpha = 0;
        DWORD flags = 0;
        COLORREF key = 0;
        if (c.layered && GetLayeredWindowAttributes(dial, &key, &alpha, &flags)) {
            EXPECT_NE(flags & LWA_ALPHA, 0u);
            EXPECT_EQ(alpha, c.transparency);
        } else if (c.layered) {
            ADD_FAILURE() << "no layered attributes";
        }
        CloseAndWait(dial);
    }
}

// The lamp follows each drawing of the needle: lit from the threshold up, dark below it.
TEST_F(DialLookTest, LampShowsFromTheThresholdUp) {
    for (const int warning : {0, 101}) {
        SCOPED_TRACE("Warning=" + std::to_string(warning));
        HWND dial = Start(MeterFile{.needle = kMem, .warning = warning});
        ASSERT_TRUE(dial);
        DialPicture picture;
        std::string problem;
        const bool drawn = WaitForPicture(5000, picture, problem, [](const DialPicture& p) -> std::string {
            return ReadNeedle(p) ? "" : "no needle";
        });
        ASSERT_TRUE(drawn) << problem;
        int red = 0;
        for (int y = kLampBox.top; y < kLampBox.bottom; ++y)
            for (int x = kLampBox.left; x < kLampBox.right; ++x)
                red += IsRed(picture.At(x, y)) ? 1 : 0;
        if (warning == 0)
            EXPECT_GE(red, 4) << "lamp dark";
        else
            EXPECT_EQ(red, 0) << "lamp lit";
        CloseAndWait(dial);
    }
}

}  // namespace
}  // namespace dorv
