#include "ui/search/search_page.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/search/result_list_view.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"

namespace vk {

namespace {

// "検索" is the conditions' default button, as in a dialog (the page is no
// dialog, so it is done here): Enter that no condition control took starts
// the search, and Enter on a focused button presses that button. An open
// drop-down list is a window of its own and keeps its Enter.
class EnterStartsSearch : public QObject {
public:
    EnterStartsSearch(QObject* parent, QPushButton* search) : QObject(parent), search_(search) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!button) button = search_;
        if (button->isEnabled()) button->click();
        return true;
    }

private:
    QPushButton* search_;
};

}  // namespace

QStringList searchHelpLines() {
    return {
        QStringLiteral("■「スキル１」、「スキル２」、「スキル３"),
        QStringLiteral("」を選択して検索ボタンをクリックする"),
        QStringLiteral("と、条件にあった装備品が検索され"),
        QStringLiteral("表示されます。"),
        QString(),
        QStringLiteral("■このソフトは、「スキル１」、「スキル"),
        QStringLiteral("２」、「スキル３」で設定したスキル系"),
        QStringLiteral("統を持つ防具のみを検索範囲として"),
        QStringLiteral("います。"),
        QString(),
        QStringLiteral("■チェックボックス所持品利用"),
        QStringLiteral("　これをチェックすると、上記の検索"),
        QStringLiteral("範囲に加えて、【　所持品登録　】で"),
        QStringLiteral("登録した装備品を含めて検索します"),
        QStringLiteral("。"),
        QString(),
        QStringLiteral("■装飾品を使用する場合は、「装飾"),
        QStringLiteral("品を使う」をＯＮにします。"),
        QString(),
        QStringLiteral("■レア度による検索範囲の制限はで"),
        QStringLiteral("きますが、ランクによる制限はできま"),
        QStringLiteral("せん。"),
        QString(),
        QStringLiteral("■「全防具」をONにすると途方もなく"),
        QStringLiteral("検索時間がかかりますので、実用性"),
        QStringLiteral("はありません。"),
    };
}

SearchPage::SearchPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet1"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    auto* upper = new QWidget(this);
    upper->setFixedHeight(kUpperBandHeight);
    auto* upperLayout = new QHBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addWidget(buildConditionPanel(), 0);
    upperLayout->addWidget(buildDetailPanel(), 1);
    page->addWidget(upper);
    page->addWidget(buildLowerBand(), 1);
}

QWidget* SearchPage::buildConditionPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel2"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    conditions = buildConditionControls(panel, ConditionPanel::Search);
    layout->addWidget(conditions.wishes);
    layout->addWidget(conditions.fixedGroup);

    SearchButton = makeButton(panel, QStringLiteral("SearchButton"), QStringLiteral("検索"));
    StopButton = makeButton(panel, QStringLiteral("StopButton"), QStringLiteral("検索中止"), false);
    SuspendButton = makeButton(panel, QStringLiteral("SuspendButton"), QStringLiteral("検索中断"), false);
    AddableButton = makeButton(panel, QStringLiteral("AddableButton"), QStringLiteral("追加スキル検索"));
    progressBar = new QProgressBar(panel);
    progressBar->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    // The sorting notice is drawn over the progress bar: the row below holds
    // the counts and times, and at the design width has no room left for it.
    SortLabel = makeLabel(panel, QStringLiteral("SortLabel"), QString());
    SortLabel->setAlignment(Qt::AlignCenter);
    SortLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* barWithNotice = new QGridLayout;
    barWithNotice->setContentsMargins(0, 0, 0, 0);
    barWithNotice->addWidget(progressBar, 0, 0);
    barWithNotice->addWidget(SortLabel, 0, 0);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SearchButton);
    buttons->addWidget(StopButton);
    buttons->addWidget(SuspendButton);
    buttons->addWidget(AddableButton);
    buttons->addLayout(barWithNotice, 1);
    layout->addLayout(buttons);

    CountLabel = makeLabel(panel, QStringLiteral("CountLabel"), QStringLiteral("件"));
    ProgressLabel = makeLabel(panel, QStringLiteral("ProgressLabel"), QStringLiteral("/"));
    SearchTimeLabel = makeLabel(panel, QStringLiteral("SearchTimeLabel"), QStringLiteral("秒"));
    ETALabel = makeLabel(panel, QStringLiteral("ETALabel"), QStringLiteral("秒"));
    // Widths for the longest texts they take at the design size ("99999999件",
    // two 11-digit counts, "9時間59分59秒"); their texts never widen the window.
    const QFontMetrics metrics = CountLabel->fontMetrics();
    const auto fixWidth = [&](QLabel* label, const QString& longest) {
        label->setFixedWidth(metrics.horizontalAdvance(longest) + 2);
    };
    fixWidth(CountLabel, QStringLiteral("99999999件"));
    fixWidth(ProgressLabel, QStringLiteral("(35152000000/35152000000)"));
    fixWidth(SearchTimeLabel, QStringLiteral("9時間59分59秒"));
    fixWidth(ETALabel, QStringLiteral("9時間59分59秒"));
    auto* progress = new QHBoxLayout;
    progress->setSpacing(4);
    progress->addWidget(CountLabel);
    progress->addWidget(ProgressLabel);
    progress->addStretch(1);
    progress->addWidget(makeLabel(panel, {}, QStringLiteral("検索時間")));
    progress->addWidget(SearchTimeLabel);
    progress->addWidget(makeLabel(panel, {}, QStringLiteral("残り（予想）")));
    progress->addWidget(ETALabel);
    layout->addLayout(progress);
    layout->addStretch(1);
    SearchButton->setDefault(true);
    panel->installEventFilter(new EnterStartsSearch(panel, SearchButton));
    return panel;
}

QWidget* SearchPage::buildDetailPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel4"));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);

    SkillMemo = makeMemo(panel, QStringLiteral("SkillMemo"), true);
    HelpMemo = makeMemo(panel, QStringLiteral("HelpMemo"), true, searchHelpLines());
    HelpMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Wide enough for the longest line, so that no line is cut twice.
    int widest = 0;
    for (const QString& line : searchHelpLines()) widest = std::max(widest, HelpMemo->fontMetrics().horizontalAdvance(line));
    HelpMemo->setMinimumWidth(widest + 34);
    CopyButton = makeButton(panel, QStringLiteral("CopyButton"), QStringLiteral("クリップボードにコピー"), false);
    MysetButton = makeButton(panel, QStringLiteral("MysetButton"), QStringLiteral("マイセット"), false);
    SkillLV = makeListView(panel, QStringLiteral("SkillLV"), skillPointHeadings(), {130, 36, 36, 36, 36, 36, 36});

    grid->addWidget(makeLabel(panel, {}, QStringLiteral("発動スキル")), 0, 0);
    grid->addWidget(SkillMemo, 1, 0);
    grid->addWidget(CopyButton, 2, 0);
    grid->addWidget(MysetButton, 3, 0);
    grid->addWidget(makeLabel(panel, {}, QStringLiteral("説明")), 0, 1);
    grid->addWidget(HelpMemo, 1, 1, 3, 1);
    grid->addWidget(makeLabel(panel, {}, QStringLiteral("スキル詳細")), 4, 0, 1, 2);
    grid->addWidget(SkillLV, 5, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(0, 1);
    return panel;
}

QWidget* SearchPage::buildLowerBand() {
    auto* band = new QWidget(this);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(0, 0, 0, 0);

    ResultLV = new ResultListView(band);
    setUpListView(ResultLV, QStringLiteral("ResultLV"),
                  {QStringLiteral("no"), QStringLiteral("防御"), QStringLiteral("スロット"), QStringLiteral("所持数")},
                  {64, 52, 60});
    ResultLV->setMinimumWidth(260);
    showGridLines(ResultLV);
    ResultButton = makeButton(band, QStringLiteral("ResultButton"), QStringLiteral("結果詳細"), false);
    ResultSaveButton = makeButton(band, QStringLiteral("ResultSaveButton"), QStringLiteral("結果保存"), false);

    EquipLV = makeListView(band, QStringLiteral("EquipLV"),
                           {QStringLiteral("防具名"), QStringLiteral("レア"), QStringLiteral("防御"),
                            QStringLiteral("火"), QStringLiteral("水"), QStringLiteral("雷"), QStringLiteral("氷"),
                            QStringLiteral("龍"), QStringLiteral("スロット"), QStringLiteral("装飾品")},
                           {112, 36, 40, 30, 30, 30, 30, 30, 54});

    layout->addWidget(ResultLV);
    layout->addLayout(buttonColumn({ResultButton, ResultSaveButton}));
    layout->addWidget(EquipLV, 1);
    return band;
}

}  // namespace vk
