#include "ui/results/result_form.h"

#include <algorithm>

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

#include "core/catalogue/part_letters.h"
#include "core/results/text_report.h"
#include "core/settings/ini_file.h"
#include "ui/results/alternative_list_model.h"
#include "ui/results/alternative_widths.h"
#include "ui/search/hit_detail.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/user_messages.h"
#include "ui/widgets/wait_cursor.h"
#include "ui/widgets/window_placement.h"

namespace vk {

namespace {

constexpr const char* kSettingsSection = "Result";

// Control names begin with the part's word; the weapon's keeps its spelling.
constexpr std::array<const char*, kDecoParts> kControlWord = {"Leg", "Head", "Body", "Arm", "Wst", "Wepon"};

// The lists as laid out: two columns, head first, the weapon last.
constexpr std::array<int, kDecoParts> kListOrder = {Head, Body, Arm, Wst, Leg, Weapon};

QStringList explanationLines() {
    return {QStringLiteral("○背景が緑色の防具・武器スロットを"), QStringLiteral("選択することで、検索で指定したスキ"),
            QStringLiteral("ルを持つ防具セットになります。"), QStringLiteral("○一番左のカラムが■のものは所持"),
            QStringLiteral("品に含まれていることをあらわします"), QStringLiteral("。")};
}

QString controlName(int part, const char* suffix) {
    return QString::fromLatin1(kControlWord[part]) + QString::fromLatin1(suffix);
}

// The selected row stays in the highlight colour when the list has no focus.
void keepSelectionVisible(QTreeView* view) {
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

}  // namespace

ResultForm::ResultForm(const Catalogue& catalogue, const PossessionLists& possessions, UserMessages& messages,
                       std::filesystem::path settingsFile, bool saveSettings, QWidget* parent)
    : QDialog(parent),
      catalogue_(catalogue),
      possessions_(possessions),
      messages_(messages),
      settingsFile_(std::move(settingsFile)),
      saveSettings_(saveSettings) {
    buildLayout();
    resize(kDesignWidth, kDesignHeight);
    keepFittedToWorkArea(this);
    readPlacement();
}

// An open dialog is hidden here, while the hits its lists show still live:
// hidden by the base destructor, the lists would lay out rows of freed hits.
// The lists go after this object's members: their selection changes while
// they are taken apart must not reach the handlers any more.
ResultForm::~ResultForm() {
    hide();
    for (QTreeView* list : ResultLV) list->selectionModel()->disconnect(this);
}

void ResultForm::buildLayout() {
    setObjectName(QStringLiteral("TResultForm"));
    setWindowTitle(QStringLiteral("結果詳細"));
    auto* root = new QHBoxLayout(this);
    auto* lists = new QGridLayout;
    for (int i = 0; i < kDecoParts; ++i) lists->addWidget(buildPartList(kListOrder[i]), i / 2, i % 2);
    root->addLayout(lists, 3);
    root->addWidget(buildSummary(), 2);

    for (int part = 0; part < kDecoParts; ++part) {
        connect(ResultLV[part]->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this, part] { ResultLVSelectItem(part); });
        connect(CancelButton[part], &QPushButton::clicked, this, [this, part] { CancelButtonClick(part); });
    }
    connect(AllCancelButton, &QPushButton::clicked, this, [this] { CancelButtonClick(kDecoParts); });
    connect(CopyButton, &QPushButton::clicked, this, &ResultForm::CopyButtonClick);
    connect(MysetButton, &QPushButton::clicked, this, &ResultForm::MysetButtonClick);
    connect(ResultOKButton, &QPushButton::clicked, this, &QDialog::accept);
}

QWidget* ResultForm::buildPartList(int part) {
    auto* box = new QWidget(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    const QString caption = part == Weapon ? QStringLiteral("武器スロット")
                                           : QString::fromUtf8(kPartLetter[part]) + QStringLiteral("装備");
    column->addWidget(makeLabel(box, {}, caption));

    auto* view = new QTreeView(box);
    setUpListView(view, controlName(part, "ResultLV"), {});
    listModels_[part] = new AlternativeListModel(catalogue_, possessions_, narrowing_, part, view);
    replaceListModel(*view, listModels_[part]);
    if (part != Weapon) {
        view->setColumnWidth(0, 20);
        view->setColumnWidth(2, 36);
    }
    view->header()->setSectionsClickable(false);
    showGridLines(view);
    keepSelectionVisible(view);
    ResultLV[part] = view;
    column->addWidget(view, 1);

    CancelButton[part] = makeButton(box, controlName(part, "CancelButton"), QStringLiteral("選択解除"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CancelButton[part]);
    column->addLayout(buttons);
    return box;
}

QWidget* ResultForm::buildSummary() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);

    Memo1 = makeMemo(panel, QStringLiteral("Memo1"), true, explanationLines());
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setMaximumHeight(Memo1->fontMetrics().lineSpacing() * 7 + 10);
    EquipResultLV = makeListView(panel, QStringLiteral("EquipResultLV"),
                                 {QStringLiteral("部"), QStringLiteral("防"), QStringLiteral("火"), QStringLiteral("水"),
                                  QStringLiteral("雷"), QStringLiteral("氷"), QStringLiteral("龍"), QStringLiteral("ス"),
                                  QStringLiteral("装飾品")},
                                 {36, 32, 28, 28, 28, 28, 28, 24});
    EquipResultLV->setSelectionMode(QAbstractItemView::NoSelection);
    showGridLines(EquipResultLV);
    // Its seven rows and the heading, without scrolling.
    EquipResultLV->setFixedHeight(8 * (EquipResultLV->fontMetrics().height() + 6) + 6);
    SkillResultLV = makeListView(panel, QStringLiteral("SkillResultLV"), skillPointHeadings(), {110, 32, 32, 32, 32, 32, 32});
    SkillResultLV->setSelectionMode(QAbstractItemView::NoSelection);
    showGridLines(SkillResultLV);
    equipModel_ = qobject_cast<QStandardItemModel*>(EquipResultLV->model());
    skillModel_ = qobject_cast<QStandardItemModel*>(SkillResultLV->model());
    ResultMemo = makeMemo(panel, QStringLiteral("ResultMemo"), true);

    AllCancelButton = makeButton(panel, QStringLiteral("AllCancelButton"), QStringLiteral("全部位解除"));
    CopyButton = makeButton(panel, QStringLiteral("CopyButton"), QStringLiteral("クリップボードにコピー"), false);
    MysetButton = makeButton(panel, QStringLiteral("MysetButton"), QStringLiteral("マイセット"), false);
    ResultOKButton = makeButton(panel, QStringLiteral("ResultOKButton"), QStringLiteral("閉じる"));

    grid->addWidget(makeLabel(panel, {}, QStringLiteral("説明")), 0, 0, 1, 2);
    grid->addWidget(Memo1, 1, 0, 1, 2);
    grid->addWidget(EquipResultLV, 2, 0, 1, 2);
    grid->addWidget(SkillResultLV, 3, 0, 1, 2);
    grid->addWidget(ResultMemo, 4, 0, 4, 1);
    grid->addWidget(AllCancelButton, 4, 1);
    grid->addWidget(CopyButton, 5, 1);
    grid->addWidget(MysetButton, 6, 1);
    grid->addWidget(ResultOKButton, 7, 1, Qt::AlignBottom);
    grid->setRowStretch(3, 3);
    grid->setRowStretch(7, 1);
    return panel;
}

void ResultForm::readPlacement() {
    if (!readWindowPlacement(this, settingsFile_, kSettingsSection)) saveSettings_ = false;
}

void ResultForm::writePlacement() {
    if (saveSettings_) writeWindowPlacement(this, settingsFile_, kSettingsSection);
}

void ResultForm::openFrom(Source source, int& detailSource, const SearchCondition& condition,
                          const ResultView& hits) {
    if (detailSource != source) {
        WaitCursor wait;
        Fill(condition, hits.unnumbered());
    }
    exec();
    detailSource = source;
}

void ResultForm::Fill(const SearchCondition& condition, const ResultStore& hits) {
    narrowing_.Fill(catalogue_, condition, hits);
    columnsFitted_ = false;
    if (isVisible() && narrowing_.takeFillPending()) fillLists();
}

void ResultForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setAttribute(Qt::WA_Moved);  // placed once: later openings keep where the user left it
    if (!narrowing_.takeFillPending()) return;
    setCopyEnabled(false);
    fillLists();
}

void ResultForm::done(int result) {
    writePlacement();
    QDialog::done(result);
}

void ResultForm::ResultLVSelectItem(int part) {
    if (updatingLists_) return;
    const QModelIndexList rows = ResultLV[part]->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        // The user took the selection away (Ctrl+click): as its cancel button.
        CancelButtonClick(part);
        return;
    }
    narrowing_.select(part, rows.first().row());
    selectionChanged();
}

void ResultForm::CancelButtonClick(int part) {
    updatingLists_ = true;
    for (int p = 0; p < kDecoParts; ++p) {
        if (part != kDecoParts && p != part) continue;
        ResultLV[p]->selectionModel()->clearSelection();
        narrowing_.clearSelection(p);
    }
    updatingLists_ = false;
    setCopyEnabled(false);
    selectionChanged();
}

void ResultForm::selectionChanged() {
    if (!narrowing_.anySelected()) {
        fillLists();
        return;
    }
    if (narrowing_.allSelected()) setCopyEnabled(true);
    // The lists ask their model for every colour as they draw: drawing them
    // again is enough (telling the views that all rows changed costs a pass
    // over every row).
    for (QTreeView* list : ResultLV) list->viewport()->update();
    showFirstGreenRows();
    showSummary();
}

void ResultForm::fillLists() {
    updatingLists_ = true;
    for (int part = 0; part < kDecoParts; ++part) {
        listModels_[part]->refill();
        if (!columnsFitted_) fitColumns(part);  // the rows' texts change only with a Fill
        ResultLV[part]->scrollToTop();  // new rows start at their first
    }
    updatingLists_ = false;
    columnsFitted_ = true;
    showSummary();
}

// The names and decorations of every row whole; the last column still takes
// whatever room is left.
void ResultForm::fitColumns(int part) {
    QTreeView* list = ResultLV[part];
    if (!widths_) widths_ = std::make_unique<AlternativeWidths>(catalogue_, list->fontMetrics());
    const AlternativeWidths::Widest widest = widths_->widest(narrowing_, part);
    const int margins = 2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 8;
    const int decoColumn = part == Weapon ? 0 : 3;
    if (part != Weapon) list->setColumnWidth(1, std::max(widest.name + margins, 40));
    list->setColumnWidth(decoColumn, std::max(widest.decorations + margins, list->header()->sectionSizeHint(decoColumn)));
}

// A list without a selection shows where its green rows begin.
void ResultForm::showFirstGreenRows() {
    for (int part = 0; part < kDecoParts; ++part) {
        if (narrowing_.selectedRow(part) != HitNarrowing::kNoRow) continue;
        for (int row = 0; row < narrowing_.rowCount(part); ++row)
            if (narrowing_.isHighlighted(part, row)) {
                ResultLV[part]->scrollTo(listModels_[part]->index(row, 0));
                break;
            }
    }
}

void ResultForm::showSummary() {
    shown_ = narrowing_.selectedSet();
    RunSkillSummary(catalogue_, shown_, summary_);
    equipModel_->removeRows(0, equipModel_->rowCount());
    for (const DetailEquipRow& row : DetailEquipRows(catalogue_, shown_)) {
        QList<QStandardItem*> items;
        for (const std::string& text : row) items << new QStandardItem(fromSjis(text));
        equipModel_->appendRow(items);
    }
    showSkillSummary(catalogue_, summary_, *skillModel_, *ResultMemo);
}

void ResultForm::setCopyEnabled(bool enabled) {
    CopyButton->setEnabled(enabled);
    MysetButton->setEnabled(enabled);
}

void ResultForm::CopyButtonClick() {
    if (!narrowing_.allSelected()) return;
    shown_ = narrowing_.selectedSet();
    QGuiApplication::clipboard()->setText(fromSjis(BuildTextReport(catalogue_, shown_, summary_)));
}

void ResultForm::MysetButtonClick() {
    if (!narrowing_.allSelected()) return;
    if (!messages_.ask(QStringLiteral("確認"), QStringLiteral("マイセットに登録しますか？"))) return;
    if (registerMyset_) registerMyset_(narrowing_);
}

}  // namespace vk
