#pragma once
// TResultExceptForm, the read-only window "除外設定確認": the exclusions stored
// with the saved search being browsed, part by part. It changes nothing.

#include <QDialog>

#include "core/catalogue/catalogue.h"
#include "core/search/condition/except_flags.h"

class QPushButton;
class QStandardItemModel;
class QTreeView;

namespace vk {

class RadioGroup;

class ResultExceptForm : public QDialog {
    Q_OBJECT
public:
    explicit ResultExceptForm(const Catalogue& catalogue, QWidget* parent = nullptr);

    // ResultExceptButtonClick: the window over `exclusions`, modally.
    void showModal(const ExceptFlags& exclusions);
    // The same without the modal loop (tests and the screenshot tool).
    void prepare(const ExceptFlags& exclusions);

    QTreeView* ResultExceptLV = nullptr;
    RadioGroup* ResultPartRG = nullptr;
    QPushButton* closeButton = nullptr;  // "Button1"

private:
    void fillList();  // FormShow, ResultPartRGClick

    const Catalogue& catalogue_;
    ExceptFlags shown_;
    QStandardItemModel* rows_;
};

}  // namespace vk
