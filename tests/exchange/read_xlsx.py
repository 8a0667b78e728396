#!/usr/bin/env python3
"""Reads an XLSX with nothing but the standard library, for the exchange tests.

Prints, for every sheet in the workbook's order:
  sheet <name>
  frozen <top-left cell of the scrolling pane>      (when the sheet has one)
  col <min> <max> <width>                           (one line per column range)
  <ref> <kind> <bold> <format> <value>              (one line per cell, tab-separated)
kind is s (text), n (number), d (number with a date format); format is the
number format's code ("" for the general one).
"""
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
      "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships"}
REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}id"


def main(path):
    z = zipfile.ZipFile(path)
    shared = []
    if "xl/sharedStrings.xml" in z.namelist():
        root = ET.fromstring(z.read("xl/sharedStrings.xml"))
        for si in root.findall("m:si", NS):
            shared.append("".join(t.text or "" for t in si.iter("{%s}t" % NS["m"])))
    styles = ET.fromstring(z.read("xl/styles.xml"))
    formats = {int(f.get("numFmtId")): f.get("formatCode")
               for f in styles.findall("m:numFmts/m:numFmt", NS)}
    fonts = [f.find("m:b", NS) is not None for f in styles.findall("m:fonts/m:font", NS)]
    xfs = []
    for xf in styles.findall("m:cellXfs/m:xf", NS):
        fmt = int(xf.get("numFmtId", "0"))
        xfs.append((fonts[int(xf.get("fontId", "0"))], formats.get(fmt, "" if fmt == 0 else str(fmt))))
    rels = ET.fromstring(z.read("xl/_rels/workbook.xml.rels"))
    target = {r.get("Id"): r.get("Target") for r in rels}
    book = ET.fromstring(z.read("xl/workbook.xml"))
    for sheet in book.findall("m:sheets/m:sheet", NS):
        print("sheet", sheet.get("name"))
        part = target[sheet.get(REL)]
        part = part[1:] if part.startswith("/") else "xl/" + part
        root = ET.fromstring(z.read(part))
        pane = root.find("m:sheetViews/m:sheetView/m:pane", NS)
        if pane is not None and pane.get("state") == "frozen":
            print("frozen", pane.get("topLeftCell"))
        for col in root.findall("m:cols/m:col", NS):
            print("col", col.get("min"), col.get("max"), col.get("width"))
        for c in root.iter("{%s}c" % NS["m"]):
            bold, fmt = xfs[int(c.get("s", "0"))]
            v = c.find("m:v", NS)
            value = v.text if v is not None else ""
            kind = "n"
            if c.get("t") == "s":
                kind, value = "s", shared[int(value)]
            elif c.get("t") in ("str", "inlineStr"):
                kind = "s"
            elif re.search(r"[dy]", fmt or ""):
                kind = "d"
            print("\t".join([c.get("r"), kind, "b" if bold else "-", fmt or "", value]))


if __name__ == "__main__":
    main(sys.argv[1])
