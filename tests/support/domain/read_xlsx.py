"""Prints an .xlsx file as JSON, read by openpyxl: the independent reader of the workbook tests."""
import json
import sys

import openpyxl


def cell_json(cell):
    side = lambda s: s.style or ""
    return {
        "value": cell.value,
        "type": cell.data_type,
        "fontSize": cell.font.sz,
        "fontName": cell.font.name,
        "bold": bool(cell.font.b),
        "border": [side(cell.border.left), side(cell.border.right), side(cell.border.top), side(cell.border.bottom)],
        "horizontal": cell.alignment.horizontal or "",
        "vertical": cell.alignment.vertical or "",
        "wrap": bool(cell.alignment.wrap_text),
        "numberFormat": cell.number_format,
    }


def print_area(ws):
    area = ws.print_area or ""
    return ",".join(area) if isinstance(area, (list, tuple)) else area


def sheet_json(ws):
    cells = {c.coordinate: cell_json(c) for row in ws.iter_rows() for c in row if c.value is not None or c.has_style}
    setup = ws.page_setup
    margins = ws.page_margins
    return {
        "name": ws.title,
        "cells": cells,
        "merged": sorted(str(r) for r in ws.merged_cells.ranges),
        "rowBreaks": [b.id for b in ws.row_breaks.brk],
        "orientation": setup.orientation or "",
        "paperSize": int(setup.paperSize or 0),
        "scale": int(setup.scale or 100),
        "fitToPage": bool(ws.sheet_properties.pageSetUpPr and ws.sheet_properties.pageSetUpPr.fitToPage),
        "fitToWidth": int(setup.fitToWidth if setup.fitToWidth is not None else 1),
        "fitToHeight": int(setup.fitToHeight if setup.fitToHeight is not None else 1),
        "margins": [margins.left, margins.right, margins.top, margins.bottom],
        "printArea": print_area(ws),
        "printTitleRows": ws.print_title_rows or "",
        "columnWidths": {k: d.width for k, d in ws.column_dimensions.items() if d.customWidth},
        "rowHeights": {str(k): d.height for k, d in ws.row_dimensions.items() if d.height is not None},
    }


book = openpyxl.load_workbook(sys.argv[1])
json.dump({"sheets": [sheet_json(ws) for ws in book.worksheets]}, sys.stdout, ensure_ascii=False)
