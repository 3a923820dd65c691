#pragma once
// A Windows-style INI file held in memory, byte for byte: "[Section]" header
// lines and "Key=Value" lines in Shift-JIS. Sections and keys stay in file
// order, and lines the program does not understand (comments, garbage, keys
// it does not know) are kept and written back as they were. Section and key
// names compare byte for byte; with duplicates the first one counts. Keys
// are found through an index, so reading a file of n keys costs O(n).

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vk {

struct IniReading;

class IniFile {
public:
    // Lines end in LF or CR LF; a last line without an end counts too.
    static IniFile parse(std::string_view bytes);
    // The file's keys, and whether there was a file to read: a missing file
    // reads as an empty one; one that is there but cannot be read (no
    // permission, a folder, a FIFO, a device, a symlink loop, more than
    // kMaxBytes) reads as an empty one that must never be saved over it.
    static IniReading load(const std::filesystem::path& file);
    // Far beyond any settings file the program writes.
    static constexpr std::size_t kMaxBytes = std::size_t{64} << 20;

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

    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    template <class Value>
    using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;
    struct LineRef {
        std::size_t block = 0;  // into sections_
        std::size_t line = 0;   // into that block's lines
    };
    // The header blocks of one section name in file order, and the first
    // line of each of its keys.
    struct SectionIndex {
        std::vector<std::size_t> blocks;
        TextMap<LineRef> firstLine;
    };

    Line* findLine(std::string_view section, std::string_view key);
    const Line* findLine(std::string_view section, std::string_view key) const;
    std::size_t blockForWriting(std::string_view section);
    void indexLine(std::size_t block, std::size_t line);
    void reindex();

    std::vector<Section> sections_;
    TextMap<SectionIndex> index_;
};

enum class IniFileState { kAbsent, kRead, kUnreadable };

struct IniReading {
    IniFile ini;  // empty unless the file was read
    IniFileState state = IniFileState::kAbsent;
    std::string error;  // for kUnreadable: a one-line reason ("not a regular file")

    bool unreadable() const { return state == IniFileState::kUnreadable; }
};

}  // namespace vk
