// velkorantis-screenshots DIR: builds the main window on the catalogue of the
// current directory without a display and saves each page as
// DIR/page0.png .. DIR/page3.png, at the window's design size, and the open
// list of the first skill box as DIR/skill-list.png. With --search SKILL,...
// it also runs a search for those skills (activation names, decorations
// allowed) and saves the search page with the first hit selected as
// DIR/search-hit.png. The fixed-equipment dialog, with the first head piece
// of two or more slots and two one-slot decorations, goes to
// DIR/fix-dialog.png; the exclusion dialog, with a few pieces checked, to
// DIR/except-dialog.png. After the search, the hits are saved into RESULT
// (with a few pieces excluded) and read back on the result-file page with
// the first hit selected: DIR/result-file.png, and the file's exclusions in
// the confirmation window: DIR/result-except.png.
// The possessions and my-set pages, filled with a few owned pieces and my
// sets (in memory only), go to possessions-selected.png and
// mysets-selected.png.
// The result detail window over the search's hits, with the first hit's
// head and weapon chosen, goes to DIR/detail-two.png, with all six parts
// chosen to DIR/detail-all.png.
// The dialog "追加スキル" for the search's condition, once decided, goes to
// DIR/addable-dialog.png.
// Qt's own dialogs as the program shows them: a question box
// (DIR/question.png) and the save dialog in the folder RESULT
// (DIR/save-dialog.png).

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QTreeView>

#include "core/collections/deco_laying.h"
#include "ui/app/application.h"
#include "ui/app/main_window.h"
#include "ui/collections/except_form.h"
#include "ui/collections/fix_form.h"
#include "ui/results/result_except_form.h"
#include "ui/results/result_file_controller.h"
#include "ui/results/result_file_page.h"
#include "ui/results/result_form.h"
#include "ui/results/result_save.h"
#include "ui/search/addable_form.h"
#include "ui/search/result_list_view.h"
#include "ui/search/search_controller.h"
#include "ui/search/search_page.h"
#include "ui/tools/collection_screenshots.h"
#include "ui/tools/printed_messages.h"
#include "ui/widgets/user_messages.h"

namespace {

bool save(QWidget& widget, const QString& dir, const QString& name) {
    const QString file = QDir(dir).filePath(name);
    if (widget.grab().save(file)) return true;
    std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
    return false;
}

// Chooses the skills, presses "検索", waits for the end and selects the first hit.
bool searchAndSelect(vk::MainWindow& window, const QStringList& skills) {
    vk::SearchPage& page = *window.searchPage();
    for (int i = 0; i < 5; ++i) {
        QComboBox* box = page.findChild<QComboBox*>(QStringLiteral("ReqSkill%1").arg(i + 1));
        box->setCurrentIndex(i < skills.size() ? box->findText(skills[i]) : 0);
        if (i < skills.size() && box->currentIndex() < 0) {
            std::fprintf(stderr, "no skill named %s\n", skills[i].toUtf8().constData());
            return false;
        }
    }
    page.findChild<QCheckBox*>(QStringLiteral("IsDecoration"))->click();
    page.SearchButton->click();
    QElapsedTimer waited;
    waited.start();
    while (!page.SearchButton->isEnabled() || window.searchController()->searching()) {
        if (waited.elapsed() > 120000) {
            std::fprintf(stderr, "the search did not end within two minutes\n");
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    if (page.ResultLV->model()->rowCount() == 0) {
        std::fprintf(stderr, "the search found nothing\n");
        return false;
    }
    page.ResultLV->setCurrentIndex(page.ResultLV->model()->index(0, 0));
    QCoreApplication::processEvents();
    return true;
}

// The two collection dialogs, shown without their modal loop.
bool saveDialogs(vk::MainWindow& window, const QString& dir) {
    const vk::Catalogue& cat = window.catalogue();
    const auto& heads = cat.equip[vk::Head];
    int piece = 1;
    while (piece < static_cast<int>(heads.size()) && (heads[piece].slots < 2 || heads[piece].sex == 2 ||
                                                      heads[piece].type == 2))
        ++piece;
    std::vector<int> decos;
    for (int d = 1; d < static_cast<int>(cat.decos.size()) && decos.size() < 2; ++d)
        if (cat.decos[d].slots == 1) decos.push_back(d);
    if (piece >= static_cast<int>(heads.size()) || decos.size() < 2) {
        std::fprintf(stderr, "the catalogue has no head piece with two slots or no one-slot decorations\n");
        return false;
    }
    vk::DecoSet fitted;
    vk::layDecorations(fitted, vk::Head, decos, cat);
    vk::FixForm& fix = *window.fixForm();
    fix.model().presetFixedPiece(vk::Head, piece, fitted, 1, 1);
    fix.FormShow();
    fix.show();
    QCoreApplication::processEvents();
    const bool fixSaved = save(fix, dir, QStringLiteral("fix-dialog.png"));
    fix.hide();

    vk::ExceptFlags flags = vk::ExceptFlags::sizedFor(cat);
    for (int row = 1; row < static_cast<int>(flags.equip[vk::Leg].size()); row += 3) flags.equip[vk::Leg][row] = 1;
    vk::ExceptForm& except = *window.exceptForm();
    except.prepare(flags);
    except.show();
    QCoreApplication::processEvents();
    const bool exceptSaved = save(except, dir, QStringLiteral("except-dialog.png"));
    except.hide();
    return fixSaved && exceptSaved;
}

// Saves the search's hits with some exclusions, reads the file back on the
// result-file page and selects its first hit.
bool saveResultFileViews(vk::MainWindow& window, const QString& dir) {
    vk::ExceptFlags& flags = window.exceptFlags();
    for (int row = 2; row < static_cast<int>(flags.equip[vk::Head].size()); row += 7) flags.equip[vk::Head][row] = 1;
    window.setSavePathChooser([](const QString& folder, const QString& name) { return folder + "/" + name; });
    window.searchPage()->ResultSaveButton->click();
    vk::ResultFileController& files = *window.resultFiles();
    files.refresh();
    vk::ResultFilePage& page = *window.findChild<vk::ResultFilePage*>();
    if (page.ResultFileLV->model()->rowCount() == 0) {
        std::fprintf(stderr, "the saved search is not listed\n");
        return false;
    }
    page.ResultFileLV->setCurrentIndex(page.ResultFileLV->model()->index(0, 0));
    page.ResultListLV->setCurrentIndex(page.ResultListLV->model()->index(0, 0));
    window.pageTabs()->setCurrentWidget(&page);
    QCoreApplication::processEvents();
    if (!save(window, dir, QStringLiteral("result-file.png")) || !files.loaded()) return false;
    vk::ResultExceptForm& except = *window.resultExceptForm();
    except.prepare(files.loaded()->exclusions);
    except.show();
    QCoreApplication::processEvents();
    const bool saved = save(except, dir, QStringLiteral("result-except.png"));
    except.hide();
    return saved;
}

// The detail window over the search's hits, narrowed towards the first hit.
bool saveDetailWindow(vk::MainWindow& window, const QString& dir) {
    vk::ResultForm& form = *window.resultForm();
    const vk::SearchController& search = *window.searchController();
    form.Fill(search.condition(), search.resultView().unnumbered());
    form.show();
    form.resize(vk::ResultForm::kDesignWidth, vk::ResultForm::kDesignHeight);
    auto choose = [&form](int part) {
        QTreeView* list = form.ResultLV[part];
        list->setCurrentIndex(list->model()->index(form.narrowing().rowOfHit(part, 0), 0));
    };
    choose(vk::Head);
    choose(vk::Weapon);
    // The other lists show the first hit's rows, which are green now.
    for (int part : {vk::Body, vk::Arm, vk::Wst, vk::Leg}) {
        QTreeView* list = form.ResultLV[part];
        list->scrollTo(list->model()->index(form.narrowing().rowOfHit(part, 0), 0), QAbstractItemView::PositionAtCenter);
    }
    QCoreApplication::processEvents();
    if (!save(form, dir, QStringLiteral("detail-two.png"))) return false;
    for (int part : {vk::Body, vk::Arm, vk::Wst, vk::Leg}) choose(part);
    QCoreApplication::processEvents();
    const bool saved = save(form, dir, QStringLiteral("detail-all.png"));
    form.hide();
    return saved;
}

// "追加スキル検索" on the search's condition, drawn once every skill is decided.
bool saveAddableDialog(vk::MainWindow& window, const QString& dir) {
    vk::AddableForm& form = *window.addableForm();
    window.searchPage()->AddableButton->click();
    QElapsedTimer waited;
    waited.start();
    while (form.running() && waited.elapsed() < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
    if (form.running()) {
        std::fprintf(stderr, "the additional-skill search did not end within two minutes\n");
        return false;
    }
    const bool saved = save(form, dir, QStringLiteral("addable-dialog.png"));
    form.reject();
    return saved;
}

// Runs `open`, which shows a modal dialog, saves that dialog once it is up
// and closes it.
bool saveModal(const QString& dir, const QString& name, const std::function<void()>& open) {
    bool saved = false;
    QTimer::singleShot(200, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!box) return;
        saved = save(*box, dir, name);
        box->close();
    });
    open();
    return saved;
}

// A question box and the save dialog, with Qt's own texts.
bool saveStandardDialogs(vk::MainWindow& window, const QString& dir) {
    vk::MessageBoxes boxes(&window);
    const bool question = saveModal(dir, QStringLiteral("question.png"), [&boxes] {
        boxes.ask(QStringLiteral("確認"), QStringLiteral("マイセットに登録しますか？"));
    });
    const QString folder = QDir::current().absoluteFilePath(QStringLiteral("RESULT"));
    return question && QDir().mkpath(folder) && saveModal(dir, QStringLiteral("save-dialog.png"), [&] {
               vk::saveFileDialog(&window)(folder, QStringLiteral("朧心・弐_瑠魂・壱_樺魂・壱_なし_なし.CSV"));
           });
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vk::Application app(argc, argv);
    const bool withSearch = argc == 4 && std::string_view(argv[2]) == "--search";
    if (argc != 2 && !withSearch) {
        std::fprintf(stderr, "usage: velkorantis-screenshots DIR [--search SKILL,...]\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    vk::PrintedMessages messages;
    vk::MainWindow window(messages);
    window.show();
    // The screen may be smaller than the window; the pictures show the design size.
    window.resize(vk::MainWindow::kDesignWidth, vk::MainWindow::kDesignHeight);
    for (int page = 0; page < window.pageTabs()->count(); ++page) {
        window.pageTabs()->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QString file = QDir(dir).filePath(QStringLiteral("page%1.png").arg(page));
        if (!window.grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
            return 1;
        }
    }
    window.pageTabs()->setCurrentIndex(0);
    auto* skills = window.findChild<QComboBox*>(QStringLiteral("ReqSkill1"));
    skills->showPopup();
    QCoreApplication::processEvents();
    const QString list = QDir(dir).filePath(QStringLiteral("skill-list.png"));
    if (!skills->view()->window()->grab().save(list)) {
        std::fprintf(stderr, "cannot write %s\n", list.toLocal8Bit().constData());
        return 1;
    }
    skills->hidePopup();
    if (!saveDialogs(window, dir) || !saveStandardDialogs(window, dir)) return 1;
    if (!vk::saveCollectionPages(window, dir)) return 1;
    if (withSearch) {
        window.pageTabs()->setCurrentIndex(0);  // the collection pages were shown last
        if (!searchAndSelect(window, QString::fromLocal8Bit(argv[3]).split(QLatin1Char(',')))) return 1;
        if (!save(window, dir, QStringLiteral("search-hit.png"))) return 1;
        if (!saveResultFileViews(window, dir)) return 1;
        if (!saveDetailWindow(window, dir)) return 1;
        if (!saveAddableDialog(window, dir)) return 1;
    }
    return 0;
}
