#include "core/results/result_file_list.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <tuple>
#include <utility>

#include "core/results/result_file_reader.h"
#include "core/text/sjis.h"

namespace vk {

namespace {

// True for text that is well-formed UTF-8 (what a file manager can show and
// the window can turn into a caption and back).
bool isUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t extra = 0;
        if (lead >= 0xC2 && lead <= 0xDF) extra = 1;
        else if (lead >= 0xE0 && lead <= 0xEF) extra = 2;
        else if (lead >= 0xF0 && lead <= 0xF4) extra = 3;
        else if (lead >= 0x80) return false;
        if (s.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

bool plainFileName(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// Where a name stands in the list: its Shift-JIS bytes, the form the names
// of wanted skills have in the catalogue; a name with no Shift-JIS form
// stands by its own bytes.
std::string orderKey(const std::string& name) { return utf8ToSjisExactly(name).value_or(name); }

}  // namespace

std::vector<ResultFile> listResultFiles(const std::filesystem::path& folder) {
    std::vector<std::pair<std::string, ResultFile>> keyed;  // (order key, entry)
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) return {};
    for (const std::filesystem::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (!isUtf8(name)) continue;
        const std::optional<ResultFileHeader> header = readResultFileHeader(entry.path());
        if (!header) continue;
        keyed.push_back({orderKey(name), {name, header->savedAt, header->hitCount}});
    }
    // std::string compares as unsigned bytes; equal keys fall back to the names.
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
        return std::tie(a.first, a.second.name) < std::tie(b.first, b.second.name);
    });
    std::vector<ResultFile> files;
    files.reserve(keyed.size());
    for (auto& [key, file] : keyed) files.push_back(std::move(file));
    return files;
}

bool renameResultFile(std::vector<ResultFile>& list, std::size_t entry, const std::string& newName,
                      const std::filesystem::path& folder) {
    if (entry >= list.size() || !plainFileName(newName)) return false;
    for (const ResultFile& f : list)
        if (f.name == newName) return false;
    std::error_code ec;
    // Never over a file the list does not show (rename() would replace it).
    if (std::filesystem::exists(std::filesystem::symlink_status(folder / newName, ec))) return false;
    std::filesystem::rename(folder / list[entry].name, folder / newName, ec);
    if (ec) return false;
    list[entry].name = newName;
    return true;
}

void deleteResultFile(const std::filesystem::path& folder, const std::string& name) {
    if (!plainFileName(name)) return;
    std::error_code ec;
    std::filesystem::remove(folder / name, ec);
}

std::string savedAtText(std::int32_t savedAt) {
    const std::time_t t = savedAt;
    std::tm local{};
    localtime_r(&t, &local);
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::string proposedResultFileName(const Catalogue& catalogue, const SearchCondition& windowCondition) {
    std::string name;
    for (int box = 0; box < 5; ++box) {
        int entry = windowCondition.wanted[box];
        if (entry < 0 || static_cast<std::size_t>(entry) >= catalogue.skillEqs.size()) entry = 0;
        if (box > 0) name += '_';
        if (!catalogue.skillEqs.empty()) name += sjisToUtf8(catalogue.skillEqs[entry].name);
    }
    return name + ".CSV";
}

}  // namespace vk
