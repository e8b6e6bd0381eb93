"""Prints a workbook as JSON, read with a real spreadsheet reader: the zip
entries, the sheet names, and for the first sheet every row's cell values
(null for an empty cell) and whether each cell wraps its text."""
import json
import sys
import zipfile

from openpyxl import load_workbook

path = sys.argv[1]
with zipfile.ZipFile(path) as archive:
    entries = archive.namelist()
book = load_workbook(path)
sheet = book.worksheets[0]
rows = []
wrapped = []
for row in sheet.iter_rows():
    rows.append([cell.value for cell in row])
    wrapped.append([bool(cell.alignment.wrap_text) for cell in row])
print(json.dumps({"entries": entries, "sheets": book.sheetnames, "rows": rows,
                  "wrapped": wrapped}, ensure_ascii=False))
