// The portable INI reader and writer fed arbitrary text: reads and writes of any bytes end well, a value
// written reads back, writing it again changes nothing, and writing one key changes no other key of the
// program's. The same through PortableIniFile on a real file, to cover the file layer.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>
#include <string_view>

#include "ini_quirks.h"
#include "settings/ini_text.h"
#include "settings/portable_ini_file.h"
#include "settings/settings_table.h"

namespace dorv::fuzz {
namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "ini_text_fuzz: %s: %s\n", what, detail.c_str());
    std::abort();
}

// A name as the program passes it, in a letter case chosen by the input (matching ignores ASCII case).
std::string Recased(const char* name, FuzzedDataProvider& input) {
    std::string out(name);
    for (char& c : out)
        if (input.ConsumeBool())
            c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
    return out;
}

// What reading gives back for a value written without quotes around it: up to the first zero, without
// surrounding blanks, at most 1023 characters. False for a quoted value, whose quotes the reader strips.
bool ExpectedReadBack(std::string_view value, std::string& expected) {
    value = TrimIniBlanks(value.substr(0, value.find('\0')));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return false;
    expected = std::string(value.substr(0, 1023));
    return true;
}

void RemoveScratchFile();

// One file per process in the temporary folder, removed at exit.
const std::filesystem::path& ScratchFile() {
    static const std::filesystem::path path = [] {
        std::atexit(RemoveScratchFile);
        return std::filesystem::temp_directory_path() /
               ("dorvanix_ini_fuzz_" + std::to_string(std::random_device{}()) + ".ini");
    }();
    return path;
}

void RemoveScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(ScratchFile(), ignored);
}

void Store(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Load(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// PortableIniFile reads and writes the bytes of the file as the text functions do with the same bytes.
void CheckFileLayer(const std::string& text,
                    const std::string& section,
                    const std::string& key,
                    const std::string& value,
                    const std::string& after) {
    const std::filesystem::path path = ScratchFile();
    Store(path, text);
    PortableIniFile ini(path.parent_path().string());
    if (ini.ReadString(path.string(), section, key) != IniTextRead(text, section, key))
        Fail("the file reader differs from the text reader", key);
    ini.WriteString(path.string(), section, key, value);
    if (Load(path) != after)
        Fail("the file writer differs from the text writer", key);
}

}  // namespace
}  // namespace dorv::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace dorv;
    using namespace dorv::fuzz;
    FuzzedDataProvider input(data, size);
    const std::span<const SettingKey> keys = SettingsWriteOrder();
    const SettingDef& def = SettingDefinition(keys[input.ConsumeIntegralInRange<std::size_t>(0, keys.size() - 1)]);
    const std::string section = Recased(def.section, input);
    const std::string key = Recased(def.name, input);
    // Values never hold a line break: neither a read value nor a dialog's text can.
    std::string value = input.ConsumeRandomLengthString(1200);
    for (char& c : value)
        if (c == '\r' || c == '\n')
            c = ' ';
    const std::string wildSection = input.ConsumeRandomLengthString(40);
    const std::string wildKey = input.ConsumeRandomLengthString(40);
    const bool throughFile = input.ConsumeBool();
    const std::string text = input.ConsumeRemainingBytesAsString();

    // Any names and any text: no crash, no read longer than the buffer.
    if (IniTextRead(text, wildSection, wildKey).size() > 1023)
        Fail("a read longer than 1023 characters", wildKey);
    (void)IniTextWrite(text, wildSection, wildKey, value);

    const std::string after = IniTextWrite(text, section, key, value);
    std::string expected;
    // A zero byte in a header cuts the header short when the file is rewritten, as the system's writer does, and
    // the section is lost to the reader: such texts are left out here too.
    if (!HasZeroByte(text) && ExpectedReadBack(value, expected) &&
        IniTextRead(after, def.section, def.name) != expected)
        Fail("the value written does not read back", def.name);
    if (!HasRewriteQuirk(text)) {
        if (IniTextWrite(after, section, key, value) != after)
            Fail("writing the same value again changed the text", def.name);
        for (SettingKey other : keys) {
            const SettingDef& o = SettingDefinition(other);
            if (&o != &def && IniTextRead(after, o.section, o.name) != IniTextRead(text, o.section, o.name))
                Fail("writing one key changed another", std::string(def.name) + " changed " + o.name);
        }
    }
    if (throughFile)
        CheckFileLayer(text, section, key, value, after);
    return 0;
}
