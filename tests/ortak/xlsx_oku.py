#!/usr/bin/env python3
"""Reads a workbook the program wrote back as JSON, for the tests to compare."""
import datetime
import json
import sys

import openpyxl


def hücre(c):
    d = {"d": c.value, "t": c.data_type, "f": c.number_format}
    if isinstance(c.value, (datetime.date, datetime.datetime)):
        d["d"] = c.value.strftime("%Y-%m-%d")
        d["t"] = "tarih"
    if c.font.b:
        d["kalın"] = True
    if c.alignment.wrap_text:
        d["kaydır"] = True
    if c.alignment.horizontal == "center" and c.alignment.vertical == "center":
        d["ortalı"] = True
    return d


def karakter(genişlik):
    # Back from the stored width (with its padding, in whole pixels of a 7-pixel digit) to the
    # width the program gave.
    piksel = round(genişlik * 7)
    return (piksel - 5) / 7 if piksel >= 12 else piksel / 12


kitap = openpyxl.load_workbook(sys.argv[1])
sayfa = kitap.worksheets[0]
kenar = sayfa.page_margins
print(json.dumps({
    "sayfalar": kitap.sheetnames,
    "birleşik": [str(r) for r in sayfa.merged_cells.ranges],
    "yükseklik": [sayfa.row_dimensions[1].height, sayfa.row_dimensions[2].height],
    "genişlik": [karakter(b.width) for _, b in sorted(sayfa.column_dimensions.items())],
    "satırSayısı": sayfa.max_row,
    "son": [hücre(c) for c in sayfa[sayfa.max_row]],
    "satırlar": [[hücre(c) for c in satır] for satır in sayfa.iter_rows(max_row=min(sayfa.max_row, 50))],
    "kenarlar": [kenar.left, kenar.right, kenar.top, kenar.bottom],
    "yatayOrtalı": bool(sayfa.print_options.horizontalCentered),
    "ızgara": bool(sayfa.print_options.gridLines),
}, ensure_ascii=False))
