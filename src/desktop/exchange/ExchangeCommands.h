#pragma once

#include <QStringList>
#include <memory>

class Database;
class InformationWindow;
class QWidget;
struct Session;

// "Отправить данные" and "Принять данные": each runs its domain routine and shows the report
// lines in the one information window of the run.
class ExchangeCommands {
public:
    ExchangeCommands(Database& data, Session& session, QWidget* parent);
    ~ExchangeCommands();

    void send();
    void receive();
    InformationWindow* informationWindow() const { return window_.get(); }

private:
    void showLines(const QStringList& lines);

    Database& data_;
    Session& session_;
    QWidget* parent_;
    std::unique_ptr<InformationWindow> window_;
};
