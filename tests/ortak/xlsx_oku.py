#!/usr/bin/env python3
"""Reads a workbook the program wrote back as JSON, for the tests to compare."""
import datetime
import json
import sys

import openpyxl


def hücre(c):
    tarih = isinstance(c.value, datetime.datetime)
    return {"d": c.value.strftime("%Y-%m-%d") if tarih else c.value, "t": "tarih" if tarih else c.data_type,
            "f": c.number_format, "kalın": c.font.b, "kaydır": c.alignment.wrap_text,
            "ortalı": c.alignment.horizontal == c.alignment.vertical == "center"}


def metin(satır):
    # "s:text|n:number|t:yyyy-mm-dd", a "?" after a cell whose format does not fit its kind.
    biçimler = {"s": "General", "n": "#,##0.00", "t": "dd.mm.yyyy"}
    parçalar = []
    for h in map(hücre, satır):
        tür = "t" if h["t"] == "tarih" else h["t"]
        değer = f'{h["d"]:.15g}' if tür == "n" and h["d"] is not None else h["d"]
        parçalar.append(f"{tür}:{değer}" + ("" if biçimler.get(tür) == h["f"] else "?"))
    return "|".join(parçalar)


def karakter(genişlik):
    # The stored width has its padding and whole pixels of a 7-pixel digit: back to the width given.
    piksel = round(genişlik * 7)
    return (piksel - 5) / 7 if piksel >= 12 else piksel / 12


sayfa = openpyxl.load_workbook(sys.argv[1]).worksheets[0]
sütunlar = sorted(sayfa.column_dimensions.items())
print(json.dumps({
    "sayfalar": sayfa.parent.sheetnames,
    "birleşik": [str(r) for r in sayfa.merged_cells.ranges],
    "yükseklik": [sayfa.row_dimensions[1].height, sayfa.row_dimensions[2].height],
    "genişlik": [karakter(b.width) for _, b in sütunlar],
    "gizli": [h for h, b in sütunlar if b.hidden],
    "satırSayısı": sayfa.max_row,
    "satırlar": [[hücre(c) for c in s] for s in sayfa.iter_rows(max_row=min(sayfa.max_row, 50))],
    "metinler": [metin(s) for s in sayfa.iter_rows(min_row=3, max_row=min(sayfa.max_row, 50))],
    "son": metin(sayfa[sayfa.max_row]),
    "kenarlar": [sayfa.page_margins.left, sayfa.page_margins.right, sayfa.page_margins.top, sayfa.page_margins.bottom],
    "yatayOrtalı": bool(sayfa.print_options.horizontalCentered),
    "ızgara": bool(sayfa.print_options.gridLines),
}, ensure_ascii=False))
