#pragma once
// A catalogue folder in the system's temporary directory, removed again at
// the end of the test. Files are written from UTF-8 lines converted to
// Shift-JIS, or from raw bytes.

#include <filesystem>
#include <string>
#include <vector>

namespace vk::test {

class TempCatalogueDir {
public:
    TempCatalogueDir();
    ~TempCatalogueDir();
    TempCatalogueDir(const TempCatalogueDir&) = delete;
    TempCatalogueDir& operator=(const TempCatalogueDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Each line converted to Shift-JIS and ended with `eol`.
    void write(const std::string& name, const std::vector<std::string>& utf8Lines, const std::string& eol = "\r\n");
    void writeBytes(const std::string& name, const std::string& bytes);
    void remove(const std::string& name);

    // All eight files with a small consistent catalogue: systems なし, 攻撃,
    // 防御, 胴系倍加; one no-entry row in every table; activation なし.
    void writeMinimalCatalogue();

private:
    std::filesystem::path path_;
};

}  // namespace vk::test
