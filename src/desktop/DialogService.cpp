#include "DialogService.h"

#include <QApplication>
#include <QMessageBox>

namespace {

const QString kCaption = QStringLiteral("Информация");

std::unique_ptr<DialogService>& current() {
    static std::unique_ptr<DialogService> service = std::make_unique<MessageBoxDialogs>();
    return service;
}

} // namespace

DialogService& DialogService::instance() { return *current(); }

std::unique_ptr<DialogService> DialogService::install(std::unique_ptr<DialogService> service) {
    std::swap(current(), service);
    return service;
}

void MessageBoxDialogs::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), kCaption, text);
}

void MessageBoxDialogs::notice(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Stavor"), text);
}

bool MessageBoxDialogs::confirm(const QString& text) {
    return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("Подтверждение"), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void MessageBoxDialogs::error(const QString& text) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Ошибка"), text);
}
