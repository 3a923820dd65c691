// The search worker on its own: steps on the window's thread in order, and a
// finish that never waits for a window that has stopped answering.

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include "core/catalogue/loader.h"
#include "core/search/condition/condition_gather.h"
#include "core/text/sjis.h"
#include "ui/search/search_thread.h"
#include "ui/support/catalogue_dir.h"

namespace vk::test {
namespace {

// Two skills over all pieces with decorations: far longer than any test waits.
GatheredCondition longSearch(const Catalogue& cat) {
    ConditionForm form;
    form.skillBoxes = {cat.findSkillEq(utf8ToSjis("碧手・弐")), cat.findSkillEq(utf8ToSjis("柘眼・弐")), 0, 0, 0};
    form.isDecoration = true;
    form.allEquip = true;
    form.weponItem = 2;
    return gatherCondition(cat, form);
}

}  // namespace

class SearchThreadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stepsRunOnTheWindowThreadInOrder();
    void finishReleasesAWorkerWaitingForAStep();
};

void SearchThreadTest::stepsRunOnTheWindowThreadInOrder() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Catalogue cat;
    QVERIFY(!loadCatalogue(dir.path(), cat).startupError);

    QStringList steps;
    bool allOnWindowThread = true;
    std::size_t hitsAtEnd = 0;
    SearchThread* self = nullptr;
    auto onWindowThread = [&] { allOnWindowThread = allOnWindowThread && QThread::currentThread() == thread(); };
    SearchThread worker(cat, {[&](const SearchProgress& p) {
                                  onWindowThread();
                                  if (steps.isEmpty() || steps.last() != "progress") steps << "progress";
                                  QVERIFY(p.Total > 0);
                              },
                              [&] {
                                  onWindowThread();
                                  steps << "end1";
                                  QVERIFY(!self->control().Running);
                              },
                              [&] {
                                  onWindowThread();
                                  steps << "end2";
                                  hitsAtEnd = self->engine().store().size();
                              }});
    self = &worker;
    worker.start(longSearch(cat).engine, {{}, ExceptFlags::sizedFor(cat)});
    QTRY_VERIFY_WITH_TIMEOUT(!steps.isEmpty(), 30000);
    worker.control().Running = false;  // stop
    QTRY_VERIFY_WITH_TIMEOUT(steps.endsWith("end2"), 30000);
    QCOMPARE(steps, QStringList({"progress", "end1", "end2"}));
    QVERIFY(allOnWindowThread);
    QCOMPARE(hitsAtEnd, worker.engine().store().size());
    QVERIFY(worker.progressShown() >= 1);
}

void SearchThreadTest::finishReleasesAWorkerWaitingForAStep() {
    CatalogueDir dir;
    QVERIFY(dir.ok());
    Catalogue cat;
    QVERIFY(!loadCatalogue(dir.path(), cat).startupError);

    int stepsRun = 0;
    auto worker = std::make_unique<SearchThread>(
        cat, SearchSteps{[&](const SearchProgress&) { ++stepsRun; }, [&] { ++stepsRun; }, [&] { ++stepsRun; }});
    worker->start(longSearch(cat).engine, {{}, ExceptFlags::sizedFor(cat)});
    // No events are processed: the worker's first progress step waits for a
    // window thread that does not answer, as when the window is closing.
    QThread::msleep(500);
    QElapsedTimer finishing;
    finishing.start();
    worker->finish();
    QVERIFY2(finishing.elapsed() < 5000, "finish waited for the search");
    QVERIFY(!worker->control().Running);
    QVERIFY(!worker->control().Suspended);
    worker.reset();
    QCoreApplication::processEvents();  // steps still queued are dropped, not run
    QCOMPARE(stepsRun, 0);
}

}  // namespace vk::test

QTEST_MAIN(vk::test::SearchThreadTest)
#include "search_thread_test.moc"
