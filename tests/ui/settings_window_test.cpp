// The settings file: the main window closes with its conditions, fixed
// pieces, page and place, and the next start finds all of it.

#include <filesystem>
#include <fstream>
#include <sstream>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "core/settings/ini_file.h"
#include "core/text/sjis.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_location.h"
#include "ui/collections/possession_page.h"
#include "ui/results/result_form.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"

namespace vk::test {
namespace {

void writeSettings(const std::string& utf8) {
    std::ofstream out(settingsFilePath(), std::ios::binary);
    out << utf8ToSjis(utf8);
}

std::string settingsText() {
    std::ifstream in(settingsFilePath(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return sjisToUtf8(bytes.str());
}

QString text(const std::string& sjis) { return fromSjis(sjis); }

}  // namespace

class SettingsWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void closingAndStartingAgainKeepsEverything();
    void badValuesLeaveTheControlsAsTheyWere();
    void olderCollectionKeysAreReadWithoutConfigCsv();
    void aSettingsFileThatCannotBeReadIsNeverWritten();
};

void SettingsWindowTest::closingAndStartingAgainKeepsEverything() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    // The fixed pieces come from a file: head row 2 with two decorations
    // (the second found by its index only), legs row 1, and a body piece
    // that no longer exists (its box keeps the name, nothing is fixed).
    Catalogue cat;
    {
        RecordingMessages messages;
        MainWindow probe(messages);
        cat = probe.catalogue();
    }
    QVERIFY(cat.equip[Head].size() > 3 && cat.decos.size() > 3 && cat.equip[Leg].size() > 1);
    const std::string head = sjisToUtf8(cat.equip[Head][2].name);
    const int oneSlot = [&] {
        for (int d = 1; d < static_cast<int>(cat.decos.size()); ++d)
            if (cat.decos[d].slots == 1) return d;
        return -1;
    }();
    QVERIFY(oneSlot > 0);
    const std::string deco = sjisToUtf8(cat.decos[oneSlot].name);
    writeSettings("[Condition]\r\nFixHeadName=" + head + "\r\nFixHeadIndex=2\r\n"
                  "FixHeadDecoName0=" + deco + "\r\nFixHeadDecoIndex0=" + std::to_string(oneSlot) + "\r\n"
                  "FixHeadDecoName1=消えた装飾品\r\nFixHeadDecoIndex1=" + std::to_string(oneSlot) + "\r\n"
                  "FixBodyName=消えた胴\r\n"
                  "FixLegName=" + sjisToUtf8(cat.equip[Leg][1].name) + "\r\nFixLegIndex=1\r\n"
                  "[Unknown]\r\nKeep=me\r\n");

    const QStringList skills = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱")};
    {
        RecordingMessages messages;
        MainWindow window(messages);
        QCOMPARE(window.fixEquip().piece, (std::array<int, 5>{1, 2, 0, 0, 0}));
        ConditionControls& c = window.searchPage()->conditions;
        QCOMPARE(c.fixedPiece[Body]->text(), QStringLiteral("消えた胴"));
        QCOMPARE(c.fixedDecos[Head]->text(), text(cat.decos[oneSlot].name + " " + cat.decos[oneSlot].name + " "));

        for (int i = 0; i < 2; ++i) c.skill[i]->setCurrentIndex(c.skill[i]->findText(skills[i]));
        c.sex->setItemIndex(1);
        c.type->setItemIndex(1);
        c.rarity->setCurrentIndex(5);
        c.minDefence->setText(QStringLiteral("42"));
        c.decorations->click();
        c.weaponSlots->setCurrentIndex(2);
        c.hitLimit->setText(QStringLiteral("777"));
        c.priority->setCurrentIndex(3);
        c.fixed[Head]->click();
        c.fixed[Leg]->click();
        c.fixDecorations->click();
        c.allPieces->click();
        window.possessionPage()->TypePossRG->setItemIndex(2);
        window.pageTabs()->setCurrentIndex(2);
        window.setGeometry(60, 40, 1050, 660);
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.close());
    }
    const std::string saved = settingsText();
    for (const char* line : {"Left=60\r\n", "Top=40\r\n", "Width=1050\r\n", "Hight=660\r\n", "Maximize=1\r\n",
                             "Page=2\r\n", "[Unknown]\r\nKeep=me\r\n", "FixHeadDecoName1=", "FixHeadIndex=2\r\n"})
        QVERIFY2(saved.find(line) != std::string::npos, line);

    RecordingMessages messages;
    MainWindow window(messages);
    QVERIFY(window.isMaximized());
    window.showNormal();
    QCOMPARE(window.geometry(), QRect(60, 40, 1050, 660));
    QCOMPARE(window.pageTabs()->currentIndex(), 2);
    ConditionControls& c = window.searchPage()->conditions;
    for (int i = 0; i < 2; ++i) QCOMPARE(c.skill[i]->currentText(), skills[i]);
    QCOMPARE(c.skill[2]->currentIndex(), 0);
    QCOMPARE(c.sex->itemIndex(), 1);
    QCOMPARE(c.type->itemIndex(), 1);
    QCOMPARE(c.rarity->currentIndex(), 5);
    QCOMPARE(c.minDefence->text(), QStringLiteral("42"));
    QCOMPARE(c.hitLimit->text(), QStringLiteral("777"));
    QCOMPARE(c.priority->currentIndex(), 3);
    QVERIFY(c.decorations->isChecked());
    QCOMPARE(c.weaponSlots->currentIndex(), 2);
    QVERIFY(c.allPieces->isChecked());
    // The enabling rules ran as if clicked.
    QVERIFY(c.weaponSlots->isEnabled());
    QVERIFY(!c.threeSlotPieces->isEnabled());
    QVERIFY(!c.possessions->isEnabled());
    QVERIFY(c.fixDecorations->isEnabled() && c.fixDecorations->isChecked());
    QVERIFY(c.fixed[Head]->isChecked() && c.fixed[Leg]->isChecked() && !c.fixed[Body]->isChecked());
    QCOMPARE(window.fixEquip().piece, (std::array<int, 5>{1, 2, 0, 0, 0}));
    QCOMPARE(window.fixEquip().decos.DecoIndex[Head][0], oneSlot);
    QCOMPARE(window.fixEquip().decos.DecoIndex[Head][1], oneSlot);
    QCOMPARE(c.fixedPiece[Head]->text(), text(cat.equip[Head][2].name));
    // The vanished body was stored with FixEquip's index 0, which now
    // stands in for the name: the box shows the none row.
    QCOMPARE(c.fixedPiece[Body]->text(), text(cat.equip[Body][0].name));
    QCOMPARE(c.fixedDecos[Head]->text(), text(cat.decos[oneSlot].name + " " + cat.decos[oneSlot].name + " "));
    QCOMPARE(window.possessionPage()->TypePossRG->itemIndex(), 2);
}

void SettingsWindowTest::badValuesLeaveTheControlsAsTheyWere() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    writeSettings("[General]\r\nPage=7\r\nWidth=abc\r\n[Condition]\r\nSex=5\r\nRare=-1\r\nWeponSlot=9\r\n"
                  "Priority=99\r\nSkill1=ない発動\r\nHitLimit=x\r\nFixArmName=" + std::string(300, 'x') +
                  "\r\n[Possession]\r\nSexPoss=3\r\n");
    RecordingMessages messages;
    MainWindow window(messages);
    QVERIFY(messages.log.isEmpty());
    QCOMPARE(window.pageTabs()->currentIndex(), 0);
    ConditionControls& c = window.searchPage()->conditions;
    QCOMPARE(c.sex->itemIndex(), 0);
    QCOMPARE(c.rarity->currentIndex(), 0);
    QCOMPARE(c.weaponSlots->currentIndex(), 0);
    QCOMPARE(c.priority->currentIndex(), 0);
    QCOMPARE(c.skill[0]->currentIndex(), 0);
    QCOMPARE(c.hitLimit->text(), QStringLiteral("100000"));
    QCOMPARE(c.fixedPiece[Arm]->text(), QString(255, QLatin1Char('x')));
    QCOMPARE(window.possessionPage()->SexPossRG->itemIndex(), 0);
}

void SettingsWindowTest::olderCollectionKeysAreReadWithoutConfigCsv() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    QVERIFY(!std::filesystem::exists(dir.path() / "config.csv"));
    // Sample rows: head 1 翠殻冠, decoration 1 瑠刃の欠片.
    writeSettings("[Condition]\r\nExceptHeadName0=翠殻冠\r\nExceptHeadIndex0=1\r\nExceptDecoName0=瑠刃の欠片\r\n"
                  "[Possession]\r\nHeadName0=翠殻冠\r\nHeadIndex0=1\r\nHeadDecoName0_0=瑠刃の欠片\r\n"
                  "[Myset]\r\nMysetName0=古いセット\r\nMysetSex0=1\r\nMysetType0=2\r\nWeponSlot0=1\r\n"
                  "LegName0=装備なし\r\nHeadName0=翠殻冠\r\nBodyName0=装備なし\r\nArmName0=装備なし\r\n"
                  "WstName0=装備なし\r\nWeponDecoName0_0=瑠刃の欠片\r\n");
    {
        RecordingMessages messages;
        MainWindow window(messages);
        QCOMPARE(window.exceptFlags().equip[Head][1], std::uint8_t{1});
        QCOMPARE(window.exceptFlags().deco[1], std::uint8_t{1});
        QCOMPARE(window.possessions()[Head].size(), std::size_t{1});
        QCOMPARE(window.possessions()[Head][0].PossIndex, 1);
        QCOMPARE(window.possessions()[Head][0].PossDeco[0], 1);
        QCOMPARE(window.mysets().size(), std::size_t{1});
        const Myset& set = window.mysets()[0];
        QCOMPARE(set.Name, utf8ToSjis("古いセット"));
        QCOMPARE(set.Set.Index[Head], 1);
        QCOMPARE(set.Set.Decos.DecoIndex[Weapon][0], 1);
        QCOMPARE(set.WeaponSlot, 1);
        QVERIFY(window.close());
    }
    // The save dropped the older keys.
    const std::string saved = settingsText();
    for (const char* key : {"ExceptHeadName0", "HeadName0", "MysetName0", "[Myset]"})
        QVERIFY2(saved.find(key) == std::string::npos, key);
}

// A folder (the tests may run as root, who reads anything); real boxes.
void SettingsWindowTest::aSettingsFileThatCannotBeReadIsNeverWritten() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    std::filesystem::create_directory(settingsFilePath());
    QStringList shown;
    QTimer answering;
    connect(&answering, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
        }
    });
    answering.start(20);
    MessageBoxes boxes;
    {
        MainWindow window(boxes);
        window.possessionPage()->SaveButton->click();  // 保存
        window.resultForm()->show();
        window.resultForm()->close();  // writes its section when it may
        QVERIFY(window.close());
    }
    QCOMPARE(shown, QStringList{QStringLiteral("エラー|設定ファイル %1 を読み込めません。\n"
                                               "設定は既定値で始め、このファイルには書き込みません。")
                                    .arg(QString::fromStdString(settingsFilePath().string()))});
    QVERIFY(std::filesystem::is_directory(settingsFilePath()) && std::filesystem::is_empty(settingsFilePath()));
}

}  // namespace vk::test

QTEST_MAIN(vk::test::SettingsWindowTest)
#include "settings_window_test.moc"
