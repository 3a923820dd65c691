#include "core/catalogue/temp_catalogue_dir.h"

#include <atomic>
#include <fstream>
#include <random>
#include <stdexcept>
#include <unistd.h>

#include "core/catalogue/data_files.h"
#include "core/text/sjis.h"

namespace vk::test {

TempCatalogueDir::TempCatalogueDir() {
    static std::atomic<unsigned> serial{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("vk-catalogue-" + std::to_string(::getpid()) + "-" + std::to_string(serial++) + "-" +
             std::to_string(random()));
    if (!std::filesystem::create_directory(path_)) throw std::runtime_error("temporary folder exists: " + path_.string());
}

TempCatalogueDir::~TempCatalogueDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempCatalogueDir::write(const std::string& name, const std::vector<std::string>& utf8Lines,
                             const std::string& eol) {
    std::string bytes;
    for (const std::string& line : utf8Lines) bytes += utf8ToSjis(line) + eol;
    writeBytes(name, bytes);
}

void TempCatalogueDir::writeBytes(const std::string& name, const std::string& bytes) {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + name);
}

void TempCatalogueDir::remove(const std::string& name) { std::filesystem::remove(path_ / name); }

void TempCatalogueDir::writeMinimalCatalogue() {
    write(kSkillTypeFile, {"なし", "攻撃", "防御", "胴系倍加"});
    for (const char* file : kEquipFiles) write(file, {"なし"});
    write(kDecoFile, {"なし"});
    write(kSkillEqFile, {"なし,なし>=0"});
}

}  // namespace vk::test
