#include "ChoiceBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QScrollBar>

namespace {

void showTextStart(QComboBox* box) {
    if (QLineEdit* edit = box->lineEdit())
        edit->setCursorPosition(0);
}

} // namespace

QComboBox* makeChoiceBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [box] { showTextStart(box); });
    return box;
}

void fillChoices(QComboBox* box, const QStringList& items) {
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    QAbstractItemView* view = box->view();
    const int longest = items.isEmpty() ? 0 : view->sizeHintForColumn(0);
    view->setMinimumWidth(longest + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth());
}

void showChoice(QComboBox* box, const QString& text) {
    box->setCurrentIndex(box->findText(text));
    if (box->currentIndex() < 0) {
        box->setEditText(text);
        showTextStart(box);
    }
}

QStringList yearList(int firstYear) {
    QStringList years;
    for (int y = firstYear; y <= QDate::currentDate().year() + 5; ++y)
        years << QString::number(y);
    return years;
}
