#include "ExchangeCommands.h"

#include "desktop/DialogService.h"
#include "desktop/InformationWindow.h"
#include "desktop/Session.h"
#include "desktop/WaitCursor.h"
#include "domain/db/Database.h"
#include "domain/exchange/DatabaseImport.h"
#include "domain/exchange/ReceiveData.h"
#include "domain/exchange/SendData.h"
#include "domain/exchange/TableSource.h"

#include <QDateTime>
#include <QFileDialog>

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

QString ExchangeCommands::chooseJetFile() const {
    if (chooseFile_)
        return chooseFile_();
    return QFileDialog::getOpenFileName(parent_, QStringLiteral("Импорт базы формата Jet"), data_.programFolder(),
                                        QStringLiteral("Базы данных (*.mdb);;Все файлы (*)"));
}

void ExchangeCommands::importJet() {
    const QString file = chooseJetFile();
    if (file.isEmpty())
        return;
    const std::unique_ptr<TableSource> source = openTableSource(file);
    ImportOptions options;
    if (holdsReportTables(data_.db())) {
        if (!dialogs().confirm(QStringLiteral("В рабочей базе уже есть таблицы хозяйств. Добавить к ним данные "
                                              "файла? Таблицы, которые есть в обеих базах, останутся прежними.")))
            return;
        options.merge = true;
    }
    const auto run = [&] {
        WaitCursor wait;
        return importDatabase(data_.db(), *source, data_.programFolder(), options, QDateTime::currentDateTime());
    };
    ImportReport report = run();
    if (!report.done) {
        showLines(report.lines);
        if (!dialogs().confirm(QStringLiteral("Принять остальные строки файла без перечисленных?")))
            return;
        options.skipBad = true;
        report = run();
    }
    showLines(report.lines);
}

void ExchangeCommands::showLines(const QStringList& lines) {
    if (!window_)
        window_ = std::make_unique<InformationWindow>(parent_);
    window_->showLines(lines);
}
