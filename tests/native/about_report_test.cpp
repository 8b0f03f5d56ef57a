#include <gtest/gtest.h>

#include <string>

#include "dialogs/about/memory_report.h"
#include "dialogs/about/number_format.h"
#include "dialogs/about/version_text.h"

namespace dorv {
namespace {

TEST(NumberFormat, PatternsGiveTheirExamples) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {536870912, "#,###,###,###", "536,870,912"},
        {0, "#,###,###,###", ""},
        {2147352576, "#,###,###,##0", "2,147,352,576"},
        {0, "#,###,###,##0", "0"},
        {140737488224256, "#,###,###,##0", "140,737,488,224,256"},  // beyond the pattern's groups
        {511.6, "#,##0", "512"},
        {2047.5, "#,##0", "2,048"},
        {0.2, "#,##0", "0"},
        {45.26, "##.#", "45.3"},
        {45.02, "##.#", "45."},
        {0.4, "##.#", ".4"},
        {0.96, "##.#", "1."},
        {100, "##.#", "100."},
        {5, "##0時間", "5時間"},
        {130, "##0時間", "130時間"},
        {0, "##0時間", "0時間"},
        {7, "00分", "07分"},
        {9, "00秒", "09秒"},
        {5, "###0", "5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    EXPECT_EQ(FormatNumber(1234567.25, "#,###,###,###", {".", ","}), "1.234.567");
    EXPECT_EQ(FormatNumber(0.7, "##.#", {".", ","}), ",7");
    EXPECT_EQ(FormatNumber(1234567, "#,##0", {"", "."}), "1234567");
    EXPECT_EQ(FormatClockTime({21, 5, 7}), "21時05分07秒");
}

TEST(MemoryReport, UptimeCountsHoursBeyondADay) {
    struct Case {
        std::uint64_t ticks;
        std::uint64_t hours;
        int minutes;
        int seconds;
    } cases[] = {
        {3723456, 1, 2, 3},
        {359999999, 99, 59, 59},
        {4000000000, 1111, 6, 40},
        {86400000ull * 60, 1440, 0, 0},  // 60 days: past the 32-bit count's wrap
    };
    for (const Case& c : cases) {
        UptimeParts parts = SplitUptime(c.ticks);
        EXPECT_EQ(parts.hours, c.hours) << c.ticks;
        EXPECT_EQ(parts.minutes, c.minutes) << c.ticks;
        EXPECT_EQ(parts.seconds, c.seconds) << c.ticks;
    }
}

ReportFigures WorkedFigures() {
    ReportFigures f;
    f.memory.totalPhys = 536870912;  // 512 MB, half free
    f.memory.availPhys = 268435456;
    f.memory.totalPageFile = 1073741824;
    f.memory.availPageFile = 0;
    f.memory.totalVirtual = 2147352576;
    f.memory.availVirtual = 0;
    f.tickMs = 4000000000;
    f.time = {21, 5, 7};
    return f;
}

TEST(MemoryReport, JapaneseLinesAlignedWithoutATrailingBreak) {
    EXPECT_EQ(BuildMemoryReport(WorkedFigures()),
              "全物理メモリ    ：536,870,912Byte (約 512MB)\r\n"
              "空き物理メモリ  ：268,435,456Byte (約 256MB)\r\n"
              "物理メモリ使用率：50.%\r\n"
              "全仮想メモリ    ：1,073,741,824Byte (約 1,024MB)\r\n"
              "空き仮想メモリ  ：Byte (約 0MB)\r\n"
              "仮想メモリ使用率：100.%\r\n"
              "アドレス領域の全ユーザバイト　：2,147,352,576Byte\r\n"
              "アドレス領域の空きユーザバイト：0Byte\r\n"
              "Windows起動経過時間：1111時間06分40秒\r\n"
              "現在の時刻         ：21時05分07秒");
}

TEST(MemoryReport, VariantsByLanguageAndVersion) {
    ReportFigures f = WorkedFigures();
    f.memory.availPhys = 533112832;  // 0.7 % used
    f.vistaOrLater = true;
    f.symbols = {".", ","};
    EXPECT_EQ(BuildMemoryReport(f),
              "全物理メモリ    ：536.870.912Byte (約 512MB)\r\n"
              "空き物理メモリ  ：533.112.832Byte (約 508MB)\r\n"
              "物理メモリ使用率：,7%\r\n"
              "アドレス領域の全ユーザバイト　：2.147.352.576Byte\r\n"
              "アドレス領域の空きユーザバイト：0Byte\r\n"
              "Windows起動経過時間：1111時間06分40秒\r\n"
              "現在の時刻         ：21時05分07秒");
    f.english = true;
    f.symbols = {};
    EXPECT_EQ(BuildMemoryReport(f),
              "bytes of physical memory    : 536,870,912Byte\r\n"
              "free physical memory bytes  : 533,112,832Byte\r\n"
              "user bytes of address space : 2,147,352,576Byte\r\n"
              "free user bytes             : 0Byte");
    f.vistaOrLater = false;
    EXPECT_NE(BuildMemoryReport(f).find("\r\nbytes of paging file        : 1,073,741,824Byte\r\n"
                                        "free bytes of paging file   : Byte\r\n"),
              std::string::npos);
}

TEST(MemoryReport, NoTotalShowsNoUsage) {
    ReportFigures f;
    EXPECT_NE(BuildMemoryReport(f).find("物理メモリ使用率：.%\r\n"), std::string::npos);
}

TEST(VersionText, TwoDigitMinorAndRevisionOnlyWhenSet) {
    EXPECT_EQ(VersionText({1, 19, 0}), "Version 1.19");
    EXPECT_EQ(VersionText({1, 19, 5}), "Version 1.19.5");
    EXPECT_EQ(VersionText({1, 7, 0}), "Version 1.07");
}

}  // namespace
}  // namespace dorv
