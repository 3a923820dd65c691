#include "ui/collections/possession_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include "ui/widgets/form_builder.h"
#include "ui/widgets/part_names.h"
#include "ui/widgets/radio_group.h"

namespace vk {

PossessionPage::PossessionPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    auto* page = new QHBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);

    // Five part lists and the filter box in a grid of two columns, head first.
    auto* lists = new QGridLayout;
    lists->setSpacing(4);
    int cell = 0;
    for (int part : kDisplayOrder) {
        lists->addWidget(buildPartBox(part), cell / 2, cell % 2);
        ++cell;
    }
    lists->addWidget(buildFilterBox(), cell / 2, cell % 2);
    page->addLayout(lists, 3);
    page->addWidget(buildSummary(), 2);
}

QWidget* PossessionPage::buildPartBox(int part) {
    const QString word = QString::fromLatin1(kPartWord[part]);
    auto* box = new QGroupBox(QString::fromUtf8(kPartLetter[part]) + QStringLiteral("装備"), this);
    box->setObjectName(word + QStringLiteral("PossGroup"));
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(4, 2, 4, 4);

    PossLV[part] = makeListView(box, word + QStringLiteral("PossLV"), {QStringLiteral("名称"), QStringLiteral("装飾品")},
                                {104});
    fitColumnsToTexts(PossLV[part]);
    AddButton[part] = makeButton(box, word + QStringLiteral("AddButton"), QStringLiteral("追加"));
    ModButton[part] = makeButton(box, word + QStringLiteral("ModButton"), QStringLiteral("変更"));
    UpButton[part] = makeButton(box, word + QStringLiteral("UpButton"), QStringLiteral("↑"));
    DownButton[part] = makeButton(box, word + QStringLiteral("DownButton"), QStringLiteral("↓"));
    DelButton[part] = makeButton(box, word + QStringLiteral("DelButton"), QStringLiteral("削除"));

    layout->addWidget(PossLV[part], 1);
    layout->addLayout(buttonColumn({AddButton[part], ModButton[part], UpButton[part], DownButton[part], DelButton[part]}, 56));
    return box;
}

QWidget* PossessionPage::buildFilterBox() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    SexPossRG = new RadioGroup(QStringLiteral("SexPossRG"), QStringLiteral("性別"),
                               {QStringLiteral("両方"), QStringLiteral("男"), QStringLiteral("女")}, 0, box);
    TypePossRG = new RadioGroup(QStringLiteral("TypePossRG"), QStringLiteral("タイプ"),
                                {QStringLiteral("両方"), QStringLiteral("剣士"), QStringLiteral("ガンナー")}, 0, box);
    SaveButton = makeButton(box, QStringLiteral("SaveButton"), QStringLiteral("保存"));
    layout->addWidget(SexPossRG);
    layout->addWidget(TypePossRG);
    layout->addStretch(1);
    auto* save = new QHBoxLayout;
    save->addStretch(1);
    save->addWidget(SaveButton);
    layout->addLayout(save);
    return box;
}

QWidget* PossessionPage::buildSummary() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    EquipPossLV = makeListView(panel, QStringLiteral("EquipPossLV"),
                               {QStringLiteral("部"), QStringLiteral("防"), QStringLiteral("火"), QStringLiteral("水"),
                                QStringLiteral("雷"), QStringLiteral("氷"), QStringLiteral("龍"), QStringLiteral("ス"),
                                QStringLiteral("装飾品")},
                               {30, 36, 30, 30, 30, 30, 30, 26});
    QStringList skillHeadings = skillPointHeadings();
    skillHeadings.removeAt(6);  // no weapon column here
    SkillPossLV = makeListView(panel, QStringLiteral("SkillPossLV"), skillHeadings, {130, 36, 36, 36, 36, 36});
    PossMemo = makeMemo(panel, QStringLiteral("PossMemo"), true);
    PossMysetButton = makeButton(panel, QStringLiteral("PossMysetButton"), QStringLiteral("マイセット"), false);

    layout->addWidget(EquipPossLV, 3);
    layout->addWidget(SkillPossLV, 4);
    layout->addWidget(PossMemo, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(PossMysetButton);
    layout->addLayout(buttons);
    return panel;
}

}  // namespace vk
