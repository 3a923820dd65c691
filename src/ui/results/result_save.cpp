#include "ui/results/result_save.h"

#include <ctime>
#include <filesystem>

#include <QFileDialog>

#include "core/results/result_file_list.h"
#include "core/results/result_file_writer.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/wait_cursor.h"

namespace vk {

SavePathChooser saveFileDialog(QWidget* parent) {
    return [parent](const QString& folder, const QString& proposedName) {
        QFileDialog dialog(parent);
        dialog.setObjectName(QStringLiteral("ResultSaveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("CSV"));
        dialog.setNameFilters({QStringLiteral("CSVファイル (*.CSV)"), QStringLiteral("すべてのファイル (*)")});
        dialog.setDirectory(folder);
        dialog.selectFile(proposedName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
        return dialog.selectedFiles().first();
    };
}

bool ResultSaveButtonClick(const SearchToSave& search, const SavePathChooser& choosePath, UserMessages& messages) {
    const QString error = QStringLiteral("エラー");
    const std::filesystem::path folder = std::filesystem::absolute(kResultFolder);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec) && !std::filesystem::create_directory(folder, ec)) {
        messages.inform(error, QStringLiteral("フォルダRESULTが作成できませんでした"));
        return false;
    }
    const QString chosen = choosePath(QString::fromStdString(folder.string()),
                                      QString::fromStdString(proposedResultFileName(search.catalogue,
                                                                                    search.windowCondition)));
    if (chosen.isEmpty()) return false;
    WaitCursor wait;
    const ResultFileContent content{search.catalogue, search.windowCondition, search.hits, search.exclusions,
                                    std::time(nullptr)};
    if (!saveResultFile(chosen.toStdString(), content)) {
        messages.inform(error, QStringLiteral("ファイルが作成できませんでした"));
        return false;
    }
    return true;
}

}  // namespace vk
