#include "modal_driving.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QTreeView>

namespace vk::test {

void whenModal(const char* name, std::function<void(QWidget*)> drive) {
    QTimer::singleShot(0, [name, drive = std::move(drive)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            QFAIL("no modal dialog");
        } else if (dialog->objectName() != QString::fromLatin1(name)) {
            dialog->reject();
            QFAIL(qPrintable(QStringLiteral("%1 instead of %2").arg(dialog->objectName(), QString::fromLatin1(name))));
        } else {
            drive(dialog);
            if (dialog->isVisible()) dialog->reject();
        }
    });
}

bool selectRowWith(QTreeView* view, int column, const QString& text) {
    QAbstractItemModel* model = view->model();
    for (int r = 0; r < model->rowCount(); ++r)
        if (model->index(r, column).data().toString() == text) {
            view->setCurrentIndex(model->index(r, 0));
            view->scrollTo(model->index(r, 0));
            return true;
        }
    return false;
}

}  // namespace vk::test
