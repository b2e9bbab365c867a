#pragma once

#include <QString>
#include <functional>
#include <memory>

class QWidget;
class Database;
class MainWindow;
class StatusReportWindow;
class CleaningWindow;

// The main window's "Системные работы": the status report and cleaning windows (each made once and
// kept for the run, so they keep what the user chose), and the archive copy, restore and
// compaction of the working database.
class ServiceCommands {
public:
    ServiceCommands(Database& data, QWidget* parent);
    ~ServiceCommands();

    // Gives the main window's "Системные работы" items and toolbar buttons their handlers.
    void install(MainWindow& window);

    void openStatusReport();
    void archive();
    void restore();
    void compact();
    void openCleaning();

    // Asks for the file to restore from, starting in folder; empty when the user cancels.
    using FileChooser = std::function<QString(const QString& folder)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

private:
    Database& data_;
    QWidget* parent_;
    FileChooser chooseFile_;
    std::unique_ptr<StatusReportWindow> status_;
    std::unique_ptr<CleaningWindow> cleaning_;
};
