#pragma once
// The result-file tab at work: the list of saved searches in RESULT with
// rename and delete, the conditions of the file read (shown in controls that
// take no change), how its search ended, its hits with their own sort state,
// and the detail and report of the selected hit.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include <QObject>

#include "core/catalogue/catalogue.h"
#include "core/results/result_file_list.h"
#include "core/results/result_file_reader.h"
#include "core/search/condition/possession.h"
#include "core/search/hits/result_view.h"

class QStandardItem;
class QStandardItemModel;

namespace vk {

class HitDetail;
class ResultFilePage;
class ResultListModel;
class UserMessages;

class ResultFileController : public QObject {
    Q_OBJECT
public:
    // `detailSource` is the window's DetailSource: every refresh and read
    // sets it to 0 (the detail window no longer holds these hits).
    ResultFileController(ResultFilePage& page, const Catalogue& catalogue, const PossessionLists& possessions,
                         UserMessages& messages, int& detailSource, QObject* parent = nullptr);
    ~ResultFileController() override;

    // The folder listed; RESULT in the current folder unless a test says otherwise.
    void setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

    // "ファイル一覧更新", start-up and after a deletion.
    void refresh();
    // The file of `row` of ResultFileLV is read and shown.
    void ResultFileLVSelectItem(int row);
    // A caption edited in place: the file is renamed and the row shows the
    // new name, or the rename is refused with a message and the row keeps
    // the old one.
    void ResultFileLVEdited(int row, const QString& text);
    void ResultDelButtonClick();
    void ResultListLVColumnClick(int column);
    void ResultListLVSelectItem();
    void ResultCopyButtonClick();

    const std::vector<ResultFile>& files() const { return files_; }
    // The file read last, while it is shown; nothing after a refresh or a
    // failed read. Its hits have moved into hits().
    const std::optional<LoadedResultFile>& loaded() const { return loaded_; }
    const ResultView& hits() const { return view_; }
    std::optional<Result> selectedHit() const;

Q_SIGNALS:
    // "結果詳細" and "除外内容" over the file read: the windows that show them
    // are the main window's.
    void detailRequested();
    void exclusionsRequested();

private:
    void clearBrowsed();
    void fillFileList();
    void showConditions();
    void connectReverts();
    void showEnding();
    int selectedFileRow() const;
    void captionCommitted(int row, const QString& text);

    ResultFilePage& page_;
    const Catalogue& catalogue_;
    const PossessionLists& possessions_;
    UserMessages& messages_;
    int& detailSource_;
    std::filesystem::path folder_ = kResultFolder;
    std::vector<ResultFile> files_;
    std::optional<LoadedResultFile> loaded_;
    // What the condition controls show and go back to: the file read last,
    // kept by a refresh (the controls still show it); nothing before the
    // first read and after a failed one.
    struct ShownFile {
        SearchCondition condition;
        SearchEnding ending;
    };
    std::optional<ShownFile> shown_;
    ResultView view_;
    QStandardItemModel* fileModel_;
    ResultListModel* hitModel_;
    std::unique_ptr<HitDetail> detail_;
    bool filling_ = false;  // the window's own changes raise no handler
    struct CommittedCaption {
        int row;
        QString text;
    };
    std::optional<CommittedCaption> committedCaption_;  // waits for its editor to close
};

}  // namespace vk
