#include <gtest/gtest.h>

#include <string>

#include "dialogs/about/memory_report.h"
#include "dialogs/about/number_format.h"
#include "dialogs/about/version_text.h"

namespace dorv {
namespace {

ReportFigures WorkedFigures() {
    ReportFigures f;
    f.memory = {536870912, 268435456, 1073741824, 0, 2147352576, 0};  // 512 MB, half free
    f.tickMs = 4000000000;
    f.time = {21, 5, 7};
    return f;
}

TEST(MemoryReport, JapaneseLinesAlignedWithoutATrailingBreakAndNumberForms) {
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
    EXPECT_EQ(SplitUptime(86400000ull * 60).hours, 1440u);  // 60 days: past the 32-bit count's wrap
    // A system reporting no total shows no usage.
    EXPECT_NE(BuildMemoryReport(ReportFigures{}).find("物理メモリ使用率：.%\r\n"), std::string::npos);
    // Number forms the report does not show, and the version line.
    EXPECT_EQ(FormatNumber(140737488224256, "#,###,###,##0"), "140,737,488,224,256");  // beyond the pattern's groups
    EXPECT_EQ(FormatNumber(0.96, "##.#"), "1.");
    EXPECT_EQ(FormatNumber(1234567, "#,##0", {"", "."}), "1234567");
    EXPECT_EQ(VersionText({1, 7, 0}), "Version 1.07");
    EXPECT_EQ(VersionText({1, 19, 5}), "Version 1.19.5");
}

TEST(MemoryReport, VariantsByLanguageAndVersion) {
    ReportFigures f = WorkedFigures();
    f.memory.availPhys = 533112832;  // 0.7 % used
    f.vistaOrLater = true;
    f.symbols = {".", ","};
    EXPECT_NE(BuildMemoryReport(f).find("：533.112.832Byte (約 508MB)\r\n物理メモリ使用率：,7%\r\n"
                                        "アドレス領域の全ユーザバイト　：2.147.352.576Byte\r\n"),
              std::string::npos);
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

}  // namespace
}  // namespace dorv
