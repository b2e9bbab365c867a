#pragma once

class SqlResult;
class Workbook;

// The status workbook ("spravka"): one sheet with the headings in rows 1 to 5 and the rows of the
// report, as statusReportRows gives them, from row 6 in columns A to P.
Workbook buildStatusWorkbook(const SqlResult& rows);
