#include "core/settings/ini_file.h"

#include <algorithm>

#include "core/files/regular_file.h"
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
    ini.reindex();
    return ini;
}

IniReading IniFile::load(const std::filesystem::path& file) {
    IniReading reading;
    std::string error;
    std::optional<std::string> bytes = readRegularFile(file, &error, kMaxBytes + 1);
    if (bytes && bytes->size() > kMaxBytes) {
        bytes.reset();
        error = file.string() + ": larger than " + std::to_string(kMaxBytes >> 20) + " MB";
    }
    // The reason alone: callers name the file their own way.
    const std::string prefix = file.string() + ": ";
    if (error.starts_with(prefix)) error.erase(0, prefix.size());
    if (bytes) {
        reading.ini = parse(*bytes);
        reading.state = IniFileState::kRead;
        return reading;
    }
    // Only a name that leads nowhere at all is a missing file; a dangling
    // symlink or a folder that cannot be searched is not.
    std::error_code ec;
    const bool absent = std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found;
    reading.state = absent ? IniFileState::kAbsent : IniFileState::kUnreadable;
    if (!absent) reading.error = std::move(error);
    return reading;
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

void IniFile::indexLine(std::size_t block, std::size_t line) {
    const Section& s = sections_[block];
    // The first line of a key, across the section's blocks, is the one that counts.
    if (s.hasHeader && !s.lines[line].key.empty())
        index_[s.name].firstLine.try_emplace(s.lines[line].key, LineRef{block, line});
}

void IniFile::reindex() {
    index_.clear();
    for (std::size_t b = 0; b < sections_.size(); ++b) {
        if (!sections_[b].hasHeader) continue;
        index_[sections_[b].name].blocks.push_back(b);
        for (std::size_t l = 0; l < sections_[b].lines.size(); ++l) indexLine(b, l);
    }
}

IniFile::Line* IniFile::findLine(std::string_view section, std::string_view key) {
    const auto s = index_.find(section);
    if (s == index_.end()) return nullptr;
    const auto found = s->second.firstLine.find(key);
    if (found == s->second.firstLine.end()) return nullptr;
    return &sections_[found->second.block].lines[found->second.line];
}

const IniFile::Line* IniFile::findLine(std::string_view section, std::string_view key) const {
    return const_cast<IniFile*>(this)->findLine(section, key);
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

// The section's first block, added at the end of the file when it has none.
std::size_t IniFile::blockForWriting(std::string_view section) {
    const auto s = index_.find(section);
    if (s != index_.end() && !s->second.blocks.empty()) return s->second.blocks.front();
    Section added{std::string(section), true, {}};
    added.lines.push_back(Line{"[" + std::string(section) + "]", {}, 0});
    sections_.push_back(std::move(added));
    index_[std::string(section)].blocks.push_back(sections_.size() - 1);
    return sections_.size() - 1;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string raw = std::string(key) + "=";
    const std::size_t valueStart = raw.size();
    raw += oneLine(value);
    Line written{std::move(raw), std::string(key), valueStart};
    if (Line* line = findLine(section, key)) {
        *line = std::move(written);
        return;
    }
    const std::size_t block = blockForWriting(section);
    std::vector<Line>& lines = sections_[block].lines;
    // After the section's last key: blank lines and comments that end the
    // block stay between it and the next header. Only such lines move, so
    // the index of every key line stays right.
    auto lastKey = std::find_if(lines.rbegin(), lines.rend(), [](const Line& l) { return !l.key.empty(); });
    const auto insertAt = lastKey == lines.rend() ? lines.begin() + 1 : lastKey.base();
    const std::size_t at = static_cast<std::size_t>(insertAt - lines.begin());
    lines.insert(insertAt, std::move(written));
    indexLine(block, at);
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value) {
    writeString(section, key, value ? "1" : "0");
}

void IniFile::eraseSection(std::string_view section) {
    if (!index_.contains(section)) return;
    std::erase_if(sections_, [section](const Section& s) { return s.hasHeader && s.name == section; });
    reindex();
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (std::size_t b = 0; b < sections_.size(); ++b)
        if (sections_[b].hasHeader && index_.find(sections_[b].name)->second.blocks.front() == b)
            names.push_back(sections_[b].name);
    return names;
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> found;
    const auto s = index_.find(section);
    if (s == index_.end()) return found;
    for (std::size_t b : s->second.blocks)
        for (const Line& line : sections_[b].lines)
            if (!line.key.empty()) found.push_back(line.key);
    return found;
}

}  // namespace vk
