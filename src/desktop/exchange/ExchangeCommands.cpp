#include "ExchangeCommands.h"

#include "desktop/InformationWindow.h"
#include "desktop/Session.h"
#include "desktop/WaitCursor.h"
#include "domain/db/Database.h"
#include "domain/exchange/ReceiveData.h"
#include "domain/exchange/SendData.h"

#include <QDateTime>

ExchangeCommands::ExchangeCommands(Database& data, Session& session, QWidget* parent)
    : data_(data), session_(session), parent_(parent) {}

ExchangeCommands::~ExchangeCommands() = default;

void ExchangeCommands::send() {
    SendReport report;
    {
        WaitCursor wait;
        report = sendData(data_, QDateTime::currentDateTime());
    }
    session_.year = report.year;
    showLines(report.lines);
}

void ExchangeCommands::receive() {
    ReceiveReport report;
    {
        WaitCursor wait;
        report = receiveData(data_.db(), data_.programFolder());
    }
    showLines(report.lines);
}

void ExchangeCommands::showLines(const QStringList& lines) {
    if (!window_)
        window_ = std::make_unique<InformationWindow>(parent_);
    window_->clear();
    for (const QString& line : lines)
        window_->addLine(line);
    window_->exec();
}
