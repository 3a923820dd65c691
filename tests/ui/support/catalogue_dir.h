#pragma once
// A scratch working directory holding a copy of the bundled sample catalogue.
// While it lives it is the current directory, as the program expects of the
// folder it works in, and the settings file lies in it as "velkorantis.INI";
// the previous current directory and settings file come back afterwards.

#include <filesystem>

#include <QStringList>
#include <QTemporaryDir>

namespace vk::test {

class CatalogueDir {
public:
    // Copies the sample's files except those named in `leaveOut`.
    explicit CatalogueDir(const QStringList& leaveOut = {});
    ~CatalogueDir();
    CatalogueDir(const CatalogueDir&) = delete;
    CatalogueDir& operator=(const CatalogueDir&) = delete;

    bool ok() const { return ok_; }
    std::filesystem::path path() const;
    // The names of the files in the directory, sorted.
    QStringList entries() const;

private:
    QTemporaryDir dir_;
    std::filesystem::path previous_;
    bool ok_ = false;
};

}  // namespace vk::test
