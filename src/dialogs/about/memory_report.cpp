#include "dialogs/about/memory_report.h"

#include <vector>

namespace dorv {
namespace {

constexpr double kBytesPerMegabyte = 1048576.0;

struct Formatter {
    const NumberSymbols& symbols;

    std::string Bytes(std::uint64_t count) const {
        return FormatNumber(static_cast<double>(count), "#,###,###,###", symbols);
    }
    std::string BytesOrZero(std::uint64_t count) const {
        return FormatNumber(static_cast<double>(count), "#,###,###,##0", symbols);
    }
    // "536,870,912Byte (約 512MB)"
    std::string BytesAndMegabytes(std::uint64_t count) const {
        return Bytes(count) + "Byte (約 " +
               FormatNumber(static_cast<double>(count) / kBytesPerMegabyte, "#,##0", symbols) + "MB)";
    }
    // A system reporting no total shows no usage rather than a division by zero.
    std::string Usage(std::uint64_t total, std::uint64_t avail) const {
        double percent = total == 0 ? 0.0 : (1.0 - static_cast<double>(avail) / static_cast<double>(total)) * 100.0;
        return FormatNumber(percent, "##.#", symbols) + "%";
    }
};

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty())
            text += "\r\n";
        text += line;
    }
    return text;
}

// The labels are padded for a fixed-pitch font: the full-width colons line up, a full-width character
// taking two columns.
std::string JapaneseReport(const ReportFigures& f, const UptimeParts& uptime) {
    const Formatter format{f.symbols};
    const MemoryStatus& m = f.memory;
    std::vector<std::string> lines{
        "全物理メモリ    ：" + format.BytesAndMegabytes(m.totalPhys),
        "空き物理メモリ  ：" + format.BytesAndMegabytes(m.availPhys),
        "物理メモリ使用率：" + format.Usage(m.totalPhys, m.availPhys),
    };
    if (!f.vistaOrLater) {
        lines.push_back("全仮想メモリ    ：" + format.BytesAndMegabytes(m.totalPageFile));
        lines.push_back("空き仮想メモリ  ：" + format.BytesAndMegabytes(m.availPageFile));
        lines.push_back("仮想メモリ使用率：" + format.Usage(m.totalPageFile, m.availPageFile));
    }
    lines.push_back("アドレス領域の全ユーザバイト　：" + format.BytesOrZero(m.totalVirtual) + "Byte");
    lines.push_back("アドレス領域の空きユーザバイト：" + format.BytesOrZero(m.availVirtual) + "Byte");
    lines.push_back("Windows起動経過時間：" + FormatNumber(static_cast<double>(uptime.hours), "##0時間") +
                    FormatNumber(uptime.minutes, "00分") + FormatNumber(uptime.seconds, "00秒"));
    lines.push_back("現在の時刻         ：" + FormatClockTime(f.time));
    return JoinLines(lines);
}

std::string EnglishReport(const ReportFigures& f) {
    const Formatter format{f.symbols};
    const MemoryStatus& m = f.memory;
    std::vector<std::string> lines{
        "bytes of physical memory    : " + format.Bytes(m.totalPhys) + "Byte",
        "free physical memory bytes  : " + format.Bytes(m.availPhys) + "Byte",
    };
    if (!f.vistaOrLater) {
        lines.push_back("bytes of paging file        : " + format.Bytes(m.totalPageFile) + "Byte");
        lines.push_back("free bytes of paging file   : " + format.Bytes(m.availPageFile) + "Byte");
    }
    lines.push_back("user bytes of address space : " + format.BytesOrZero(m.totalVirtual) + "Byte");
    lines.push_back("free user bytes             : " + format.BytesOrZero(m.availVirtual) + "Byte");
    return JoinLines(lines);
}

}  // namespace

UptimeParts SplitUptime(std::uint64_t tickMs) {
    const std::uint64_t s = tickMs / 1000;
    const std::uint64_t m = s / 60;
    const std::uint64_t h = m / 60;
    return UptimeParts{h, static_cast<int>(m - 60 * h), static_cast<int>(s - 60 * m)};
}

std::string BuildMemoryReport(const ReportFigures& figures) {
    const UptimeParts uptime = SplitUptime(figures.tickMs);
    return figures.english ? EnglishReport(figures) : JapaneseReport(figures, uptime);
}

}  // namespace dorv
