#pragma once
// A titled group of radio buttons whose choice is an item index, like the
// "性別" and "タイプ" groups: a QGroupBox holding the buttons and a
// QButtonGroup whose ids are the item indices.

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace vk {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    // `itemIndex` -1 leaves no button chosen. The buttons stand in one row,
    // or row by row in `columns` columns when it is more than 0.
    RadioGroup(const QString& objectName, const QString& title, const QStringList& items, int itemIndex,
               QWidget* parent = nullptr, int columns = 0);

    int itemIndex() const;  // -1 when no button is chosen
    void setItemIndex(int index);  // -1 clears the choice
    int count() const;
    QButtonGroup* buttons() const { return buttons_; }

Q_SIGNALS:
    // The user clicked the button of `index`.
    void itemClicked(int index);

private:
    QButtonGroup* buttons_;
};

}  // namespace vk
