#!/usr/bin/env python3
"""Writes random cut lists for comparing two builds of metalweight-bom byte for byte.

Every category, material, model type and designation form; dimensions as designations
or as cells; headers in Chinese or English, in any order, comma- or tab-separated;
UTF-8 with or without a byte-order mark, GB18030, and bytes that are neither; CRLF and
LF; quoted cells with delimiters, quotes and line ends; and bad cells of every kind.

    make-lists.py FOLDER COUNT [SEED]
"""
import os
import random
import sys

CATEGORIES = [("管道", "pipe"), ("工字钢", "i-beam"), ("槽钢", "channel"),
              ("等边角钢", "equal-angle"), ("不等边角钢", "unequal-angle"), ("扁钢", "flat"),
              ("圆钢", "round"), ("方钢", "square"), ("六角钢", "hexagon"),
              ("六角中空钢", "hollow-hexagon"), ("钢板", "plate"), ("钢丝", "wire")]
MATERIALS = ["碳钢", "奥氏体不锈钢", "紫铜", "黄铜", "铅和铅合金", "铝和铝合金", "carbon-steel",
             "stainless-steel", "copper", "Brass", "lead", "aluminium", "", "铁", "COPPER"]
TYPES = ["", "a", "b", "c", "A", "B", "d", "ab"]
COLUMNS = [("类别", "category"), ("材质", "material"), ("型号", "type"), ("规格", "size"),
           ("尺寸1", "d1"), ("尺寸2", "d2"), ("尺寸3", "d3"), ("长度", "length"),
           ("宽度", "width"), ("数量", "quantity"), ("备注", "note")]
JOINS = ["×", "x", "X", "*"]
MODELS = ["10", "12.6", "14", "16", "18", "20", "22", "25", "28", "32", "36", "40", "45", "50",
          "56", "63", "5", "6.3", "8", "24", "27", "30", "99"]


def number(r):
    pick = r.random()
    if pick < 0.5:
        return str(r.choice([1, 2, 3, 4.5, 5, 6, 7.5, 10, 12, 20, 25, 50, 57, 63, 89, 100, 3.5]))
    if pick < 0.8:
        return f"{r.uniform(0.1, 400):.{r.randint(0, 6)}f}"
    if pick < 0.9:
        return r.choice(["1e3", "0.001", "1E-2", "+5", "007", "5.", ".5", "1e308", "4.9e-324",
                         "123456789012345678901234567890", "0.30000000000000004"])
    return r.choice(["6,5", "1,200", "abc", "", " ", "-5", "0", "0.0", "20mm", "20 mm", "nan",
                     "inf", "1e999", "5..5", "--1", "１２", "5e", "0x10", "1_000", "5 6"])


def designation(r, category):
    j = r.choice(JOINS)
    a, b, c = number(r), number(r), number(r)
    forms = {
        "管道": [f"φ{a}{j}{b}", f"Φ{a}{j}{b}", f"∅{a}{j}{b}"],
        "工字钢": [f"I{r.choice(MODELS)}{r.choice(TYPES)}", f"工{r.choice(MODELS)}{r.choice(TYPES)}"],
        "槽钢": [f"[{r.choice(MODELS)}{r.choice(TYPES)}", f"槽{r.choice(MODELS)}{r.choice(TYPES)}"],
        "等边角钢": [f"∠{a}{j}{b}", f"L{a}{j}{b}"],
        "不等边角钢": [f"∠{a}{j}{b}{j}{c}", f"L{a}{j}{b}{j}{c}"],
        "扁钢": [f"-{a}{j}{b}", f"扁{a}{j}{b}"],
        "圆钢": [f"φ{a}", f"Φ{a}"],
        "方钢": [f"□{a}", f"方{a}"],
        "六角钢": [f"六角{a}"],
        "六角中空钢": [f"六角{a}{j}{b}"],
        "钢板": [f"δ{a}"],
        "钢丝": [f"φ{a}"],
    }
    choices = forms[category]
    if r.random() < 0.1:
        choices = [x for v in forms.values() for x in v] + ["", "??", "φ", "I", "∠63"]
    return r.choice(choices)


def quote(cell, delimiter, r):
    needs = any(ch in cell for ch in (delimiter, '"', "\n", "\r"))
    if needs or r.random() < 0.05:
        return '"' + cell.replace('"', '""') + '"'
    return cell


def make_list(r):
    delimiter = "\t" if r.random() < 0.25 else ","
    count = r.randint(2, len(COLUMNS))
    chosen = [COLUMNS[0]] + r.sample(COLUMNS[1:], count - 1)
    r.shuffle(chosen)
    if r.random() < 0.03:
        chosen = [c for c in chosen if c[0] != "类别"] or [COLUMNS[1]]  # no category column
    header = [c[0] if r.random() < 0.7 else r.choice([c[1], c[1].upper(), " " + c[1]])
              for c in chosen]
    if r.random() < 0.02:
        header.append(header[0])  # a column twice
    rows = []
    # Now and then a list longer than one block of reading, and than a group of rows.
    size = r.choice([0, 1, 3, 10, 40, 120]) if r.random() < 0.95 else r.randint(300, 4000)
    for _ in range(size):
        category = r.choice(CATEGORIES)
        cells = {}
        cells["类别"] = category[0] if r.random() < 0.8 else r.choice(
            [category[1], category[1].upper(), "", "铁管", " " + category[0]])
        cells["材质"] = r.choice(MATERIALS)
        cells["型号"] = r.choice(TYPES)
        cells["规格"] = designation(r, category[0]) if r.random() < 0.6 else ""
        for d in ("尺寸1", "尺寸2", "尺寸3"):
            cells[d] = number(r) if r.random() < 0.8 else ""
        cells["长度"] = number(r) if r.random() < 0.85 else ""
        cells["宽度"] = number(r) if r.random() < 0.3 else ""
        cells["数量"] = str(r.choice([1, 2, 3, 10, 100, 0, -1])) if r.random() < 0.85 else r.choice(
            ["", "1.5", "1,200", "abc", "99999999999999999999", "3"])
        cells["备注"] = r.choice(["", "主梁", "a,b", 'say "hi"', "两行\n说明", "tab\there", "底板"])
        row = [quote(cells[c[0]], delimiter, r) for c in chosen]
        if r.random() < 0.03:
            row.append(r.choice(["", "stray"]))  # a cell beyond the header
        if r.random() < 0.02:
            row[0] = '"unclosed' if r.random() < 0.5 else 'in"side'
        line = delimiter.join(row)
        if r.random() < 0.04:
            line = ""  # a blank line
        rows.append(line)
    end = "\r\n" if r.random() < 0.3 else "\n"
    text = end.join([delimiter.join(quote(h, delimiter, r) for h in header)] + rows)
    if r.random() < 0.7:
        text += end
    encoding = r.random()
    if encoding < 0.6:
        data = text.encode("utf-8")
        if r.random() < 0.2:
            data = b"\xef\xbb\xbf" + data
    elif encoding < 0.95:
        data = text.encode("gb18030")
    else:
        data = text.encode("utf-8")
        at = r.randint(0, len(data))
        data = data[:at] + r.choice([b"\xff", b"\x80\x80", b"\xfe\xfe\xfe"]) + data[at:]
    return data


def main():
    folder, count = sys.argv[1], int(sys.argv[2])
    seed = int(sys.argv[3]) if len(sys.argv) > 3 else 1
    os.makedirs(folder, exist_ok=True)
    r = random.Random(seed)
    for i in range(count):
        with open(os.path.join(folder, f"list{i:05d}.csv"), "wb") as f:
            f.write(make_list(r))


main()
