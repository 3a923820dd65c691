#include "ui/collections/fix_form.h"

#include <cmath>

#include <QComboBox>
#include <QEvent>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/cell_table_model.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

// The first row of `view`'s selection, -1 when none.
int selectedRow(const QTreeView* view) {
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

// Memo text keeps "\r\n" line ends in the core; the widget takes '\n'.
QString memoText(const std::string& sjis) {
    QString text = fromSjis(sjis);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    return text;
}

// Enter in SearchEdit runs the name search and goes no further (the dialog
// would otherwise take it for its default button).
class EnterRunsSearch : public QObject {
public:
    EnterRunsSearch(QObject* parent, std::function<void()> search) : QObject(parent), search_(std::move(search)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                search_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> search_;
};

QGroupBox* titled(QWidget* parent, const QString& title, QWidget* content) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(content);
    return box;
}

}  // namespace

FixForm::FixForm(const Catalogue& catalogue, QWidget* parent) : QDialog(parent), model_(catalogue) {
    buildLayout();
    connectControls();
    // Creation: every skill system, item i being system i.
    for (const std::string& name : catalogue.skillTypes) SkillTypeCB->addItem(fromSjis(name));
    SkillTypeCB->setCurrentIndex(SkillTypeCB->count() > 0 ? 0 : -1);
}

FixForm::~FixForm() = default;

void FixForm::buildLayout() {
    setObjectName(QStringLiteral("TFixForm"));
    setWindowTitle(QStringLiteral("固定装備"));
    setModal(true);

    FixLabel = makeLabel(this, QStringLiteral("FixLabel"), QString());
    QFont bold = FixLabel->font();
    bold.setBold(true);
    FixLabel->setFont(bold);
    SearchEdit = makeLineEdit(this, QStringLiteral("SearchEdit"), QString());
    SearchEdit->setPlaceholderText(QStringLiteral("前方部分検索"));
    SearchEdit->setToolTip(QStringLiteral("前方部分検索"));
    SearchButton = makeButton(this, QStringLiteral("SearchButton"), QStringLiteral("検索"));
    SkillTypeCB = makeComboBox(this, QStringLiteral("SkillTypeCB"), {});
    SkillTypeCB->setMinimumWidth(140);
    const QStringList both = {QStringLiteral("両方")};
    FixSexRG = new RadioGroup(QStringLiteral("FixSexRG"), QStringLiteral("性別"),
                              both + QStringList{QStringLiteral("男"), QStringLiteral("女")}, 0, this);
    FixTypeRG = new RadioGroup(QStringLiteral("FixTypeRG"), QStringLiteral("タイプ"),
                               both + QStringList{QStringLiteral("剣士"), QStringLiteral("ガンナー")}, 0, this);
    FixPartRG = new RadioGroup(QStringLiteral("FixPartRG"), QStringLiteral("部位"),
                               {QStringLiteral("頭"), QStringLiteral("胴"), QStringLiteral("腕"), QStringLiteral("腰"),
                                QStringLiteral("脚")},
                               0, this);
    FixPartRG->hide();

    FixLV = makeListView(this, QStringLiteral("FixLV"), {}, {});
    pieces_ = new CellTableModel({QStringLiteral("ID"), QStringLiteral("防具名"), QStringLiteral("防御"),
                                  QStringLiteral("スロット")},
                                 [this] { return static_cast<int>(model_.pieceRows().size()); },
                                 [this](int row, int column) { return model_.pieceCell(row, column); }, this);
    FixLV->setModel(pieces_);
    FixLV->setColumnWidth(kFixPieceId, 44);
    FixLV->setColumnWidth(kFixPieceName, 150);
    FixLV->setColumnWidth(kFixPieceDefence, 44);

    FixMemo = makeMemo(this, QStringLiteral("FixMemo"), true);
    ValMemo = makeMemo(this, QStringLiteral("ValMemo"), true);
    for (QPlainTextEdit* memo : {FixMemo, ValMemo}) memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // The two memos read side by side: one scroll bar moves both.
    ValMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(FixMemo->verticalScrollBar(), &QScrollBar::valueChanged, ValMemo->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(ValMemo->verticalScrollBar(), &QScrollBar::valueChanged, FixMemo->verticalScrollBar(),
            &QScrollBar::setValue);

    SelDecoLV = makeListView(this, QStringLiteral("SelDecoLV"), {}, {});
    SelDecoLV->setToolTip(QStringLiteral("ダブルクリックで装飾品を取り外し"));
    fitted_ = new CellTableModel({QStringLiteral("装飾品名"), QStringLiteral("スキル")},
                                 [this] { return model_.state().FixDecoCount; },
                                 [this](int row, int column) { return model_.fittedCell(row, column); }, this);
    SelDecoLV->setModel(fitted_);
    SelDecoLV->setColumnWidth(0, 150);
    SelDecoLV->header()->setSectionsClickable(false);

    UpButton = makeButton(this, QStringLiteral("UpButton"), QStringLiteral("↑"));
    DownButton = makeButton(this, QStringLiteral("DownButton"), QStringLiteral("↓"));

    DecoLV = makeListView(this, QStringLiteral("DecoLV"), {}, {});
    DecoLV->setToolTip(QStringLiteral("ダブルクリックで装飾品を追加"));
    decos_ = new CellTableModel({QStringLiteral("ID"), QStringLiteral("装飾品名"), QStringLiteral("スロット"),
                                 QStringLiteral("スキル"), QStringLiteral("レア度")},
                                [this] { return static_cast<int>(model_.decoRows().size()); },
                                [this](int row, int column) { return model_.decoCell(row, column); }, this);
    DecoLV->setModel(decos_);
    DecoLV->setColumnWidth(kFixDecoId, 40);
    DecoLV->setColumnWidth(kFixDecoName, 110);
    DecoLV->setColumnWidth(kFixDecoSlots, DecoLV->header()->sectionSizeHint(kFixDecoSlots));
    DecoLV->setColumnWidth(kFixDecoSkills, 150);  // two skills with their points
    // The last column stretches from its heading's width, never below it.
    DecoLV->setColumnWidth(kFixDecoRarity, DecoLV->header()->sectionSizeHint(kFixDecoRarity));
    // Every column in sight beside the vertical scroll bar: nothing scrolls across.
    int decoColumns = 0;
    for (int c = 0; c < kFixDecoColumns; ++c) decoColumns += DecoLV->columnWidth(c);
    DecoLV->setMinimumWidth(decoColumns + DecoLV->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                            2 * DecoLV->frameWidth());
    for (QTreeView* list : {FixLV, DecoLV}) list->header()->setSectionsClickable(true);
    for (QTreeView* list : {FixLV, SelDecoLV, DecoLV}) showGridLines(list);

    FixAddButton = makeButton(this, QStringLiteral("FixAddButton"), QStringLiteral("リストへ追加（閉じない）"));
    FixAddButton->setToolTip(QStringLiteral("ダイアログを閉じずに追加"));
    FixAddButton->hide();
    OkButton = makeButton(this, QStringLiteral("OkButton"), QStringLiteral("追加"));
    OkButton->setToolTip(QStringLiteral("追加しダイアログを閉じる"));
    cancelButton = makeButton(this, QStringLiteral("Cancel"), QStringLiteral("Cancel"));
    cancelButton->setToolTip(QStringLiteral("追加せずにダイアログを閉じる"));

    // Left: the search line, the filters and the pieces. Right: the detail
    // memos, the fitted decorations, the arrows and the candidates.
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(FixLabel);
    searchRow->addSpacing(8);
    searchRow->addWidget(SearchEdit, 1);
    searchRow->addWidget(SearchButton);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(FixSexRG);
    filterRow->addWidget(FixTypeRG);
    auto* left = new QVBoxLayout;
    left->addLayout(searchRow);
    left->addWidget(SkillTypeCB);
    left->addLayout(filterRow);
    left->addWidget(FixPartRG);
    left->addWidget(FixLV, 1);

    auto* memos = new QWidget(this);
    auto* memoRow = new QHBoxLayout(memos);
    memoRow->setContentsMargins(0, 0, 0, 0);
    memoRow->setSpacing(0);
    memoRow->addWidget(FixMemo, 3);
    memoRow->addWidget(ValMemo, 1);
    // The slot line and a piece's five skills; more lines (skills that only
    // decorations bring) scroll. The room this leaves goes to the decoration
    // lists below.
    const int memoLines = 6;
    const int lineHeight = static_cast<int>(std::ceil(QFontMetricsF(FixMemo->font()).lineSpacing()));
    // (The edit scrolls unless a pixel is left below its last line's margin.)
    memos->setFixedHeight(memoLines * lineHeight + 2 * FixMemo->frameWidth() +
                          2 * static_cast<int>(std::ceil(FixMemo->document()->documentMargin())) + 1);
    auto* arrows = new QHBoxLayout;
    arrows->addStretch(1);
    arrows->addWidget(UpButton);
    arrows->addWidget(DownButton);
    arrows->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(titled(this, QStringLiteral("防具詳細（含む装飾品効果）"), memos));
    auto* fittedBox = titled(this, QStringLiteral("取り付けた装飾品"), SelDecoLV);
    SelDecoLV->setFixedHeight(listHeightForRows(SelDecoLV, 3));  // a piece has at most three slots
    right->addWidget(fittedBox);
    right->addLayout(arrows);
    right->addWidget(titled(this, QStringLiteral("装飾品候補"), DecoLV), 1);

    auto* lists = new QHBoxLayout;
    lists->addLayout(left, 1);
    lists->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(FixAddButton);
    buttons->addWidget(OkButton);
    buttons->addWidget(cancelButton);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(lists, 1);
    whole->addLayout(buttons);
    resize(820, 600);
}

void FixForm::connectControls() {
    connect(FixLV->selectionModel(), &QItemSelectionModel::selectionChanged, this, &FixForm::FixLVSelectItem);
    connect(DecoLV, &QTreeView::doubleClicked, this, [this] { UpButtonClick(); });
    connect(SelDecoLV, &QTreeView::doubleClicked, this, [this] { DownButtonClick(); });
    connect(UpButton, &QPushButton::clicked, this, &FixForm::UpButtonClick);
    connect(DownButton, &QPushButton::clicked, this, &FixForm::DownButtonClick);
    connect(SearchButton, &QPushButton::clicked, this, &FixForm::SearchButtonClick);
    SearchEdit->installEventFilter(new EnterRunsSearch(this, [this] { SearchButtonClick(); }));
    connect(FixSexRG, &RadioGroup::itemClicked, this, [this](int item) {
        model_.setSexFilter(item);
        filterChanged();
    });
    connect(FixTypeRG, &RadioGroup::itemClicked, this, [this](int item) {
        model_.setTypeFilter(item);
        filterChanged();
    });
    connect(SkillTypeCB, &QComboBox::activated, this, [this](int item) {
        model_.setSkillFilter(item);
        filterChanged();
    });
    connect(FixPartRG, &RadioGroup::itemClicked, this, &FixForm::FixPartRGClick);
    connect(FixLV->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        model_.sortPieces(column);
        filling_ = true;
        pieces_->reload();
        showPieceSelection();
        filling_ = false;
    });
    connect(DecoLV->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        model_.sortDecos(column);
        decos_->reload();
    });
    connect(FixAddButton, &QPushButton::clicked, this, &FixForm::FixAddButtonClick);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<FixResult> FixForm::showModal() {
    FormShow();
    const bool accepted = exec() == QDialog::Accepted;
    std::optional<FixResult> result = accepted ? model_.result() : std::nullopt;
    model_.endShow();
    FixPartRG->hide();
    FixAddButton->hide();
    OkButton->setText(QStringLiteral("追加"));
    return result;
}

void FixForm::FormShow() {
    model_.show();
    refreshAll();
}

// Every control from the model, with the selection events of the refill
// itself ignored.
void FixForm::refreshAll() {
    const FixState& s = model_.state();
    filling_ = true;
    FixLabel->setText(fromSjis(model_.partCaption()));
    if (s.FixPart != Weapon) FixPartRG->setItemIndex(fixPartItemOfPart(s.FixPart));
    FixPartRG->setVisible(s.partChoiceShown);
    FixAddButton->setVisible(s.partChoiceShown);
    OkButton->setText(s.changeCaption ? QStringLiteral("変更") : QStringLiteral("追加"));
    FixSexRG->setItemIndex(s.sexFilter);
    FixSexRG->setEnabled(s.sexFilterEditable);
    FixTypeRG->setItemIndex(s.typeFilter);
    FixTypeRG->setEnabled(s.typeFilterEditable);
    SkillTypeCB->setCurrentIndex(s.skillFilter);
    pieces_->reload();
    decos_->reload();
    showPieceSelection();
    filling_ = false;
    refreshFitted();
}

void FixForm::refreshFitted() {
    fitted_->reload();
    const FixMemos memos = model_.memos();
    FixMemo->setPlainText(memoText(memos.fix));
    ValMemo->setPlainText(memoText(memos.val));
}

// The model's selected piece row, selected and scrolled into view.
void FixForm::showPieceSelection() {
    const int row = model_.selectedPieceRow();
    if (row < 0) {
        FixLV->selectionModel()->clearSelection();
        return;
    }
    const QModelIndex index = pieces_->index(row, 0);
    FixLV->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    FixLV->scrollTo(index);
}

void FixForm::FixLVSelectItem() {
    if (filling_) return;
    const int row = selectedRow(FixLV);
    if (row < 0) {
        model_.deselectPiece();
    } else {
        model_.selectPiece(row);
    }
    refreshFitted();
}

void FixForm::filterChanged() {
    if (!model_.state().Shown) return;
    refreshAll();
}

void FixForm::FixPartRGClick(int item) {
    if (filling_) return;
    model_.choosePart(partOfFixPartItem(item));
    refreshAll();
}

void FixForm::UpButtonClick() {
    if (model_.fit(selectedRow(DecoLV))) refreshFitted();
}

void FixForm::DownButtonClick() {
    if (model_.remove(selectedRow(SelDecoLV))) refreshFitted();
}

void FixForm::SearchButtonClick() {
    if (model_.findByName(toSjis(SearchEdit->text())) < 0) return;
    filling_ = true;
    showPieceSelection();
    filling_ = false;
    refreshFitted();
}

void FixForm::FixAddButtonClick() {
    if (!appender_) return;
    if (const std::optional<FixResult> result = model_.result()) appender_(*result);
}

}  // namespace vk
