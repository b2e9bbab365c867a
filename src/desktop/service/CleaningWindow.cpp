#include "CleaningWindow.h"

#include "desktop/CommandRunner.h"
#include "desktop/Controls.h"
#include "desktop/DialogService.h"
#include "desktop/WaitCursor.h"
#include "desktop/WindowPlacement.h"
#include "domain/service/Cleaning.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The check boxes, in the order of cleanableTables(); the first two are the reference books.
struct CleaningBox {
    const char* name;
    const char* text;
};
constexpr CleaningBox kBoxes[] = {{"cbRajon", "Районы"},      {"cbXoz", "Хозяйства"},     {"cbTable1", "Таблица 1"},
                                  {"cbTable2", "Таблица 2"},  {"cbTable3", "Таблица 3"},  {"cbTable4", "Таблица 4"},
                                  {"cbTable5", "Таблица 5"},  {"cbTable6", "Таблица 6"},  {"cbTable9", "Таблица 9"}};
constexpr int kReferenceBoxes = 2;

} // namespace

CleaningWindow::CleaningWindow(Database& data, QWidget* parent) : QDialog(parent), data_(data) {
    setObjectName(QStringLiteral("TFormCleanDB"));
    setWindowTitle(QStringLiteral("Очистить БД"));
    setFixedSize(384, 305);
    setModal(true);

    auto* books = new QGroupBox(QStringLiteral("Справочники  "));
    auto* booksLayout = new QVBoxLayout(books);
    auto* tables = new QGroupBox(QStringLiteral("Таблицы"));
    auto* tablesLayout = new QVBoxLayout(tables);
    for (const CleaningBox& b : kBoxes) {
        auto* box = new QCheckBox(QString::fromUtf8(b.text));
        box->setObjectName(QLatin1String(b.name));
        (boxes_.size() < kReferenceBoxes ? booksLayout : tablesLayout)->addWidget(box);
        boxes_ << box;
    }
    Q_ASSERT(boxes_.size() == cleanableTables().size());

    QPushButton* clean = makeButton("btnClean", QStringLiteral("Очистить"));
    connect(clean, &QPushButton::clicked, this, [this] { runCommand([this] { btnCleanClick(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(books);
    layout->addWidget(tables);
    layout->addWidget(clean, 0, Qt::AlignHCenter);
}

void CleaningWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void CleaningWindow::btnCleanClick() {
    if (!dialogs().confirm(QStringLiteral("Очистить выбранные таблицы?")))
        return;
    QStringList chosen;
    for (int i = 0; i < boxes_.size(); ++i)
        if (boxes_.at(i)->isChecked())
            chosen << cleanableTables().at(i);
    QString copy;
    {
        WaitCursor wait;
        copy = cleanDatabase(data_, chosen);
    }
    dialogs().information(cleaningCopyMessage(copy));
}
