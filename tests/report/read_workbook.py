"""Prints a workbook as JSON, read with a real spreadsheet reader: the zip
entries, the sheet names, and for the first sheet every row's cell values
(null for an empty cell), whether each cell wraps its text and where a
spreadsheet program puts it across its cell ("left", "right", "center";
without an alignment of its own a number goes right and a text left; null
for an empty cell), every row's height in points and every column's width in
characters (null where the sheet sets none, so the spreadsheet program's
default holds), and how the sheet prints: fitted to pages or not, and how many
pages wide and high (0: as many as it takes)."""
import json
import sys
import zipfile

from openpyxl import load_workbook
from openpyxl.utils import get_column_letter

path = sys.argv[1]
with zipfile.ZipFile(path) as archive:
    entries = archive.namelist()
book = load_workbook(path)
sheet = book.worksheets[0]
rows = []
wrapped = []
aligned = []


def shown_alignment(cell):
    if cell.value is None:
        return None
    own = cell.alignment.horizontal
    if own and own != "general":
        return own
    number = isinstance(cell.value, (int, float)) and not isinstance(cell.value, bool)
    return "right" if number else "left"


for row in sheet.iter_rows():
    rows.append([cell.value for cell in row])
    wrapped.append([bool(cell.alignment.wrap_text) for cell in row])
    aligned.append([shown_alignment(cell) for cell in row])
heights = [sheet.row_dimensions[r].height for r in range(1, sheet.max_row + 1)]
widths = []
for c in range(1, sheet.max_column + 1):
    dimension = sheet.column_dimensions.get(get_column_letter(c))
    widths.append(dimension.width if dimension is not None and dimension.customWidth
                  else None)
properties = sheet.sheet_properties.pageSetUpPr
# A page count the sheet leaves out is the file format's default, 1.
setup = sheet.page_setup
printing = {"fitToPage": bool(properties is not None and properties.fitToPage),
            "fitToWidth": 1 if setup.fitToWidth is None else setup.fitToWidth,
            "fitToHeight": 1 if setup.fitToHeight is None else setup.fitToHeight}
print(json.dumps({"entries": entries, "sheets": book.sheetnames, "rows": rows,
                  "wrapped": wrapped, "aligned": aligned, "heights": heights, "widths": widths,
                  "printing": printing}, ensure_ascii=False))
