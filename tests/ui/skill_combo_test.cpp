// The wanted-skill boxes: their items and the drawing of each item.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "core/catalogue/catalogue.h"
#include "core/text/sjis.h"
#include "ui/search/skill_combo.h"
#include "ui/widgets/radio_group.h"

namespace vk::test {
namespace {

const QColor kUntouched(255, 0, 255);  // what an undrawn pixel keeps
const QColor kGreenMark(100, 255, 100);
const QColor kRedMark(255, 100, 100);
const QColor kHighlight(10, 36, 106);

struct Drawn {
    QImage image;
    QColor at(int x, int y) const { return image.pixelColor(x, y); }
    // True when some pixel right of the mark area is exactly `colour`.
    bool textIn(const QColor& colour) const {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 12; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) return true;
        return false;
    }
};

// A name that is all solid blocks, so the text colour shows in whole pixels.
Drawn draw(int item, int kind, bool selected) {
    QImage image(120, kSkillItemHeight, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Highlight, kHighlight);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    drawSkillItem(painter, image.rect(), item, kind, QStringLiteral("███"), selected, palette);
    painter.end();
    return {image};
}

SkillEq activation(const char* utf8Name, int kind) {
    SkillEq e;
    e.name = utf8ToSjis(utf8Name);
    e.kind = kind;
    return e;
}

}  // namespace

class SkillComboTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void firstItemIsWhiteWithABlackMarkEvenWhenSelected();
    void positiveSkillsHaveAGreenMark();
    void negativeSkillsHaveARedMark();
    void equalityAndUnknownKindsAreNotDrawn();
    void itemsAreSixteenPixelsHigh();
    void fillTakesEveryActivationInTableOrder();
    void radioGroupChoiceCanBeCleared();
};

void SkillComboTest::firstItemIsWhiteWithABlackMarkEvenWhenSelected() {
    for (bool selected : {false, true}) {
        const Drawn d = draw(0, kLess, selected);
        QCOMPARE(d.at(0, 0), QColor(Qt::white));
        QCOMPARE(d.at(11, 15), QColor(Qt::white));
        QCOMPARE(d.at(2, 2), QColor(Qt::black));
        QCOMPARE(d.at(9, 9), QColor(Qt::black));
        QCOMPARE(d.at(10, 10), QColor(Qt::white));  // the mark is 8 x 8
        QCOMPARE(d.at(1, 1), QColor(Qt::white));
        QVERIFY(d.textIn(Qt::black));
    }
}

void SkillComboTest::positiveSkillsHaveAGreenMark() {
    for (int kind : {kGreaterEqual, kGreater}) {
        const Drawn plain = draw(3, kind, false);
        QCOMPARE(plain.at(5, 5), kGreenMark);
        QCOMPARE(plain.at(0, 0), QColor(Qt::white));
        QVERIFY(plain.textIn(Qt::black));

        const Drawn selected = draw(3, kind, true);
        QCOMPARE(selected.at(5, 5), kGreenMark);
        QCOMPARE(selected.at(0, 0), kHighlight);
        QCOMPARE(selected.at(11, 15), kHighlight);
        QVERIFY(selected.textIn(Qt::white));
        QVERIFY(!selected.textIn(Qt::black));
    }
}

void SkillComboTest::negativeSkillsHaveARedMark() {
    for (int kind : {kLessEqual, kLess}) {
        QCOMPARE(draw(1, kind, false).at(9, 2), kRedMark);
        const Drawn selected = draw(1, kind, true);
        QCOMPARE(selected.at(2, 9), kRedMark);
        QCOMPARE(selected.at(1, 5), kHighlight);
        QVERIFY(selected.textIn(Qt::white));
    }
}

void SkillComboTest::equalityAndUnknownKindsAreNotDrawn() {
    for (int kind : {static_cast<int>(kEqual), 7, -1}) {
        for (bool selected : {false, true}) {
            const Drawn d = draw(2, kind, selected);
            for (int y = 0; y < d.image.height(); ++y)
                for (int x = 0; x < d.image.width(); ++x) QCOMPARE(d.at(x, y), kUntouched);
        }
    }
}

void SkillComboTest::itemsAreSixteenPixelsHigh() {
    SkillComboBox box(QStringLiteral("ReqSkill1"));
    box.addItem(QStringLiteral("なし"));
    box.addItem(QStringLiteral("とても長い名前のスキル"));
    auto* delegate = qobject_cast<SkillItemDelegate*>(box.itemDelegate());
    QVERIFY(delegate);
    QStyleOptionViewItem option;
    option.fontMetrics = box.fontMetrics();
    const QSize shortItem = delegate->sizeHint(option, box.model()->index(0, 0));
    const QSize longItem = delegate->sizeHint(option, box.model()->index(1, 0));
    QCOMPARE(shortItem.height(), 16);
    QCOMPARE(longItem.height(), 16);
    QVERIFY(longItem.width() > shortItem.width());
}

void SkillComboTest::fillTakesEveryActivationInTableOrder() {
    Catalogue catalogue;
    catalogue.skillEqs = {activation("なし", kGreaterEqual), activation("攻撃小", kGreaterEqual),
                          activation("攻撃大", kGreater), activation("体力減少", kLessEqual),
                          activation("均衡", kEqual)};
    SkillComboBox box(QStringLiteral("ReqSkill2"));
    box.addItem(QStringLiteral("stale"));
    fillSkillCombo(box, catalogue);
    QCOMPARE(box.count(), 5);
    QCOMPARE(box.currentIndex(), 0);
    const QStringList names = {"なし", "攻撃小", "攻撃大", "体力減少", "均衡"};
    const QList<int> kinds = {kGreaterEqual, kGreaterEqual, kGreater, kLessEqual, kEqual};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(box.itemText(i), names[i]);
        QCOMPARE(box.itemData(i, kSkillKindRole).toInt(), kinds[i]);
    }

    fillSkillCombo(box, Catalogue{});
    QCOMPARE(box.count(), 0);
    QCOMPARE(box.currentIndex(), -1);
}

void SkillComboTest::radioGroupChoiceCanBeCleared() {
    RadioGroup group(QStringLiteral("MysetSexRG"), QStringLiteral("性別"), {QStringLiteral("男"), QStringLiteral("女")}, -1);
    QCOMPARE(group.itemIndex(), -1);
    QSignalSpy clicked(&group, &RadioGroup::itemClicked);
    group.buttons()->button(1)->click();
    QCOMPARE(group.itemIndex(), 1);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked.first().first().toInt(), 1);
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    group.setItemIndex(0);
    QCOMPARE(group.itemIndex(), 0);
    QCOMPARE(clicked.size(), 1);  // only the user's click is reported
}

}  // namespace vk::test

QTEST_MAIN(vk::test::SkillComboTest)
#include "skill_combo_test.moc"
