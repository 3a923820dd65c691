// The result-file tab on the sample catalogue: a search saved through the
// save dialog is listed, read back with its conditions, hits and reports,
// renamed and deleted; broken files and changed conditions are refused.

#include <fstream>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "core/results/result_file_list.h"
#include "core/results/result_file_writer.h"
#include "ui/app/main_window.h"
#include "ui/results/result_except_form.h"
#include "ui/results/result_file_controller.h"
#include "ui/results/result_file_page.h"
#include "ui/results/result_save.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/qt_text.h"
#include "ui/widgets/radio_group.h"
#include "ui/widgets/user_messages.h"

namespace vk::test {

class ResultFilePageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void savedSearchIsListedReadRenamedAndDeleted();
    void brokenFileIsRefusedAndLeavesNothingBehind();
    void refusedRenameShowsOneRealBoxAfterTheEditorClosed();
    void exclusionWindowListsTheFilesExclusions();
    void failedReadAndSaveShowTheirBoxWithTheNormalCursor();
};

namespace {

struct Window {
    CatalogueDir dir;
    RecordingMessages messages;
    MessageBoxes boxes;
    std::unique_ptr<MainWindow> main;
    SearchPage* search = nullptr;
    ResultFilePage* files = nullptr;

    // `realBoxes`: boxes are shown, not recorded.
    explicit Window(bool realBoxes = false) {
        if (!dir.ok()) return;
        main = std::make_unique<MainWindow>(realBoxes ? static_cast<UserMessages&>(boxes) : messages);
        boxes.setParent(main.get());
        search = main->searchPage();
        files = main->findChild<ResultFilePage*>();
    }
    QString cell(QTreeView* view, int row, int column) const {
        return view->model()->index(row, column).data().toString();
    }
    void selectRow(QTreeView* view, int row) { view->setCurrentIndex(view->model()->index(row, 0)); }
    // The user edits a file's caption in place and presses Enter.
    void editCaption(int row, const QString& text) {
        QTreeView* list = files->ResultFileLV;
        selectRow(list, row);
        list->edit(list->model()->index(row, 0));
        auto* editor = qobject_cast<QLineEdit*>(list->indexWidget(list->model()->index(row, 0)));
        QVERIFY(editor);
        editor->setText(text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();  // the editor commits and closes
        QCoreApplication::processEvents();  // then the rename is taken
    }
};

}  // namespace

void ResultFilePageTest::savedSearchIsListedReadRenamedAndDeleted() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    QCOMPARE(w.files->ResultFileLV->model()->rowCount(), 0);  // no RESULT folder yet

    // A search for two skills stopped by a hit limit of 50, as a woman.
    const QStringList skills = {QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱")};
    for (int i = 0; i < 2; ++i) w.search->conditions.skill[i]->setCurrentIndex(w.search->conditions.skill[i]->findText(skills[i]));
    w.search->conditions.decorations->click();
    w.search->conditions.sex->setItemIndex(1);
    w.search->conditions.hitLimit->setText(QStringLiteral("50"));
    w.search->SearchButton->click();
    QVERIFY(QTest::qWaitFor([&] { return w.search->SearchButton->isEnabled() && !w.main->searchController()->searching(); }, 60000));

    QString proposed;
    w.main->setSavePathChooser([&](const QString& folder, const QString& name) {
        proposed = name;
        return folder + QStringLiteral("/") + name;
    });
    w.search->ResultSaveButton->click();
    QCOMPARE(proposed, QStringLiteral("朧心・弐_瑠魂・壱_なし_なし_なし.CSV"));
    QVERIFY(w.messages.log.isEmpty());

    w.files->ResultRefleshButton->click();
    QTreeView* list = w.files->ResultFileLV;
    QCOMPARE(list->model()->rowCount(), 1);
    QCOMPARE(w.cell(list, 0, 0), proposed);
    QCOMPARE(w.cell(list, 0, 1), QStringLiteral("50"));

    w.selectRow(list, 0);
    QVERIFY(w.messages.log.isEmpty());
    QCOMPARE(w.files->ResultListLV->model()->rowCount(), 50);
    QCOMPARE(w.files->ResultStopEdit->text(), QStringLiteral("検索数制限"));
    QCOMPARE(w.files->conditions.sex->itemIndex(), 1);
    QCOMPARE(w.files->conditions.skill[1]->currentText(), skills[1]);
    QCOMPARE(w.files->conditions.hitLimit->text(), QStringLiteral("50"));
    QVERIFY(w.files->ResultDescButton->isEnabled() && w.files->ResultDelButton->isEnabled());
    QVERIFY(!w.files->ResultCopyButton->isEnabled());

    // The controls take no change.
    w.files->conditions.allPieces->click();
    QVERIFY(!w.files->conditions.allPieces->isChecked());
    w.files->conditions.sex->buttons()->button(0)->click();
    QCOMPARE(w.files->conditions.sex->itemIndex(), 1);

    // Hit 7 copies the same report as on the search tab.
    w.selectRow(w.files->ResultListLV, 6);
    QVERIFY(w.files->ResultCopyButton->isEnabled() && w.files->ResultMysetButton->isEnabled());
    w.files->ResultCopyButton->click();
    const QString fromFile = QGuiApplication::clipboard()->text();
    w.search->ResultLV->setCurrentIndex(w.search->ResultLV->model()->index(6, 0));
    w.search->CopyButton->click();
    QCOMPARE(fromFile, QGuiApplication::clipboard()->text());

    // マイセット registers the file's hit with the file's sex.
    w.messages.answers = {true};
    w.files->ResultMysetButton->click();
    QCOMPARE(w.main->mysets().size(), std::size_t{1});
    QCOMPARE(w.main->mysets()[0].Sex, 2);
    QCOMPARE(w.main->mysets()[0].Set.Index, w.main->resultFiles()->selectedHit()->Index);
    w.messages.log.clear();

    // After a refresh the controls keep showing the file read, and a click keeps it.
    const QString fixedHead = w.files->conditions.fixedPiece[Head]->text();
    QVERIFY(!fixedHead.isEmpty());
    w.files->ResultRefleshButton->click();
    w.files->conditions.allPieces->click();
    QVERIFY(!w.files->conditions.allPieces->isChecked());
    QCOMPARE(w.files->conditions.hitLimit->text(), QStringLiteral("50"));
    QCOMPARE(w.files->conditions.minDefence->text(), QStringLiteral("0"));
    QCOMPARE(w.files->conditions.fixedPiece[Head]->text(), fixedHead);
    QCOMPARE(w.files->ResultStopEdit->text(), QStringLiteral("検索数制限"));

    // Renaming to its own name is refused; to a new one it renames the file.
    w.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.main.get()));
    w.main->pageTabs()->setCurrentWidget(w.files);
    w.editCaption(0, proposed);
    QCOMPARE(w.messages.log.size(), 1);
    QCOMPARE(w.messages.log[0].text, proposed + QStringLiteral(" の名前を変更できません。"));
    w.editCaption(0, QStringLiteral("a/b.CSV"));
    QCOMPARE(w.messages.log.size(), 2);
    QCOMPARE(w.cell(list, 0, 0), proposed);
    w.editCaption(0, QStringLiteral("二人目.CSV"));
    QCOMPARE(w.messages.log.size(), 2);
    QVERIFY(std::filesystem::exists(w.dir.path() / "RESULT" / "二人目.CSV"));
    QVERIFY(!std::filesystem::exists(w.dir.path() / "RESULT" / proposed.toStdString()));

    // Delete: No keeps it, Yes removes it and empties the list.
    w.messages.answers = {false, true};
    w.selectRow(list, 0);
    w.files->ResultDelButton->click();
    QCOMPARE(list->model()->rowCount(), 1);
    w.selectRow(list, 0);
    w.files->ResultDelButton->click();
    QCOMPARE(w.messages.log.last().text, QStringLiteral("二人目.CSV を削除しますか？"));
    QCOMPARE(list->model()->rowCount(), 0);
    QVERIFY(!std::filesystem::exists(w.dir.path() / "RESULT" / "二人目.CSV"));
}

// Real message boxes: the box of a refused rename takes the focus, which
// must not commit the caption's editor a second time.
void ResultFilePageTest::refusedRenameShowsOneRealBoxAfterTheEditorClosed() {
    Window w(true);
    QVERIFY(w.main && !w.main->startupError());
    const std::filesystem::path folder = w.dir.path() / "RESULT";
    std::filesystem::create_directory(folder);
    const ExceptFlags none = ExceptFlags::sizedFor(w.main->catalogue());
    for (const char* name : {"A.CSV", "B.CSV"})
        QVERIFY(saveResultFile(folder / name, {w.main->catalogue(), SearchCondition{}, ResultStore{}, none, 0}));
    w.files->ResultRefleshButton->click();
    w.main->show();
    w.main->pageTabs()->setCurrentWidget(w.files);
    QVERIFY(QTest::qWaitForWindowActive(w.main.get()));

    QStringList shown;  // every box that came up, answered OK
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->accept();
        }
    });
    answer.start(10);
    for (const char* typed : {"A.CSV", "B.CSV"}) {  // unchanged, and the other file's name
        shown.clear();
        w.editCaption(0, QString::fromLatin1(typed));
        QTest::qWait(300);  // room for a second box, had the lost focus committed again
        QCOMPARE(shown, QStringList{QStringLiteral("A.CSV の名前を変更できません。")});
        QCOMPARE(w.cell(w.files->ResultFileLV, 0, 0), QStringLiteral("A.CSV"));
        QCOMPARE(QDir(QString::fromStdString(folder.string())).entryList(QDir::Files), QStringList({"A.CSV", "B.CSV"}));
    }
}

void ResultFilePageTest::brokenFileIsRefusedAndLeavesNothingBehind() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    std::filesystem::create_directory(w.dir.path() / "RESULT");
    {
        // A header that lists, a body that does not read.
        std::ofstream broken(w.dir.path() / "RESULT" / "broken.CSV", std::ios::binary);
        broken << "VELKORANTIS,0.7\r\n3,1700000000,2023/11/14 22:13:20\r\n1,0\r\n";
        std::ofstream other(w.dir.path() / "RESULT" / "not-a-result.txt", std::ios::binary);
        other << "hello\r\n";
    }
    std::filesystem::create_directory(w.dir.path() / "RESULT" / "folder");
    w.files->ResultRefleshButton->click();
    QCOMPARE(w.files->ResultFileLV->model()->rowCount(), 1);
    w.selectRow(w.files->ResultFileLV, 0);
    QCOMPARE(w.messages.log.size(), 1);
    QCOMPARE(w.messages.log[0].text, QStringLiteral("ファイルの内容が間違っています"));
    QCOMPARE(w.files->ResultListLV->model()->rowCount(), 0);
    QVERIFY(!w.files->ResultDescButton->isEnabled() && !w.files->ResultDelButton->isEnabled());
    QVERIFY(w.files->ResultStopEdit->text().isEmpty());
}

void ResultFilePageTest::exclusionWindowListsTheFilesExclusions() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    ResultExceptForm& form = *w.main->resultExceptForm();
    QCOMPARE(form.windowTitle(), QStringLiteral("除外設定確認"));
    ExceptFlags flags = ExceptFlags::sizedFor(w.main->catalogue());
    flags.equip[Head][3] = 1;
    flags.equip[Head][5] = 1;
    flags.deco[2] = 1;
    form.prepare(flags);
    QCOMPARE(form.ResultPartRG->itemIndex(), 0);  // "頭"
    QCOMPARE(form.ResultExceptLV->model()->rowCount(), 2);
    QCOMPARE(w.cell(form.ResultExceptLV, 1, 0), fromSjis(w.main->catalogue().equip[Head][5].name));
    form.ResultPartRG->buttons()->button(5)->click();  // "装飾"
    QCOMPARE(form.ResultExceptLV->model()->rowCount(), 1);
    form.ResultPartRG->buttons()->button(4)->click();  // "脚": nothing excluded
    QCOMPARE(form.ResultExceptLV->model()->rowCount(), 0);
    // A refill for another part starts at the top.
    for (int part : {Head, Body}) std::fill(flags.equip[part].begin(), flags.equip[part].end(), 1);
    form.prepare(flags);
    form.show();
    form.ResultPartRG->buttons()->button(0)->click();  // "頭"
    form.ResultExceptLV->scrollToBottom();
    QVERIFY(form.ResultExceptLV->verticalScrollBar()->value() > 0);
    form.ResultPartRG->buttons()->button(1)->click();  // "胴"
    QCOMPARE(form.ResultExceptLV->verticalScrollBar()->value(), 0);
}

// Real boxes, answered by a timer that notes the cursor while each is up.
void ResultFilePageTest::failedReadAndSaveShowTheirBoxWithTheNormalCursor() {
    Window w(true);
    QVERIFY(w.main && !w.main->startupError());
    std::filesystem::create_directory(w.dir.path() / "RESULT");
    std::ofstream(w.dir.path() / "RESULT" / "broken.CSV", std::ios::binary)
        << "VELKORANTIS,0.7\r\n3,1700000000,2023/11/14 22:13:20\r\n1,0\r\n";
    QStringList shown;  // each box's text, with "+hourglass" when the hourglass was up
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text() + (QGuiApplication::overrideCursor() ? QStringLiteral("+hourglass") : QString());
            box->accept();
        }
    });
    answer.start(10);
    w.files->ResultRefleshButton->click();
    w.selectRow(w.files->ResultFileLV, 0);
    const ExceptFlags none = ExceptFlags::sizedFor(w.main->catalogue());
    const SearchToSave search{w.main->catalogue(), SearchCondition{}, ResultStore{}, none};
    QVERIFY(!ResultSaveButtonClick(
        search, [](const QString& folder, const QString&) { return folder + QStringLiteral("/none/x.CSV"); },
        w.boxes));
    QCOMPARE(shown, QStringList({QStringLiteral("ファイルの内容が間違っています"),
                                 QStringLiteral("ファイルが作成できませんでした")}));
    QVERIFY(!QGuiApplication::overrideCursor());
}

}  // namespace vk::test

QTEST_MAIN(vk::test::ResultFilePageTest)
#include "result_file_page_test.moc"
