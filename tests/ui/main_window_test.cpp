// The main window shell: pages, controls, skill boxes, start-up errors, one
// window per folder, and the close that SIGTERM and SIGHUP make.

#include <fstream>
#include <iterator>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/catalogue/loader.h"
#include "core/files/folder_lock.h"
#include "core/text/sjis.h"
#include "ui/app/main_window.h"
#include "ui/app/run_window.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/radio_group.h"

namespace vk::test {
namespace {

const QStringList kSkillBoxes = {"ReqSkill1",    "ReqSkill2",    "ReqSkill3",    "ReqSkill4",    "ReqSkill5",
                                 "ResultSkill1", "ResultSkill2", "ResultSkill3", "ResultSkill4", "ResultSkill5"};

QString unicode(const std::string& sjis) { return QString::fromStdString(sjisToUtf8(sjis)); }

QStringList comboItems(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

QStringList headings(const QTreeView* view) {
    QStringList texts;
    for (int c = 0; c < view->model()->columnCount(); ++c)
        texts << view->model()->headerData(c, Qt::Horizontal).toString();
    return texts;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pagesInOrder();
    void skillBoxesHoldEveryActivation();
    void searchPageControls();
    void helpTextHasItsTwentySixLines();
    void otherPagesControls();
    void windowFitsTheWorkArea();
    void missingActivationFileRefusesSearchAndSaving();
    void everyMissingFileIsReportedInLoadOrder();
    void oneWindowPerFolderAndSignalsCloseIt();
};

void MainWindowTest::pagesInOrder() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    QCOMPARE(window.objectName(), QStringLiteral("TForm1"));
    QCOMPARE(window.windowTitle(), QStringLiteral("VELKORANTIS ver.0.7a"));
    QVERIFY(!window.startupError());
    QVERIFY(messages.log.isEmpty());

    QTabWidget* pages = window.findChild<QTabWidget*>(QStringLiteral("PageControl1"));
    QVERIFY(pages);
    const QStringList captions = {QStringLiteral("【　スキルシミュレート　】"), QStringLiteral("【　所持品登録　】"),
                                  QStringLiteral("【　マイセット管理　】"), QStringLiteral("【　検索結果ファイル表示　】")};
    const QStringList names = {"TabSheet1", "TabSheet2", "TabSheet4", "TabSheet3"};
    QCOMPARE(pages->count(), 4);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(pages->tabText(i), captions[i]);
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
    }
    // The brackets hold ideographic spaces.
    QCOMPARE(pages->tabText(1).at(1), QChar(0x3000));
    QCOMPARE(pages->currentIndex(), 0);
}

void MainWindowTest::skillBoxesHoldEveryActivation() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Catalogue reference;
    QVERIFY(!loadCatalogue(dir.path(), reference).startupError);
    QVERIFY(reference.skillEqs.size() > 2);

    RecordingMessages messages;
    MainWindow window(messages);
    for (const QString& name : kSkillBoxes) {
        auto* box = window.findChild<SkillComboBox*>(name);
        QVERIFY2(box, qPrintable(name));
        QCOMPARE(box->count(), static_cast<int>(reference.skillEqs.size()));
        QCOMPARE(box->currentIndex(), 0);
        for (int i = 0; i < box->count(); ++i) {
            QCOMPARE(box->itemText(i), unicode(reference.skillEqs[i].name));
            QCOMPARE(box->itemData(i, kSkillKindRole).toInt(), reference.skillEqs[i].kind);
        }
        QVERIFY(qobject_cast<SkillItemDelegate*>(box->itemDelegate()));
    }
    const QString hint = QStringLiteral("選択したスキルを持つ防具のみを検索します。");
    for (const char* name : {"ReqSkill1", "ReqSkill2", "ReqSkill3"})
        QCOMPARE(window.findChild<QComboBox*>(name)->toolTip(), hint);
    QVERIFY(window.findChild<QComboBox*>("ReqSkill4")->toolTip().isEmpty());
}

void MainWindowTest::searchPageControls() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    QWidget* page = window.findChild<QWidget*>("TabSheet1");
    QVERIFY(page);

    const QList<std::pair<const char*, QString>> captioned = {
        {"SearchButton", "検索"}, {"StopButton", "検索中止"}, {"SuspendButton", "検索中断"},
        {"ExceptButton", "除外設定"}, {"CopyButton", "クリップボードにコピー"}, {"MysetButton", "マイセット"},
        {"ResultButton", "結果詳細"}, {"ResultSaveButton", "結果保存"}, {"HeadButton", "…"}, {"LegButton", "…"}};
    for (const auto& [name, caption] : captioned) {
        auto* button = page->findChild<QPushButton*>(name);
        QVERIFY2(button, name);
        QCOMPARE(button->text(), caption);
    }
    const QList<std::pair<const char*, QString>> boxes = {
        {"IsDecoration", "装飾品を使う"}, {"Add3SlotCB", "３スロット装備"}, {"IsPossession", "所持品利用"},
        {"AllEquipCB", "全防具"}, {"HeadCB", "頭固定"}, {"BodyCB", "胴固定"}, {"ArmCB", "腕固定"},
        {"WstCB", "腰固定"}, {"LegCB", "脚固定"}, {"FixDecoCB", "装飾品も固定"}};
    for (const auto& [name, caption] : boxes) {
        auto* box = page->findChild<QCheckBox*>(name);
        QVERIFY2(box, name);
        QCOMPARE(box->text(), caption);
        QVERIFY(!box->isChecked());
    }
    for (const char* name : {"WeponCB", "Add3SlotCB", "FixDecoCB", "StopButton", "SuspendButton", "CopyButton",
                             "MysetButton", "ResultButton", "ResultSaveButton"})
        QVERIFY2(!page->findChild<QWidget*>(name)->isEnabled(), name);
    for (const char* name : {"SearchButton", "ReqSkill1", "IsDecoration", "IsPossession", "AllEquipCB",
                             "ExceptButton", "HeadButton", "RareCB", "PriorityCB"})
        QVERIFY2(page->findChild<QWidget*>(name)->isEnabled(), name);

    QCOMPARE(comboItems(page->findChild<QComboBox*>("RareCB")),
             QStringList({"レア制限なし", "レア１以下", "レア２以下", "レア３以下", "レア４以下", "レア５以下",
                          "レア６以下", "レア７以下", "レア８以下"}));
    QCOMPARE(comboItems(page->findChild<QComboBox*>("WeponCB")),
             QStringList({"武器スロットなし", "武器スロット１", "武器スロット２", "武器スロット３"}));
    QCOMPARE(comboItems(page->findChild<QComboBox*>("PriorityCB")),
             QStringList({"なし", "防御", "レア", "スロット", "火", "水", "雷", "氷", "龍"}));

    auto* sex = page->findChild<RadioGroup*>("SexRG");
    auto* type = page->findChild<RadioGroup*>("TypeRG");
    QVERIFY(sex && type);
    QCOMPARE(sex->title(), QStringLiteral("性別"));
    QCOMPARE(type->title(), QStringLiteral("タイプ"));
    QCOMPARE(sex->itemIndex(), 0);
    QCOMPARE(type->itemIndex(), 0);
    QCOMPARE(type->count(), 2);

    QCOMPARE(page->findChild<QLineEdit*>("DefEdit")->text(), QStringLiteral("0"));
    QCOMPARE(page->findChild<QLineEdit*>("HitLimitEdit")->text(), QStringLiteral("100000"));
    for (const char* name : {"HeadEdit", "BodyEdit", "ArmEdit", "WstEdit", "LegEdit"})
        QCOMPARE(page->findChild<QLineEdit*>(name)->text(), QStringLiteral("装備無し"));
    for (const char* name : {"HeadDecoEdit", "BodyDecoEdit", "ArmDecoEdit", "WstDecoEdit", "LegDecoEdit"})
        QVERIFY2(page->findChild<QLineEdit*>(name)->text().isEmpty(), name);
    QCOMPARE(page->findChild<QLabel*>("CountLabel")->text(), QStringLiteral("件"));
    QCOMPARE(page->findChild<QLabel*>("ProgressLabel")->text(), QStringLiteral("/"));
    QCOMPARE(page->findChild<QLabel*>("SearchTimeLabel")->text(), QStringLiteral("秒"));
    QCOMPARE(page->findChild<QLabel*>("ETALabel")->text(), QStringLiteral("秒"));
    QVERIFY(page->findChild<QLabel*>("SortLabel")->text().isEmpty());
    QVERIFY(page->findChild<QWidget*>("ProgressBar1"));
    QVERIFY(page->findChild<QWidget*>("SkillMemo"));

    QCOMPARE(headings(page->findChild<QTreeView*>("SkillLV")),
             QStringList({"スキル系統", "頭", "胴", "腕", "腰", "脚", "武", "計"}));
    QCOMPARE(headings(page->findChild<QTreeView*>("ResultLV")), QStringList({"no", "防御", "スロット", "所持数"}));
    QCOMPARE(headings(page->findChild<QTreeView*>("EquipLV")),
             QStringList({"防具名", "レア", "防御", "火", "水", "雷", "氷", "龍", "スロット", "装飾品"}));

    // Conditions upper left, detail upper right, hits lower left, pieces lower right.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto topLeftOf = [page](const char* name) {
        QWidget* w = page->findChild<QWidget*>(name);
        return w->mapTo(page, QPoint(0, 0));
    };
    QVERIFY(topLeftOf("ReqSkill1").x() < topLeftOf("SkillLV").x());
    QVERIFY(topLeftOf("ResultLV").x() < topLeftOf("EquipLV").x());
    QVERIFY(topLeftOf("SearchButton").y() < topLeftOf("ResultLV").y());
    QVERIFY(topLeftOf("SkillLV").y() < topLeftOf("EquipLV").y());
}

void MainWindowTest::helpTextHasItsTwentySixLines() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    auto* help = window.findChild<QPlainTextEdit*>("HelpMemo");
    QVERIFY(help);
    QVERIFY(help->isReadOnly());
    const QStringList lines = help->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 26);
    QCOMPARE(lines[0], QStringLiteral("■「スキル１」、「スキル２」、「スキル３"));
    QCOMPARE(lines[14], QStringLiteral("。"));
    QCOMPARE(lines[25], QStringLiteral("はありません。"));
    for (int empty : {4, 9, 15, 18, 22}) QVERIFY2(lines[empty].isEmpty(), qPrintable(QString::number(empty + 1)));
    QCOMPARE(lines[11], QStringLiteral("　これをチェックすると、上記の検索"));
}

void MainWindowTest::otherPagesControls() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);

    QWidget* possessions = window.findChild<QWidget*>("TabSheet2");
    for (const QString part : {"Head", "Body", "Arm", "Wst", "Leg"}) {
        auto* list = possessions->findChild<QTreeView*>(part + "PossLV");
        QVERIFY2(list, qPrintable(part));
        QCOMPARE(headings(list), QStringList({"名称", "装飾品"}));
        const QList<std::pair<QString, QString>> buttons = {
            {"AddButton", "追加"}, {"ModButton", "変更"}, {"UpButton", "↑"}, {"DownButton", "↓"}, {"DelButton", "削除"}};
        for (const auto& [suffix, caption] : buttons) {
            auto* button = possessions->findChild<QPushButton*>(part + suffix);
            QVERIFY2(button, qPrintable(part + suffix));
            QCOMPARE(button->text(), caption);
        }
    }
    auto* sexPoss = possessions->findChild<RadioGroup*>("SexPossRG");
    auto* typePoss = possessions->findChild<RadioGroup*>("TypePossRG");
    QVERIFY(sexPoss && typePoss);
    QCOMPARE(sexPoss->itemIndex(), 0);
    QCOMPARE(typePoss->itemIndex(), 0);
    QCOMPARE(sexPoss->buttons()->button(0)->text(), QStringLiteral("両方"));
    QCOMPARE(typePoss->buttons()->button(2)->text(), QStringLiteral("ガンナー"));
    QCOMPARE(possessions->findChild<QPushButton*>("SaveButton")->text(), QStringLiteral("保存"));
    QVERIFY(!possessions->findChild<QPushButton*>("PossMysetButton")->isEnabled());
    QCOMPARE(headings(possessions->findChild<QTreeView*>("EquipPossLV")),
             QStringList({"部", "防", "火", "水", "雷", "氷", "龍", "ス", "装飾品"}));
    QCOMPARE(headings(possessions->findChild<QTreeView*>("SkillPossLV")),
             QStringList({"スキル系統", "頭", "胴", "腕", "腰", "脚", "計"}));
    QVERIFY(possessions->findChild<QPlainTextEdit*>("PossMemo"));

    QWidget* mysets = window.findChild<QWidget*>("TabSheet4");
    QCOMPARE(headings(mysets->findChild<QTreeView*>("MysetLV")),
             QStringList({"no", "タイプ", "マイセット名", "防御", "スキル"}));
    for (const char* name : {"MysetUpButton", "MysetDownButton", "MysetDelButton", "MysetReplaceButton",
                             "MysetCopyButton"})
        QVERIFY2(!mysets->findChild<QPushButton*>(name)->isEnabled(), name);
    QVERIFY(mysets->findChild<QPushButton*>("MysetAddButton")->isEnabled());
    QCOMPARE(mysets->findChild<RadioGroup*>("MysetSexRG")->itemIndex(), -1);
    QCOMPARE(mysets->findChild<RadioGroup*>("MysetTypeRG")->itemIndex(), -1);
    for (const char* name : {"MysetHeadEdit", "MysetBodyEdit", "MysetArmEdit", "MysetWstEdit", "MysetLegEdit"}) {
        auto* edit = mysets->findChild<QLineEdit*>(name);
        QVERIFY2(edit, name);
        QVERIFY(edit->isReadOnly());
        QCOMPARE(edit->text(), QStringLiteral("装備無し"));
    }
    for (const char* name : {"MysetHeadDecoEdit", "MysetWeponDecoEdit", "MysetHeadButton", "MysetWeponButton",
                             "MysetEdit", "MysetEquipLV", "MysetSkillLV", "MysetSkillMemo"})
        QVERIFY2(mysets->findChild<QWidget*>(name), name);
    QCOMPARE(comboItems(mysets->findChild<QComboBox*>("MysetWeponSlotCB")).size(), 4);

    QWidget* files = window.findChild<QWidget*>("TabSheet3");
    QCOMPARE(headings(files->findChild<QTreeView*>("ResultFileLV")), QStringList({"ファイル名", "件数", "作成日時"}));
    QCOMPARE(headings(files->findChild<QTreeView*>("ResultEquipLV")),
             QStringList({"防具名", "レ", "防", "火", "水", "雷", "氷", "龍", "ス", "装飾品"}));
    QCOMPARE(files->findChild<QPushButton*>("ResultRefleshButton")->text(), QStringLiteral("ファイル一覧更新"));
    for (const char* name : {"ResultDelButton", "ResultCopyButton", "ResultMysetButton", "ResultDescButton",
                             "ResultExceptButton"})
        QVERIFY2(!files->findChild<QPushButton*>(name)->isEnabled(), name);
    for (const char* name : {"ResultSexRG", "ResultTypeRG", "ResultRareCB", "ResultIsDeco", "ResultWeponSlotCB",
                             "ResultIsPoss", "ResultAdd3SlotCB", "ResultAllEquipCB", "ResultHitLimitEdit",
                             "ResultPriorityCB", "ResultDefEdit", "ResultLegCB", "ResultHeadCB", "ResultWstCB",
                             "ResultLegEdit", "ResultWstEdit", "ResultLegDecoEdit", "ResultWstDecoEdit",
                             "ResultFixDecoCB", "ResultStopEdit", "ResultListLV", "ResultSkillLV",
                             "ResultSkillMemo"})
        QVERIFY2(files->findChild<QWidget*>(name), name);
    // The browsed file's conditions are shown, not edited.
    for (const char* name : {"ResultLegEdit", "ResultLegDecoEdit", "ResultHitLimitEdit", "ResultDefEdit",
                             "ResultStopEdit"})
        QVERIFY2(files->findChild<QLineEdit*>(name)->isReadOnly(), name);
    // Nothing of the search page is reached from another page by name.
    QVERIFY(!files->findChild<QWidget*>("ReqSkill1"));
    QVERIFY(!files->findChild<QWidget*>("HeadButton"));
    const QStringList memo = files->findChild<QPlainTextEdit*>("Memo2")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(memo.size(), 4);
    QCOMPARE(memo[3], QStringLiteral("■結果詳細ボタンをクリックすると、部位別の詳細ダイアログが表示されます。"));
}

void MainWindowTest::windowFitsTheWorkArea() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    const QRect area = window.screen()->availableGeometry();
    QVERIFY(area.contains(window.frameGeometry()));
    // A window that is too large for the work area is not larger than it.
    QVERIFY(window.width() <= area.width());
}

void MainWindowTest::missingActivationFileRefusesSearchAndSaving() {
    CatalogueDir dir({QStringLiteral("SKILL_EQ.csv")});
    QVERIFY(dir.ok());
    const QStringList before = dir.entries();
    const QString settingsFile = QCoreApplication::applicationFilePath() + QStringLiteral(".INI");
    const bool settingsExisted = QFileInfo::exists(settingsFile);

    RecordingMessages messages;
    {
        MainWindow window(messages);
        QVERIFY(window.startupError());
        QCOMPARE(messages.log,
                 QList<RecordedMessage>({{QStringLiteral("エラー"), QStringLiteral("ファイル SKILL_EQ.csv が開けません。")}}));
        for (const QString& name : kSkillBoxes) {
            auto* box = window.findChild<QComboBox*>(name);
            QCOMPARE(box->count(), 0);
            QCOMPARE(box->currentIndex(), -1);
        }

        QTest::mouseClick(window.findChild<QPushButton*>("SearchButton"), Qt::LeftButton);
        QCOMPARE(messages.log.size(), 2);
        QCOMPARE(messages.log.last(), (RecordedMessage{QStringLiteral("エラー"),
                                                       QStringLiteral("起動時にエラーが発生したため利用できません。")}));

        // Fixed-piece buttons and saving do nothing; closing saves nothing.
        window.show();
        QTest::mouseClick(window.findChild<QPushButton*>("HeadButton"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("SaveButton"), Qt::LeftButton);
        QVERIFY(window.close());
        QCOMPARE(messages.log.size(), 2);
        QVERIFY(!QGuiApplication::overrideCursor());
    }
    QCOMPARE(dir.entries(), before);
    QCOMPARE(QFileInfo::exists(settingsFile), settingsExisted);
}

void MainWindowTest::everyMissingFileIsReportedInLoadOrder() {
    CatalogueDir dir({QStringLiteral("ZEVAEQUIP_ARM.csv"), QStringLiteral("ZEVAEQUIP_DECO.csv")});
    QVERIFY(dir.ok());
    RecordingMessages messages;
    MainWindow window(messages);
    QVERIFY(window.startupError());
    QCOMPARE(messages.log,
             QList<RecordedMessage>({{QStringLiteral("エラー"), QStringLiteral("ファイル ZEVAEQUIP_ARM.csv が開けません。")},
                                     {QStringLiteral("エラー"), QStringLiteral("ファイル ZEVAEQUIP_DECO.csv が開けません。")}}));
    // The activations did load, so the skill boxes are filled all the same.
    QVERIFY(window.findChild<QComboBox*>("ReqSkill1")->count() > 1);
    QCOMPARE(window.findChild<QComboBox*>("ResultSkill5")->count(), window.findChild<QComboBox*>("ReqSkill1")->count());
}

void MainWindowTest::oneWindowPerFolderAndSignalsCloseIt() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    const QStringList before = dir.entries();
    const std::filesystem::path folder = dir.path();
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t holder = ::fork();  // the first window's process
    if (holder == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // gone with the test, however it ends
        const FolderLock held(folder);
        (void)!::write(ready[1], "h", 1);
        ::pause();
    }
    char byte = 0;
    QCOMPARE(::read(ready[0], &byte, 1), ssize_t{1});  // it has tried the lock

    RecordingMessages messages;
    int signal = SIGTERM;
    bool timedOut = false;
    const auto changeThenSignal = [&](MainWindow& window) {
        window.exceptFlags().deco[1] = 1;  // a change that only the close saves
        QTimer::singleShot(0, [signal] { ::raise(signal); });
        QTimer::singleShot(10000, &window, [&] { timedOut = window.close(); });
    };
    QCOMPARE(runMainWindow(messages, changeThenSignal), 1);
    QCOMPARE(messages.log, QList<RecordedMessage>({{QStringLiteral("エラー"),
                                                   QStringLiteral("このフォルダは別のウィンドウで使用中です。")}}));
    QCOMPARE(dir.entries(), before);

    ::kill(holder, SIGKILL);  // its lock goes with it
    QCOMPARE(::waitpid(holder, nullptr, 0), holder);
    for (const int sent : {SIGTERM, SIGHUP}) {
        signal = sent;
        std::filesystem::remove(folder / "config.csv");
        QCOMPARE(runMainWindow(messages, changeThenSignal), 0);
        QVERIFY(!timedOut);
        std::ifstream saved(folder / "config.csv", std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(saved), {}};
        QVERIFY2(text.starts_with("ED,") && text.ends_with(",1\r\n"), text.c_str());
    }
    QVERIFY(dir.entries().contains(QStringLiteral("velkorantis.INI")));
    QCOMPARE(messages.log.size(), 1);
}

}  // namespace vk::test

QTEST_MAIN(vk::test::MainWindowTest)
#include "main_window_test.moc"
