#include "ui/support/catalogue_dir.h"

#include <QDir>
#include <QFile>

#include "ui/app/settings_location.h"

namespace vk::test {

CatalogueDir::CatalogueDir(const QStringList& leaveOut) : previous_(std::filesystem::current_path()) {
    if (!dir_.isValid()) return;
    // VK_SAMPLE_DIR in the environment points the tests at another catalogue.
    const QDir sample(qEnvironmentVariable("VK_SAMPLE_DIR", QStringLiteral(VK_SAMPLE_DIR)));
    const QStringList files = sample.entryList(QDir::Files);
    if (files.isEmpty()) return;
    for (const QString& name : files) {
        if (leaveOut.contains(name)) continue;
        if (!QFile::copy(sample.filePath(name), QDir(dir_.path()).filePath(name))) return;
    }
    std::filesystem::current_path(path());
    // The settings file too lies in the scratch folder, so no run sees another's.
    overrideSettingsFilePath(path() / "velkorantis.INI");
    ok_ = true;
}

CatalogueDir::~CatalogueDir() {
    overrideSettingsFilePath(std::nullopt);
    std::filesystem::current_path(previous_);
}

std::filesystem::path CatalogueDir::path() const { return dir_.path().toStdString(); }

QStringList CatalogueDir::entries() const {
    return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

}  // namespace vk::test
