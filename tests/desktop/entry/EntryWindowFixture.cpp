#include "EntryWindowFixture.h"

#include "domain/tables/ReportTables.h"

#include <QTest>

void EntryWindowFixture::SetUp() {
    home.addDemoFarms();
    dialogs = &ScriptedDialogs::installFresh();
    window = std::make_unique<EntryWindow>(home.data(), session);
}

void EntryWindowFixture::TearDown() { window.reset(); }

void EntryWindowFixture::open() {
    ASSERT_TRUE(window->CreateUpperForTables(demoNames()));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void EntryWindowFixture::click(const QString& button) const {
    QToolButton* b = child<QToolButton>(button);
    ASSERT_NE(b, nullptr);
    QTest::mouseClick(b, Qt::LeftButton);
}

void EntryWindowFixture::showTable(int table) const { pages()->setCurrentIndex(pageIndexOf(table)); }
