#pragma once
// The possessions page at work: the five lists of owned pieces with add,
// change, move and delete, the sex and type filter, the summary of the
// selected rows and "マイセット" from them. The main window owns the lists;
// this controller keeps each part's filtered view in step with them.

#include <array>
#include <functional>

#include <QObject>

#include "core/catalogue/catalogue.h"
#include "core/collections/myset.h"
#include "core/collections/possession_summary.h"
#include "core/collections/possession_views.h"
#include "core/results/skill_summary.h"

class QStandardItemModel;

namespace vk {

class CellTableModel;
class FixForm;
struct FixResult;
class PossessionPage;
class UserMessages;

class PossessionTab : public QObject {
    Q_OBJECT
public:
    // Offers a my set for registration (asks, appends, lists it).
    using RegisterMyset = std::function<void(const Myset&)>;

    // `dialog` is null when the window has no dialog (a start-up error):
    // adding and changing then do nothing.
    PossessionTab(PossessionPage& page, const Catalogue& catalogue, PossessionLists& owned, FixForm* dialog,
                  bool startupError, RegisterMyset registerMyset, UserMessages& messages, QObject* parent = nullptr);

    // Filter and list rebuild of all five parts (start-up and filter clicks).
    void rebuildLists();

    void AddButtonClick(int part);
    void ModButtonClick(int part);  // also a double click on the list
    void UpButtonClick(int part);
    void DownButtonClick(int part);
    void DelButtonClick(int part);
    void PossMysetButtonClick();

    // Appends the dialog's piece with its decorations (OK of "追加" and
    // FixAddButton); a result without a piece is ignored, and one past the
    // cap of owned pieces refused with a message.
    void appendFromDialog(const FixResult& result);

    const PossViews& views() const { return views_; }
    // The selected row of a part's list, -1 for none.
    int selectedRow(int part) const;

Q_SIGNALS:
    // The owned pieces were added to, changed, deleted or reordered.
    void changed();

private:
    void filterClick();
    void refreshSummary();
    void selectRow(int part, int row);
    SelectedPossessions selectedPossessions() const;

    PossessionPage& page_;
    const Catalogue& catalogue_;
    PossessionLists& owned_;
    FixForm* dialog_;
    bool startupError_;
    RegisterMyset registerMyset_;
    UserMessages& messages_;
    PossViews views_;
    std::array<CellTableModel*, kArmourParts> lists_{};
    QStandardItemModel* equipModel_;
    QStandardItemModel* skillModel_;
    SkillSummary summary_;
};

}  // namespace vk
