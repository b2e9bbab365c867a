#include "desktop/QtTranslations.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The test program installs the translations as the program does at start-up.
TEST(QtTranslationsTest, StandardButtonsAndTheFieldMenuAreRussian) {
    QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text(), "Отмена");
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.join(u'|').contains("&Копировать")) << texts.join(u'|').toStdString();
}

} // namespace
