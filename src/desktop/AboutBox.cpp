#include "AboutBox.h"

#include "Controls.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TAboutBox"));
    setWindowTitle(QStringLiteral("About"));

    auto* panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    auto* icon = new QLabel;
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    auto* product = new QLabel(QStringLiteral("Stavor"));
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("Version 1.3.2"));
    version->setObjectName(QStringLiteral("Version"));
    auto* panelLayout = new QGridLayout(panel);
    panelLayout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    panelLayout->addWidget(product, 0, 1);
    panelLayout->addWidget(version, 1, 1);

    QPushButton* ok = makeButton("OKButton", QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(panel, 0, 0);
    layout->addWidget(ok, 1, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
