#pragma once

#include <xlsxwriter.h>

struct CellFormat;
class Worksheet;

// The libxlsxwriter calls for a format and for a sheet's sizes and print setup, shared by the
// writer and the benchmark's bare-library floor. A refused call throws.
lxw_format* makeLibraryFormat(lxw_workbook* book, const CellFormat& format);
void writeLibrarySizes(lxw_worksheet* target, const Worksheet& sheet);
void writeLibraryPageSetup(lxw_worksheet* target, const Worksheet& sheet);
