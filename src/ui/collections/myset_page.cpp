#include "ui/collections/myset_page.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/form_builder.h"
#include "ui/widgets/part_names.h"
#include "ui/widgets/radio_group.h"

namespace vk {

MysetPage::MysetPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet4"));
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->addWidget(buildList(), 2);
    auto* lower = new QHBoxLayout;
    lower->addWidget(buildEditor(), 0);
    lower->addWidget(buildSummary(), 1);
    page->addLayout(lower, 3);
}

QWidget* MysetPage::buildList() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    MysetLV = makeListView(panel, QStringLiteral("MysetLV"),
                           {QStringLiteral("no"), QStringLiteral("タイプ"), QStringLiteral("マイセット名"),
                            QStringLiteral("防御"), QStringLiteral("スキル")},
                           {44, 72, 200, 52});
    MysetUpButton = makeButton(panel, QStringLiteral("MysetUpButton"), QStringLiteral("↑"), false);
    MysetDownButton = makeButton(panel, QStringLiteral("MysetDownButton"), QStringLiteral("↓"), false);
    MysetDelButton = makeButton(panel, QStringLiteral("MysetDelButton"), QStringLiteral("削除"), false);
    layout->addWidget(MysetLV, 1);
    layout->addLayout(buttonColumn({MysetUpButton, MysetDownButton, MysetDelButton}, 56));
    return panel;
}

QWidget* MysetPage::buildEditor() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);

    MysetSexRG = new RadioGroup(QStringLiteral("MysetSexRG"), QStringLiteral("性別"),
                                {QStringLiteral("男"), QStringLiteral("女")}, -1, panel);
    MysetTypeRG = new RadioGroup(QStringLiteral("MysetTypeRG"), QStringLiteral("タイプ"),
                                 {QStringLiteral("剣士"), QStringLiteral("ガンナー")}, -1, panel);
    auto* radios = new QHBoxLayout;
    radios->addWidget(MysetSexRG);
    radios->addWidget(MysetTypeRG);
    grid->addLayout(radios, 0, 0, 1, 4);

    int row = 1;
    for (int part : kDisplayOrder) {
        const QString word = QStringLiteral("Myset") + QString::fromLatin1(kPartWord[part]);
        PieceEdit[part] = makeLineEdit(panel, word + QStringLiteral("Edit"), QStringLiteral("装備無し"), true);
        PartButton[part] = makeEllipsisButton(panel, word + QStringLiteral("Button"));
        DecoEdit[part] = makeLineEdit(panel, word + QStringLiteral("DecoEdit"), QString(), true);
        grid->addWidget(makeLabel(panel, {}, QString::fromUtf8(kPartLetter[part])), row, 0);
        grid->addWidget(PieceEdit[part], row, 1);
        grid->addWidget(PartButton[part], row, 2);
        grid->addWidget(DecoEdit[part], row, 3);
        ++row;
    }
    MysetWeponSlotCB = makeComboBox(panel, QStringLiteral("MysetWeponSlotCB"), weaponSlotItems());
    PartButton[Weapon] = makeEllipsisButton(panel, QStringLiteral("MysetWeponButton"));
    DecoEdit[Weapon] = makeLineEdit(panel, QStringLiteral("MysetWeponDecoEdit"), QString(), true);
    grid->addWidget(makeLabel(panel, {}, QString::fromUtf8(kPartLetter[Weapon])), row, 0);
    grid->addWidget(MysetWeponSlotCB, row, 1);
    grid->addWidget(PartButton[Weapon], row, 2);
    grid->addWidget(DecoEdit[Weapon], row, 3);
    ++row;

    MysetEdit = makeLineEdit(panel, QStringLiteral("MysetEdit"), QString());
    grid->addWidget(makeLabel(panel, {}, QStringLiteral("マイセット名")), row, 0, 1, 2);
    grid->addWidget(MysetEdit, row + 1, 0, 1, 4);
    row += 2;

    MysetAddButton = makeButton(panel, QStringLiteral("MysetAddButton"), QStringLiteral("新規追加"));
    MysetReplaceButton = makeButton(panel, QStringLiteral("MysetReplaceButton"), QStringLiteral("置換"), false);
    MysetCopyButton = makeButton(panel, QStringLiteral("MysetCopyButton"), QStringLiteral("クリップボードにコピー"), false);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);  // set here: the grid passes none on, and the buttons touched
    buttons->addWidget(MysetAddButton);
    buttons->addWidget(MysetReplaceButton);
    buttons->addStretch(1);
    buttons->addWidget(MysetCopyButton);
    grid->addLayout(buttons, row, 0, 1, 4);
    grid->setRowStretch(row + 1, 1);
    grid->setColumnMinimumWidth(1, 170);
    grid->setColumnMinimumWidth(3, 200);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
    return panel;
}

QWidget* MysetPage::buildSummary() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    MysetEquipLV = makeListView(panel, QStringLiteral("MysetEquipLV"), pieceHeadings(),
                                {170, 28, 36, 30, 30, 30, 30, 30});
    MysetSkillLV = makeListView(panel, QStringLiteral("MysetSkillLV"), skillPointHeadings(),
                                {110, 32, 32, 32, 32, 32, 32});
    MysetSkillMemo = makeMemo(panel, QStringLiteral("MysetSkillMemo"), true);
    MysetSkillMemo->setMinimumWidth(140);
    grid->addWidget(MysetEquipLV, 0, 0, 1, 2);
    grid->addWidget(MysetSkillLV, 1, 0);
    grid->addWidget(MysetSkillMemo, 1, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 1);
    return panel;
}

}  // namespace vk
