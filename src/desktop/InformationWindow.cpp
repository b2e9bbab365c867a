#include "InformationWindow.h"

#include <QPlainTextEdit>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

InformationWindow::InformationWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TFormInformation"));
    setWindowTitle(QStringLiteral("Информация"));
    setFixedSize(300, 260);
    memo_ = new QPlainTextEdit;
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    auto* close = new QToolButton;
    close->setObjectName(QStringLiteral("SpdBtnClose"));
    close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));
    close->setToolTip(QStringLiteral("Закрыть"));
    connect(close, &QToolButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(memo_);
    layout->addWidget(close, 0, Qt::AlignRight);
}

void InformationWindow::showLines(const QStringList& lines) {
    memo_->clear();
    for (const QString& line : lines)
        memo_->appendPlainText(line);
    exec();
}

QString InformationWindow::text() const { return memo_->toPlainText(); }
