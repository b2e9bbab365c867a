#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class Database;
class InformationWindow;
class QWidget;

// "Импорт таблиц хозяйства из Excel…": the farm workbooks the user picks, imported one after the
// other, and the report shown in the information window.
class FarmImportCommand {
public:
    using FileChooser = std::function<QStringList()>;

    FarmImportCommand(Database& data, QWidget* parent);
    ~FarmImportCommand();

    void run();
    // Tests pick the files without the open-file dialog.
    void setFileChooser(FileChooser chooser) { chooseFiles_ = std::move(chooser); }
    InformationWindow& information();

private:
    Database& data_;
    QWidget* parent_;
    FileChooser chooseFiles_;
    std::unique_ptr<InformationWindow> information_;
};
