#pragma once
// The my-set page at work: the list of my sets, the edit record EditMyset
// with its controls, "新規追加", "置換", move, delete and copy, the summary
// of the selected set, and the registration that the other pages use.

#include <vector>

#include <QObject>

#include "core/catalogue/catalogue.h"
#include "core/collections/myset.h"
#include "core/collections/myset_rules.h"
#include "core/results/skill_summary.h"
#include "core/search/condition/possession.h"

class QStandardItemModel;

namespace vk {

class CellTableModel;
class FixForm;
class MysetPage;
class UserMessages;

class MysetTab : public QObject {
    Q_OBJECT
public:
    MysetTab(MysetPage& page, const Catalogue& catalogue, MysetList& sets, const PossessionLists& owned,
             FixForm* dialog, bool startupError, UserMessages& messages, QObject* parent = nullptr);

    // Asks "マイセットに登録しますか？"; on Yes appends `set` and rebuilds the list.
    void registerMyset(const Myset& set);
    // Appends `set` without asking and rebuilds the list; refused, with a
    // message, when the list is full.
    void appendMyset(const Myset& set);
    // The list from the sequence; no row selected afterwards.
    void rebuildList();

    void MysetLVSelectItem();
    void MysetPartButtonClick(int part);  // MysetHeadButton .. MysetLegButton, MysetWeponButton (part 5)
    void MysetAddButtonClick();
    void MysetReplaceButtonClick();
    void MysetDelButtonClick();
    void MysetUpButtonClick();
    void MysetDownButtonClick();
    void MysetCopyButtonClick();

    const Myset& editMyset() const { return edit_; }
    int selectedRow() const;

Q_SIGNALS:
    // The my sets were added to, replaced, deleted or reordered.
    void changed();

private:
    bool refusedAsFull();
    void moveSelected(int step);
    void showEditRecord();
    void showPart(int part);
    void showSummary(const Myset& set);
    bool takeNameAndCheck();
    void selectRow(int row);

    MysetPage& page_;
    const Catalogue& catalogue_;
    MysetList& sets_;
    const PossessionLists& owned_;
    FixForm* dialog_;
    bool startupError_;
    UserMessages& messages_;
    Myset edit_;  // EditMyset
    std::vector<MysetListRow> rows_;
    CellTableModel* list_;
    QStandardItemModel* equipModel_;
    QStandardItemModel* skillModel_;
    SkillSummary summary_;
};

}  // namespace vk
