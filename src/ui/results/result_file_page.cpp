#include "ui/results/result_file_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/form_builder.h"
#include "ui/widgets/grid_lines.h"

namespace vk {

QStringList resultFileHelpLines() {
    return {
        QStringLiteral("■この画面では、【スキルシミュレート】で「結果保存」したファイル（検索結果ファイル）の内容を閲覧できます。"),
        QStringLiteral("■検索結果ファイルは、標準ではRESULTフォルダに保存されます。"),
        QStringLiteral("■ファイル名をクリックすると、左下にその検索結果ファイルの検索条件が反映されます。"),
        QStringLiteral("■結果詳細ボタンをクリックすると、部位別の詳細ダイアログが表示されます。"),
    };
}

ResultFilePage::ResultFilePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet3"));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);

    // Left: the files over the conditions of the browsed one; right: the help
    // text over its hits and their detail.
    auto* left = new QVBoxLayout;
    left->addWidget(buildFileList(), 1);
    left->addWidget(buildConditions(), 0);
    Memo2 = makeMemo(this, QStringLiteral("Memo2"), true, resultFileHelpLines());
    Memo2->setFixedHeight(Memo2->fontMetrics().lineSpacing() * 7 + 20);
    auto* right = new QVBoxLayout;
    right->addWidget(Memo2, 0);
    right->addWidget(buildHits(), 1);
    page->addLayout(left, 0);
    page->addLayout(right, 1);
}

QWidget* ResultFilePage::buildFileList() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    ResultFileLV = makeListView(panel, QStringLiteral("ResultFileLV"),
                                {QStringLiteral("ファイル名"), QStringLiteral("件数"), QStringLiteral("作成日時")},
                                {230, 56});
    fitColumnsToTexts(ResultFileLV);  // a name holds five skills
    ResultRefleshButton = makeButton(panel, QStringLiteral("ResultRefleshButton"), QStringLiteral("ファイル一覧更新"));
    ResultDelButton = makeButton(panel, QStringLiteral("ResultDelButton"), QStringLiteral("ファイル削除"), false);
    layout->addWidget(ResultFileLV, 1);
    layout->addLayout(buttonColumn({ResultRefleshButton, ResultDelButton}));
    return panel;
}

QWidget* ResultFilePage::buildConditions() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    conditions = buildConditionControls(panel, ConditionPanel::ResultFile);
    ResultStopEdit = makeLineEdit(panel, QStringLiteral("ResultStopEdit"), QString(), true);
    ResultStopEdit->setMaximumWidth(120);
    layout->addWidget(conditions.wishes);
    layout->addWidget(conditions.fixedGroup);
    auto* stop = new QHBoxLayout;
    stop->addStretch(1);
    stop->addWidget(ResultStopEdit);
    layout->addLayout(stop);
    return panel;
}

QWidget* ResultFilePage::buildHits() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);

    ResultListLV = makeListView(panel, QStringLiteral("ResultListLV"),
                                {QStringLiteral("no"), QStringLiteral("防御"), QStringLiteral("スロット"),
                                 QStringLiteral("所持数")},
                                {48, 44, 56});
    ResultListLV->setMinimumWidth(230);
    showGridLines(ResultListLV);
    ResultDescButton = makeButton(panel, QStringLiteral("ResultDescButton"), QStringLiteral("結果詳細"), false);
    ResultExceptButton = makeButton(panel, QStringLiteral("ResultExceptButton"), QStringLiteral("除外内容"), false);
    ResultCopyButton = makeButton(panel, QStringLiteral("ResultCopyButton"), QStringLiteral("クリップボードにコピー"), false);
    ResultMysetButton = makeButton(panel, QStringLiteral("ResultMysetButton"), QStringLiteral("マイセット"), false);
    ResultSkillMemo = makeMemo(panel, QStringLiteral("ResultSkillMemo"), true);
    ResultSkillLV = makeListView(panel, QStringLiteral("ResultSkillLV"), skillPointHeadings(),
                                 {86, 26, 26, 26, 26, 26, 26});
    ResultEquipLV = makeListView(panel, QStringLiteral("ResultEquipLV"), pieceHeadings() << QStringLiteral("装飾品"),
                                 {118, 26, 34, 28, 28, 28, 28, 28, 26});

    // The buttons and the memo beside the lists share the widest button's width.
    const int sideWidth = ResultCopyButton->sizeHint().width();
    QVBoxLayout* buttons =
        buttonColumn({ResultDescButton, ResultExceptButton, ResultCopyButton, ResultMysetButton}, sideWidth);
    ResultSkillMemo->setFixedWidth(sideWidth);
    buttons->addStretch(1);

    grid->addWidget(ResultListLV, 0, 0);
    grid->addLayout(buttons, 0, 1);
    grid->addWidget(ResultSkillLV, 1, 0);
    grid->addWidget(ResultSkillMemo, 1, 1);
    grid->addWidget(ResultEquipLV, 2, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 3);
    grid->setRowStretch(1, 3);
    grid->setRowStretch(2, 4);
    return panel;
}

}  // namespace vk
