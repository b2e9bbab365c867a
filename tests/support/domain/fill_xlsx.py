"""Fills cells of an .xlsx file with openpyxl, as a person would in a spreadsheet program.

Usage: fill_xlsx.py FILE JSON, JSON being {"sheet": {"B2": value, ...}, ...}; a value of null
empties the cell."""
import json
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
for sheet, cells in json.loads(sys.argv[2]).items():
    for address, value in cells.items():
        book[sheet][address].value = value
book.save(sys.argv[1])
