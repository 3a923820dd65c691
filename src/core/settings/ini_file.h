#pragma once
// A Windows-style INI file held in memory, byte for byte: "[Section]" header
// lines and "Key=Value" lines in Shift-JIS. Sections and keys stay in file
// order, and lines the program does not understand (comments, garbage, keys
// it does not know) are kept and written back as they were. Section and key
// names compare byte for byte; with duplicates the first one counts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vk {

class IniFile {
public:
    // Lines end in LF or CR LF; a last line without an end counts too.
    static IniFile parse(std::string_view bytes);
    // A missing or unreadable file reads as an empty one.
    static IniFile load(const std::filesystem::path& file);

    // The whole file as saved: every line ended by CR LF.
    std::string format() const;
    // Saves crash-safe (a temporary file beside `file`, then a rename); false
    // when that failed, and `file` is then as it was.
    bool save(const std::filesystem::path& file) const;

    // The text after the first '=' of the key's line, as it stands.
    std::optional<std::string> text(std::string_view section, std::string_view key) const;
    bool has(std::string_view section, std::string_view key) const { return text(section, key).has_value(); }

    // Typed reads: a missing key, and for numbers a text that is no whole
    // decimal number (blanks around it allowed), yield the default.
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int readInteger(std::string_view section, std::string_view key, int fallback) const;
    // An integer, non-zero meaning true.
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Sets the key's value (replacing the first line of that key), creating
    // the key at the end of its section and the section at the end of the
    // file as needed.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);  // "1" or "0"

    // Removes every block of the section with all its lines.
    void eraseSection(std::string_view section);

    // Section names in file order, each once.
    std::vector<std::string> sectionNames() const;
    // Keys of the section in file order (duplicates included).
    std::vector<std::string> keys(std::string_view section) const;

private:
    struct Line {
        std::string raw;  // the line as read or written, without its end
        std::string key;  // empty for a line that holds no key
        std::size_t valueStart = 0;
    };
    struct Section {
        std::string name;  // empty for the lines before the first header
        bool hasHeader = false;
        std::vector<Line> lines;
    };

    const Line* findLine(std::string_view section, std::string_view key) const;
    Section& sectionForWriting(std::string_view section);

    std::vector<Section> sections_;
};

}  // namespace vk
