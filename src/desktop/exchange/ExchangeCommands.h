#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class Database;
class InformationWindow;
class QWidget;
struct Session;

// "Отправить данные", "Принять данные" and "Импорт базы формата Jet…": each runs its domain
// routine and shows the report lines in the one information window of the run.
class ExchangeCommands {
public:
    ExchangeCommands(Database& data, Session& session, QWidget* parent);
    ~ExchangeCommands();

    void send();
    void receive();
    void importJet();
    // Where the import's file comes from: the open-file dialog, or a test's choice.
    void setFileChooser(std::function<QString()> chooser) { chooseFile_ = std::move(chooser); }
    InformationWindow* informationWindow() const { return window_.get(); }

private:
    void showLines(const QStringList& lines);
    QString chooseJetFile() const;

    Database& data_;
    Session& session_;
    QWidget* parent_;
    std::unique_ptr<InformationWindow> window_;
    std::function<QString()> chooseFile_;
};
