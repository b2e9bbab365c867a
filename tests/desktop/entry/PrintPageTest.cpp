#include "EntryWindowFixture.h"

#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

class PrintPageTest : public EntryWindowFixture {
protected:
    void chooseFile(bool accept) {
        window->setPrinterChooser([this, accept](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return accept;
        });
    }

    QTemporaryDir dir;
    QString pdf = dir.filePath("page.pdf");
};

TEST_F(PrintPageTest, PrintingAPageWritesAPdfAndShowsTheButtonsAgain) {
    open();
    showTable(3);
    field("TM301")->setText("10");
    chooseFile(true);
    click("sbPrint3");
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join('\n').toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_GT(file.size(), 1000);
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_TRUE(child<QToolButton>("sbSave3")->isVisible());
    EXPECT_TRUE(child<QToolButton>("sbClose3")->isVisible());
}

TEST_F(PrintPageTest, CancelledPrintDialogPrintsNothing) {
    open();
    chooseFile(false);
    click("sbPrint1");
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs->errors.isEmpty());
}

} // namespace
