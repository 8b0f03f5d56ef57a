#include "settings/ini_text.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/ascii_text.h"

// The text is parsed into sections and entries, changed, and written out whole, as the system does: blank
// lines go, the remaining lines are trimmed and every line ends in CR LF. Bytes are never transcoded.

namespace dorv {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
// The buffer the program reads into; one place is taken by the terminating zero.
constexpr std::size_t kReadBuffer = 1024;

struct Entry {
    std::string name;
    std::optional<std::string> value;  // none for a line without '=' (comments, stray text)
};

struct Section {
    std::string name;  // empty for the lines before the first header
    std::vector<Entry> entries;
};

struct Document {
    bool bom = false;
    std::vector<Section> sections;
};

std::string_view TrimLeft(std::string_view s) {
    return TrimStart(s, IsProfileBlank);
}

std::string_view TrimRight(std::string_view s) {
    return TrimEnd(s, IsProfileBlank);
}

std::string_view Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

// The system handles names and values as C strings: whatever follows an embedded zero, in an argument or in
// the file, is neither seen nor written back.
std::string_view AsCString(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

Document Parse(std::string_view text) {
    Document doc;
    if (text.empty()) {
        return doc;  // an empty file has not even the unnamed leading section
    }
    // Only a mark at the very start is one. After blanks it is text; a rewrite drops the blanks and so makes it a
    // mark, and what follows it may become a header, as with the system.
    if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        doc.bom = true;
        text.remove_prefix(kUtf8Bom.size());
    }
    doc.sections.push_back(Section{});
    bool previousNameless = false;

    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        while (pos < text.size() && text[pos] != '\n' && text[pos] != '\r') {
            ++pos;
        }
        const std::string_view line = Trim(text.substr(start, pos - start));
        // A run of CR and LF is one line break, so blank lines vanish.
        while (pos < text.size() && (text[pos] == '\n' || text[pos] == '\r')) {
            ++pos;
        }
        if (line.empty()) {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                // Text after the last ']' is dropped; blanks inside the brackets do not belong to the name.
                doc.sections.push_back(Section{std::string(Trim(line.substr(1, close - 1))), {}});
                previousNameless = false;
                continue;
            }
            // Without ']' the line is an ordinary entry.
        }
        Entry entry;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            entry.name = std::string(line);
        } else {
            entry.name = std::string(TrimRight(line.substr(0, equals)));
            entry.value = std::string(TrimLeft(line.substr(equals + 1)));
        }
        // The system keeps no two nameless entries in a row.
        if (!entry.name.empty() || !previousNameless) {
            previousNameless = entry.name.empty();
            doc.sections.back().entries.push_back(std::move(entry));
        }
    }
    return doc;
}

std::string Serialize(const Document& doc) {
    std::string out;
    if (doc.bom) {
        out += kUtf8Bom;
    }
    for (const Section& section : doc.sections) {
        // A nameless section has no header, so keys written to it land under whatever precedes it.
        if (!AsCString(section.name).empty()) {
            out += '[';
            out += AsCString(section.name);
            out += "]\r\n";
        }
        for (const Entry& entry : section.entries) {
            out += AsCString(entry.name);
            if (entry.value) {
                out += '=';
                out += AsCString(*entry.value);
            }
            out += "\r\n";
        }
    }
    return out;
}

// The first section whose name matches; later ones of the same name are never looked at.
Section* FindSection(Document& doc, std::string_view name) {
    const std::string_view wanted = Trim(name);
    for (Section& section : doc.sections) {
        if (EqualNoCase(AsCString(section.name), wanted)) {
            return &section;
        }
    }
    return nullptr;
}

Entry* FindEntry(Section& section, std::string_view key) {
    const std::string_view wanted = Trim(key);
    for (Entry& entry : section.entries) {
        if (EqualNoCase(AsCString(entry.name), wanted)) {
            return &entry;
        }
    }
    return nullptr;
}

// A value enclosed in matching quotes loses them, with the system's quirk at the buffer's edge: when the value
// without its opening quote is just one character too long, the last kept character is dropped instead.
std::string CopyToBuffer(std::string_view value) {
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::string out(value.substr(0, kReadBuffer - 1));
    if (quoted && value.size() <= kReadBuffer) {
        out.pop_back();
    }
    return out;
}

}  // namespace

std::string IniTextRead(const std::string& text, const std::string& section, const std::string& key) {
    Document doc = Parse(text);
    Section* found = FindSection(doc, AsCString(section));
    if (found == nullptr) {
        return {};
    }
    const Entry* entry = FindEntry(*found, AsCString(key));
    if (entry == nullptr || !entry->value) {
        return {};
    }
    return CopyToBuffer(AsCString(*entry->value));
}

std::string IniTextWrite(const std::string& text,
                         const std::string& section,
                         const std::string& key,
                         const std::string& value) {
    Document doc = Parse(text);
    const std::string_view sectionName = AsCString(section);
    const std::string_view keyName = AsCString(key);
    // Leading blanks of the value are dropped, so " 50" is stored as "50"; trailing ones are kept.
    std::string newValue(TrimLeft(AsCString(value)));

    Section* target = FindSection(doc, sectionName);
    if (target == nullptr) {
        // New names lose their leading blanks only, as the system does.
        doc.sections.push_back(Section{std::string(TrimLeft(sectionName)), {}});
        target = &doc.sections.back();
    }
    Entry* entry = FindEntry(*target, keyName);
    if (entry == nullptr) {
        target->entries.push_back(Entry{std::string(TrimLeft(keyName)), std::move(newValue)});
    } else if (entry->value && AsCString(*entry->value) == newValue) {
        return text;  // unchanged: the system does not rewrite the file, so hand edits survive
    } else {
        entry->value = std::move(newValue);
    }
    return Serialize(doc);
}

}  // namespace dorv
