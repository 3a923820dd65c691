#include "ui/search/condition_controls.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/search/skill_combo.h"
#include "ui/widgets/form_builder.h"
#include "ui/widgets/part_names.h"
#include "ui/widgets/radio_group.h"

namespace vk {

namespace {

struct PanelNames {
    const char* skill;  // with %1 for the box number
    const char* sex;
    const char* type;
    const char* rarity;
    const char* minDefence;
    const char* decorations;
    const char* weaponSlots;
    const char* threeSlotPieces;
    const char* possessions;
    const char* allPieces;
    const char* hitLimit;
    const char* priority;
    const char* fixed;       // with %1 for the part word
    const char* fixedPiece;  // with %1 for the part word
    const char* fixedDecos;  // with %1 for the part word
    const char* fixDecorations;
    const char* fixedGroup;
};

constexpr PanelNames kSearchNames = {
    "ReqSkill%1", "SexRG", "TypeRG", "RareCB", "DefEdit", "IsDecoration", "WeponCB", "Add3SlotCB", "IsPossession",
    "AllEquipCB", "HitLimitEdit", "PriorityCB", "%1CB", "%1Edit", "%1DecoEdit", "FixDecoCB", "FixEquipGroup"};

constexpr PanelNames kResultFileNames = {
    "ResultSkill%1", "ResultSexRG", "ResultTypeRG", "ResultRareCB", "ResultDefEdit", "ResultIsDeco",
    "ResultWeponSlotCB", "ResultAdd3SlotCB", "ResultIsPoss", "ResultAllEquipCB", "ResultHitLimitEdit",
    "ResultPriorityCB", "Result%1CB", "Result%1Edit", "Result%1DecoEdit", "ResultFixDecoCB",
    "ResultFixEquipGroup"};

const QString kSkillHint = QStringLiteral("選択したスキルを持つ防具のみを検索します。");
const QString kNoPiece = QStringLiteral("装備無し");

QString named(const char* pattern, const QString& arg) { return QString::fromLatin1(pattern).arg(arg); }

// Two columns: the five skill boxes over sex and type on the left, the
// option controls on the right.
void buildWishes(ConditionControls& c, QWidget* parent, const PanelNames& n, bool search) {
    c.wishes = new QWidget(parent);
    QWidget* w = c.wishes;
    auto* columns = new QHBoxLayout(w);
    columns->setContentsMargins(0, 0, 0, 0);

    auto* skills = new QGridLayout;
    skills->setVerticalSpacing(2);
    const QString fullWidthDigits = QStringLiteral("１２３４５");
    for (int i = 0; i < 5; ++i) {
        c.skill[i] = new SkillComboBox(named(n.skill, QString::number(i + 1)), w);
        if (search && i < 3) c.skill[i]->setToolTip(kSkillHint);
        skills->addWidget(makeLabel(w, {}, QStringLiteral("スキル") + fullWidthDigits[i]), i, 0);
        skills->addWidget(c.skill[i], i, 1, 1, 2);
    }
    const int initialChoice = search ? 0 : -1;
    c.sex = new RadioGroup(QString::fromLatin1(n.sex), QStringLiteral("性別"),
                           {QStringLiteral("男"), QStringLiteral("女")}, initialChoice, w);
    c.type = new RadioGroup(QString::fromLatin1(n.type), QStringLiteral("タイプ"),
                            {QStringLiteral("剣士"), QStringLiteral("ガンナー")}, initialChoice, w);
    skills->addWidget(c.sex, 5, 0, 1, 2);
    skills->addWidget(c.type, 5, 2);
    skills->setColumnStretch(1, 1);
    skills->setColumnStretch(2, 1);
    skills->setRowStretch(6, 1);
    columns->addLayout(skills, 1);

    c.rarity = makeComboBox(w, QString::fromLatin1(n.rarity), rarityItems());
    c.minDefence = makeLineEdit(w, QString::fromLatin1(n.minDefence), search ? QStringLiteral("0") : QString(), !search);
    c.decorations = makeCheckBox(w, QString::fromLatin1(n.decorations), QStringLiteral("装飾品を使う"));
    c.weaponSlots = makeComboBox(w, QString::fromLatin1(n.weaponSlots), weaponSlotItems(), false);
    c.threeSlotPieces = makeCheckBox(w, QString::fromLatin1(n.threeSlotPieces), QStringLiteral("３スロット装備"), false);
    c.possessions = makeCheckBox(w, QString::fromLatin1(n.possessions), QStringLiteral("所持品利用"));
    c.allPieces = makeCheckBox(w, QString::fromLatin1(n.allPieces), QStringLiteral("全防具"));
    c.hitLimit = makeLineEdit(w, QString::fromLatin1(n.hitLimit), search ? QStringLiteral("100000") : QString(), !search);
    c.priority = makeComboBox(w, QString::fromLatin1(n.priority), priorityItems());
    if (search) {
        c.possessions->setToolTip(QStringLiteral("検索に所持品を含めます"));
        c.exclusions = makeButton(w, QStringLiteral("ExceptButton"), QStringLiteral("除外設定"));
    }

    auto* options = new QGridLayout;
    options->setVerticalSpacing(2);
    options->addWidget(c.rarity, 0, 0);
    auto* defence = new QHBoxLayout;
    defence->setSpacing(6);
    defence->addWidget(makeLabel(w, {}, QStringLiteral("防御(以上)")));
    defence->addWidget(c.minDefence, 1);
    options->addLayout(defence, 0, 1);
    options->addWidget(c.decorations, 1, 0);
    options->addWidget(c.weaponSlots, 1, 1);
    options->addWidget(c.threeSlotPieces, 2, 0);
    options->addWidget(c.possessions, 2, 1);
    options->addWidget(c.allPieces, 3, 0);
    if (c.exclusions) options->addWidget(c.exclusions, 3, 1);
    options->addWidget(makeLabel(w, {}, QStringLiteral("検索ヒット件数制限")), 4, 0);
    options->addWidget(c.hitLimit, 4, 1);
    options->addWidget(makeLabel(w, {}, QStringLiteral("検索優先度")), 5, 0);
    options->addWidget(c.priority, 5, 1);
    options->setRowStretch(6, 1);
    columns->addLayout(options, 1);

    // Tab order reads the two columns as laid out, row by row.
    QList<QWidget*> order;
    for (QComboBox* skill : c.skill) order << skill;
    for (RadioGroup* group : {c.sex, c.type})
        for (QAbstractButton* button : group->buttons()->buttons()) order << button;
    order << c.rarity << c.minDefence << c.decorations << c.weaponSlots << c.threeSlotPieces
          << c.possessions << c.allPieces;
    if (c.exclusions) order << c.exclusions;
    order << c.hitLimit << c.priority;
    for (int i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void buildFixedGroup(ConditionControls& c, QWidget* parent, const PanelNames& n, bool search) {
    c.fixedGroup = new QGroupBox(QStringLiteral("固定装備"), parent);
    c.fixedGroup->setObjectName(QString::fromLatin1(n.fixedGroup));
    QGroupBox* g = c.fixedGroup;
    auto* grid = new QGridLayout(g);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (int part : kDisplayOrder) {
        const QString word = QString::fromLatin1(kPartWord[part]);
        c.fixed[part] = makeCheckBox(g, named(n.fixed, word), QString::fromUtf8(kPartLetter[part]) + QStringLiteral("固定"));
        c.fixedPiece[part] = makeLineEdit(g, named(n.fixedPiece, word), search ? kNoPiece : QString(), true);
        c.fixedDecos[part] = makeLineEdit(g, named(n.fixedDecos, word), QString(), true);
        // Shown, never typed into: a click still selects for a copy, Tab passes by.
        for (QLineEdit* shown : {c.fixedPiece[part], c.fixedDecos[part]}) shown->setFocusPolicy(Qt::ClickFocus);
        grid->addWidget(c.fixed[part], row, 0);
        grid->addWidget(c.fixedPiece[part], row, 1);
        if (search) {
            c.fixedPicker[part] = makeEllipsisButton(g, word + QStringLiteral("Button"));
            grid->addWidget(c.fixedPicker[part], row, 2);
        }
        grid->addWidget(c.fixedDecos[part], row, 3);
        ++row;
    }
    c.fixDecorations = makeCheckBox(g, QString::fromLatin1(n.fixDecorations), QStringLiteral("装飾品も固定"), false);
    grid->addWidget(c.fixDecorations, row, 0, 1, 4);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 3);
}

}  // namespace

ConditionControls buildConditionControls(QWidget* parent, ConditionPanel panel) {
    const bool search = panel == ConditionPanel::Search;
    const PanelNames& names = search ? kSearchNames : kResultFileNames;
    ConditionControls c;
    buildWishes(c, parent, names, search);
    buildFixedGroup(c, parent, names, search);
    return c;
}

}  // namespace vk
