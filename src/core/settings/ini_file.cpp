#include "core/settings/ini_file.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "core/files/replace_file.h"
#include "core/text/whole_number.h"

namespace vk {

namespace {

// Blanks are ASCII only: no Shift-JIS byte of a two-byte character is one.
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// "[name]" (blanks around allowed): the name, else nothing.
std::optional<std::string> headerName(std::string_view line) {
    const std::string_view t = trimBlanks(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(trimBlanks(t.substr(1, close - 1)));
}

// A value never spans lines.
std::string_view oneLine(std::string_view value) { return value.substr(0, value.find_first_of("\r\n")); }

}  // namespace

IniFile IniFile::parse(std::string_view bytes) {
    IniFile ini;
    ini.sections_.push_back(Section{});
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        if (std::optional<std::string> name = headerName(line)) {
            ini.sections_.push_back(Section{std::move(*name), true, {}});
            ini.sections_.back().lines.push_back(Line{std::string(line), {}, 0});
            continue;
        }
        Line parsed{std::string(line), {}, 0};
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos ? std::string_view{}
                                                                       : trimBlanks(line.substr(0, equals));
        if (!key.empty() && key.front() != ';') {
            parsed.key = std::string(key);
            parsed.valueStart = equals + 1;
        }
        ini.sections_.back().lines.push_back(std::move(parsed));
    }
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return parse({});
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) return parse({});
    return parse(bytes.str());
}

std::string IniFile::format() const {
    std::string out;
    for (const Section& section : sections_)
        for (const Line& line : section.lines) {
            out += line.raw;
            out += "\r\n";
        }
    return out;
}

bool IniFile::save(const std::filesystem::path& file) const { return replaceFileContents(file, format()); }

const IniFile::Line* IniFile::findLine(std::string_view section, std::string_view key) const {
    for (const Section& s : sections_) {
        if (!s.hasHeader || s.name != section) continue;
        for (const Line& line : s.lines)
            if (line.key == key) return &line;
    }
    return nullptr;
}

std::optional<std::string> IniFile::text(std::string_view section, std::string_view key) const {
    const Line* line = findLine(section, key);
    if (!line) return std::nullopt;
    return line->raw.substr(line->valueStart);
}

std::string IniFile::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    std::optional<std::string> value = text(section, key);
    return value ? std::move(*value) : std::string(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const std::optional<std::string> value = text(section, key);
    if (!value) return fallback;
    return parseWholeNumber(trimBlanks(*value)).value_or(fallback);
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

IniFile::Section& IniFile::sectionForWriting(std::string_view section) {
    for (Section& s : sections_)
        if (s.hasHeader && s.name == section) return s;
    Section added{std::string(section), true, {}};
    added.lines.push_back(Line{"[" + std::string(section) + "]", {}, 0});
    sections_.push_back(std::move(added));
    return sections_.back();
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=";
    const std::size_t valueStart = raw.size();
    raw += oneLine(value);
    Line written{std::move(raw), std::string(key), valueStart};
    for (Section& s : sections_) {
        if (!s.hasHeader || s.name != section) continue;
        for (Line& line : s.lines)
            if (line.key == key) {
                line = std::move(written);
                return;
            }
    }
    Section& target = sectionForWriting(section);
    // After the section's last key: blank lines and comments that end the
    // block stay between it and the next header.
    auto lastKey = std::find_if(target.lines.rbegin(), target.lines.rend(),
                                [](const Line& l) { return !l.key.empty(); });
    const auto insertAt = lastKey == target.lines.rend() ? target.lines.begin() + 1 : lastKey.base();
    target.lines.insert(insertAt, std::move(written));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
    std::erase_if(sections_, [section](const Section& s) { return s.hasHeader && s.name == section; });
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (const Section& s : sections_)
        if (s.hasHeader && std::find(names.begin(), names.end(), s.name) == names.end()) names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> found;
    for (const Section& s : sections_)
        if (s.hasHeader && s.name == section)
            for (const Line& line : s.lines)
                if (!line.key.empty()) found.push_back(line.key);
    return found;
}

}  // namespace vk
