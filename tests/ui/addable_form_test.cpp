// The button "追加スキル検索" and the dialog "追加スキル" on the sample catalogue.
#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/search/addable/addable_search.h"
#include "core/search/condition/condition_gather.h"
#include "core/settings/ini_file.h"
#include "ui/app/main_window.h"
#include "ui/app/settings_location.h"
#include "ui/search/addable_form.h"
#include "ui/search/condition_reading.h"
#include "ui/search/search_page.h"
#include "ui/search/skill_combo.h"
#include "ui/support/catalogue_dir.h"
#include "ui/support/recording_messages.h"
#include "ui/widgets/qt_text.h"

namespace vk::test {
namespace {

struct Window {
    CatalogueDir dir;
    RecordingMessages messages;
    std::unique_ptr<MainWindow> main;
    SearchPage* page = nullptr;
    AddableForm* form = nullptr;

    Window() {
        if (!dir.ok()) return;
        main = std::make_unique<MainWindow>(messages);
        page = main->searchPage();
        form = main->addableForm();
    }
    void wish(const QStringList& names, int weaponSlots) {
        for (int i = 0; i < 5; ++i) {
            QComboBox* box = page->conditions.skill[i];
            box->setCurrentIndex(i < names.size() ? box->findText(names[i]) : 0);
        }
        if (!page->conditions.decorations->isChecked()) page->conditions.decorations->click();
        page->conditions.weaponSlots->setCurrentIndex(weaponSlots);
    }
    bool decide() {
        page->AddableButton->click();
        return QTest::qWaitFor([this] { return !form->running(); }, 60000);
    }
};

}  // namespace

class AddableFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void buttonFollowsTheSearchButtonAndRefusesAsItDoes();
    void listsTheAddableSkillsAndPutsOneIntoTheBoxes();
    void saysSoWhenNothingIsAddableAndKeepsItsPlace();
};

void AddableFormTest::buttonFollowsTheSearchButtonAndRefusesAsItDoes() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    QVERIFY(w.page->AddableButton->isEnabled());
    w.page->SearchButton->setEnabled(false);  // as during a search
    QVERIFY(!w.page->AddableButton->isEnabled());
    w.page->SearchButton->setEnabled(true);
    QVERIFY(w.page->AddableButton->isEnabled());
    w.page->AddableButton->click();
    QCOMPARE(w.messages.log, QList<RecordedMessage>({{QStringLiteral("CAUTION"), QStringLiteral("スキルを選択してください")}}));
    QVERIFY(!w.form->isVisible());

    CatalogueDir broken({QStringLiteral("ZEVAEQUIP_DECO.csv")});
    RecordingMessages messages;
    MainWindow failed(messages);
    QVERIFY(failed.startupError());
    QVERIFY(!failed.searchPage()->AddableButton->isEnabled());
    failed.searchPage()->SearchButton->setEnabled(false);
    failed.searchPage()->SearchButton->setEnabled(true);
    QVERIFY(!failed.searchPage()->AddableButton->isEnabled());
}

void AddableFormTest::listsTheAddableSkillsAndPutsOneIntoTheBoxes() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    w.wish({QStringLiteral("朧心・弐"), QStringLiteral("瑠魂・壱")}, 2);
    QVERIFY(w.decide());
    QVERIFY(w.form->isVisible());

    const GatheredCondition c = gatherCondition(w.main->catalogue(), readConditionForm(w.page->conditions, w.main->fixEquip()));
    SearchControl control;
    control.Running = true;
    const AddableState core = decideByPlainSearches(w.main->catalogue(), EngineKind::Fast, 1,
                                                    {c.engine, c.window.wanted, w.main->searchSnapshot()}, control, {});
    std::vector<int> expected;
    for (std::size_t i = 0; i < core.candidates.size(); ++i)
        if (core.verdicts[i] == Verdict::Addable) expected.push_back(core.candidates[i].skillEq);
    QVERIFY(expected.size() > 10);
    QCOMPARE(w.form->AddableLV->topLevelItemCount(), static_cast<int>(expected.size()));
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(w.form->listed()[i].skillEq, expected[i]);
        QCOMPARE(w.form->AddableLV->topLevelItem(static_cast<int>(i))->text(1),
                 fromSjis(w.main->catalogue().skillEqs[expected[i]].name));
    }
    QCOMPARE(w.form->AddableProgressBar->value(), w.form->AddableProgressBar->maximum());
    QVERIFY(!w.form->NothingLabel->isVisibleTo(w.form));

    // The last one listed goes into the first empty box, ReqSkill3.
    w.form->AddableLV->setCurrentItem(w.form->AddableLV->topLevelItem(static_cast<int>(expected.size()) - 1));
    w.form->AddableAddButton->click();
    QCOMPARE(w.page->conditions.skill[2]->currentIndex(), expected.back());
    QCOMPARE(w.page->conditions.skill[1]->currentText(), QStringLiteral("瑠魂・壱"));
    // A further choice of another system goes into the next empty box, ReqSkill4.
    const auto& eqs = w.main->catalogue().skillEqs;
    const auto other = std::find_if(expected.begin(), expected.end(), [&](int row) {
        for (int b = 0; b < 3; ++b)
            if (eqs[w.page->conditions.skill[b]->currentIndex()].system == eqs[row].system) return false;
        return true;
    });
    QVERIFY(other != expected.end());
    w.form->AddableLV->setCurrentItem(w.form->AddableLV->topLevelItem(static_cast<int>(other - expected.begin())));
    w.form->AddableAddButton->click();
    QCOMPARE(w.page->conditions.skill[2]->currentIndex(), expected.back());
    QCOMPARE(w.page->conditions.skill[3]->currentIndex(), *other);
    QVERIFY(w.form->isVisible());
    w.main->close();
    QVERIFY(!w.form->isVisible());
}

void AddableFormTest::saysSoWhenNothingIsAddableAndKeepsItsPlace() {
    Window w;
    QVERIFY(w.main && !w.main->startupError());
    w.wish({QStringLiteral("瑠刃・弐"), QStringLiteral("澪閃・参"), QStringLiteral("楓刃・弐")}, 0);
    QVERIFY(w.decide());
    QVERIFY(w.form->NothingLabel->isVisible());
    QVERIFY(!w.form->AddableLV->isVisible());
    QCOMPARE(w.form->NothingLabel->text(), QStringLiteral("追加できるスキルはありません。"));
    w.form->move(40, 50);
    w.form->reject();
    const IniReading reading = IniFile::load(settingsFilePath());
    QVERIFY(reading.ini.has("Addable", "Left"));
}

}  // namespace vk::test

QTEST_MAIN(vk::test::AddableFormTest)
#include "addable_form_test.moc"
