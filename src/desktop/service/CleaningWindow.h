#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class Database;

// "Очистить БД": empties the ticked reference books and tables after an archive copy. The ticks
// stay while the window lives, which is the whole run.
class CleaningWindow : public QDialog {
    Q_OBJECT
public:
    explicit CleaningWindow(Database& data, QWidget* parent = nullptr);

    void btnCleanClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Database& data_;
    QList<QCheckBox*> boxes_; // in the order of cleanableTables()
};
