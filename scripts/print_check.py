#!/usr/bin/python3
"""Prints the workbooks of a synthetic region (120 farms, three breeds each, all nine tables): the
totals workbook, the first farm's workbook and the status report, through LibreOffice Calc into PDF
and compares each one's printed page count with the designed one (the manual page breaks of every
sheet plus one). Run by hand after a build:
    /usr/bin/python3 scripts/print_check.py [build/src/stavor]
Needs openpyxl and LibreOffice (soffice)."""
import os
import re
import sqlite3
import subprocess
import sys
import tempfile

import openpyxl

REGION, YEAR = "Оренбургская область", "2026"
DISTRICT, FARM = "Акбулакский район", "СПК «Колхоз имени Кирова»"
CATEGORIES = [11, 12, 13, 21, 22, 23, 24]


def fill(database):
    db = sqlite3.connect(database)
    for table in range(1, 10):
        cells = [c[1] for c in db.execute(f"PRAGMA table_info(tmjs{table})") if c[1].lower().startswith("tm")]
        names = cells + ["oblm", "rnm", "khm", "kkhm", "porm", "godm"]
        insert = f"INSERT INTO tmjs{table}({','.join(names)}) VALUES({','.join('?' * len(names))})"
        for farm in range(120):
            for breed in range(3):
                values = [(farm * 31 + k * 17 + breed * 7) % 200 + 1 for k in range(len(cells))]
                title = [56, farm // 12 + 1, farm + 1, CATEGORIES[farm % 7], (farm + breed) % 8 + 1, int(YEAR)]
                db.execute(insert, values + title)
    db.execute("INSERT INTO kodra(kodr, kodraj, im) VALUES(56, 1, ?)", (DISTRICT,))
    db.execute("INSERT INTO kodxoz(kodr, kodraj, kodx, im) VALUES(56, 1, 1, ?)", (FARM,))
    db.commit()


def pages(book):
    """The designed and the printed page count of a workbook."""
    designed = sum(len(ws.row_breaks.brk) + 1 for ws in openpyxl.load_workbook(book).worksheets)
    subprocess.run(["soffice", "--headless", "--convert-to", "pdf", "--outdir", os.path.dirname(book), book],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with open(book[:-len("xlsx")] + "pdf", "rb") as pdf:
        return designed, len(re.findall(rb"/Type\s*/Page[^s]", pdf.read()))


def main():
    stavor = sys.argv[1] if len(sys.argv) > 1 else "build/src/stavor"
    home = tempfile.mkdtemp(prefix="stavor-print-")
    region = ["--home", home, "--region", REGION, "--year", YEAR]
    subprocess.run([stavor, "totals"] + region, check=True, stdout=subprocess.DEVNULL)  # creates the database
    fill(os.path.join(home, "stavor.mdb"))
    farm = ["--district", DISTRICT, "--farm", FARM, "--category", "Сельскохозяйственные организации",
            "--breed", "Калмыцкая"]
    runs = {"outstavor": ["totals", "--export"], "stavor": ["farm-workbook"] + farm, "spravka": ["status", "--export"]}
    failed = 0
    for name, command in runs.items():
        subprocess.run([stavor] + command + region, check=True, stdout=subprocess.DEVNULL)
        designed, printed = pages(os.path.join(home, "doc", name + ".xlsx"))
        print(f"{name}.xlsx: designed pages {designed}, printed by LibreOffice {printed}")
        failed += designed != printed
    print(home)
    return 1 if failed else 0


sys.exit(main())
