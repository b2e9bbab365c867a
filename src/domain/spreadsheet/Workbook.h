#pragma once

#include "CellFormat.h"
#include "Worksheet.h"

#include <QString>
#include <memory>
#include <vector>

// A workbook built in memory and written to a file by saveXlsx.
class Workbook {
public:
    Workbook();
    Workbook(Workbook&&) noexcept;
    Workbook& operator=(Workbook&&) noexcept;
    ~Workbook();

    // Sheet names follow the spreadsheet's rules: 1 to 31 characters, none of []:*?/\, unique
    // regardless of case. A name that breaks them throws SpreadsheetError.
    Worksheet& addSheet(const QString& name);
    // Looks the name up regardless of case; nullptr when there is no such sheet.
    Worksheet* findSheet(const QString& name);
    const Worksheet* findSheet(const QString& name) const;
    // As findSheet, but a missing sheet throws SpreadsheetError.
    Worksheet& sheet(const QString& name);

    int sheetCount() const { return int(sheets_.size()); }
    const Worksheet& sheetAt(int index) const { return *sheets_.at(index); }
    Worksheet& sheetAt(int index) { return *sheets_.at(index); }

    // The sheet shown when the file is opened; the first unless set. A missing sheet throws.
    void setActiveSheet(const QString& name);
    int activeSheet() const { return activeSheet_; }

    const FormatTable& formats() const { return *formats_; }

private:
    std::unique_ptr<FormatTable> formats_;
    std::vector<std::unique_ptr<Worksheet>> sheets_;
    int activeSheet_ = 0;
};
