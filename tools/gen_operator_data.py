#!/usr/bin/env python3
# SPDX-License-Identifier: Apache-2.0
"""Writes the built-in operator tables as C++ source.

Usage: gen_operator_data.py OPERATORS_TSV OUTPUT_CPP

The country and operator names, their order and their slots are fixed here: they are the list
items the user sees and the slot numbers the camera lists are walked by. The TSV only supplies the
thirteen parameter values of each (country, operator) pair; it must hold exactly one row for every
pair below, in any order. Any problem stops the build with a message naming the file and line, and
no output is written.
"""

import os
import sys
import tempfile

COUNTRY_SLOTS = 50
OPERATOR_SLOTS = 5

# Table order and spelling are the program's own ("Chech", "Latvian", "lcel" included).
COUNTRIES = [
    ("Germany", ["T-mobile", "E-plus", "Vodafone", "Bild-Vodafone", "Germany-02"]),
    ("Finland", ["Sonera(Oletusasetus)", "Saunalahti", "DNA", "Elisa"]),
    ("USA", ["Cingular(AT&T)", "T-Mobile", "Viaero"]),
    ("Canada", ["Rogers", "Telus", "Koodo", "Fido"]),
    ("China", ["China-Mobile", "China-Unicom", "China-Unicom-3G"]),
    ("China HongKong", ["CSL", "Peoples", "Smartone"]),
    ("UK", ["Vodafone", "Vodafone(Prepay)", "Vodafone(Contract)"]),
    ("France", ["Orange"]),
    ("Denmark", ["TDC", "TELENOR", "TELIA", "DLG"]),
    ("Sweden", ["Telia", "Telenor", "Tele 2"]),
    ("Holland", ["KPN"]),
    ("Italy", ["TIM", "Vodafone"]),
    ("Austria", ["Austria-A1"]),
    ("Russia", ["Beeline", "Megafon", "MTS"]),
    ("Switzerland", ["Swisscom", "Orange"]),
    ("Australia", ["Telstra"]),
    ("Cyprus", ["MTN", "SOFRONIS-ANTONIOU"]),
    ("Hungary", ["T-Mobile"]),
    ("Chech", ["O2", "T-MOBILE", "VODAFONE"]),
    ("Ukraine", ["UMC Ukraine", "MTS", "Kyivstar", "Life"]),
    ("Slovakia", ["O2", "T-mobile", "Orange"]),
    ("Mexico", ["Movistar", "lcel"]),
    ("Norway", ["Telenor", "Netcom"]),
    ("Latvian", ["BITE", "LMT", "TELE2"]),
    ("Israel", ["GOLAN", "ORANGE", "CELLCOM"]),
]

# Same order as OperatorParams and as the settings file keys.
FIELDS = [
    "URL", "APN", "IP", "Port", "Account", "Password", "GPRSAPN", "GPRSAccount", "GPRSPassword",
    "SendEmailServer", "SendEmailPort", "SendEmailAddr", "SendEmailPassword",
]
HEADER = ["country", "operator"] + FIELDS + ["source"]


class TableError(Exception):
    pass


def check_builtin_names():
    """Guards the hard-coded list itself against slips when it is edited."""
    assert len(COUNTRIES) <= COUNTRY_SLOTS
    assert len({name for name, _ in COUNTRIES}) == len(COUNTRIES)
    for name, operators in COUNTRIES:
        assert name and 1 <= len(operators) <= OPERATOR_SLOTS, name
        assert all(operators) and len(set(operators)) == len(operators), name


def cpp_literal(text):
    """A C++ narrow string literal holding the UTF-8 bytes of text.

    Octal escapes are at most three digits, so a following character can never be read as part of
    one; '?' is escaped so that no character pair can form a trigraph under any compiler mode.
    """
    out = ['"']
    for byte in text.encode("utf-8"):
        ch = chr(byte)
        if ch in '"\\?':
            out.append("\\" + ch)
        elif 0x20 <= byte < 0x7F:
            out.append(ch)
        else:
            out.append("\\%03o" % byte)
    out.append('"')
    return "".join(out)


def read_rows(tsv_path):
    """Returns {(country, operator): [13 values]} from the TSV; raises TableError listing every problem."""
    try:
        with open(tsv_path, "rb") as f:
            raw = f.read()
    except OSError as e:
        raise TableError(f"{tsv_path}: cannot read: {e.strerror}")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        raise TableError(f"{tsv_path}: not valid UTF-8 (byte offset {e.start})")
    if text.startswith("\ufeff"):
        text = text[1:]

    lines = text.split("\n")
    if not lines or lines[0].rstrip("\r").split("\t") != HEADER:
        raise TableError(f"{tsv_path}:1: header must be the tab-separated columns: " + " ".join(HEADER))

    errors = []
    rows = {}
    first_line = {}
    for number, line in enumerate(lines[1:], start=2):
        line = line.rstrip("\r")
        if not line.strip():
            continue
        cells = line.split("\t")
        where = f"{tsv_path}:{number}"
        if len(cells) != len(HEADER):
            errors.append(f"{where}: expected {len(HEADER)} tab-separated columns, found {len(cells)}")
            continue
        key = (cells[0], cells[1])
        if key in rows:
            errors.append(f"{where}: duplicate row for ({key[0]}, {key[1]}), first at line {first_line[key]}")
            continue
        rows[key] = cells[2 : 2 + len(FIELDS)]
        first_line[key] = number

    known = {(country, op) for country, operators in COUNTRIES for op in operators}
    for key in rows:
        if key not in known:
            errors.append(
                f"{tsv_path}:{first_line[key]}: unexpected row ({key[0]}, {key[1]}): "
                "not one of the built-in operators (names are case-sensitive)"
            )
    for country, operators in COUNTRIES:
        for op in operators:
            if (country, op) not in rows:
                errors.append(f"{tsv_path}: missing row for ({country}, {op})")
    if errors:
        raise TableError("\n".join(errors))
    return rows


def render(rows, tsv_name):
    out = []
    w = out.append
    w(f"// Generated by tools/gen_operator_data.py from {tsv_name}; edit the data file, not this one.")
    w("// Slots not listed here are zero-initialised (null pointers), which the accessors read as empty.")
    w('#include "operators/OperatorTables.h"')
    w("")
    w("namespace qvt::operators::detail {")
    w("")
    w("const char* const kCountryNames[kCountrySlots] = {")
    for name, _ in COUNTRIES:
        w(f"    {cpp_literal(name)},")
    w("};")
    w("")
    w("const char* const kOperatorNames[kCountrySlots][kOperatorSlots] = {")
    for country, operators in COUNTRIES:
        w("    {" + ", ".join(cpp_literal(op) for op in operators) + f"}},  // {country}")
    w("};")
    w("")
    w("const char* const kOperatorParams[kCountrySlots][kOperatorSlots][OperatorParams::kFieldCount] = {")
    for country, operators in COUNTRIES:
        w(f"    {{  // {country}")
        for op in operators:
            w(f"        {{  // {op}")
            for field, value in zip(FIELDS, rows[(country, op)]):
                w(f"            {cpp_literal(value)},  // {field}")
            w("        },")
        w("    },")
    w("};")
    w("")
    w("}  // namespace qvt::operators::detail")
    return "\n".join(out) + "\n"


def write_atomically(path, content):
    directory = os.path.dirname(os.path.abspath(path))
    os.makedirs(directory, exist_ok=True)
    fd, tmp = tempfile.mkstemp(prefix=".OperatorData-", suffix=".tmp", dir=directory)
    try:
        with os.fdopen(fd, "w", encoding="ascii", newline="\n") as f:
            f.write(content)
        os.replace(tmp, path)
    except BaseException:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        raise


def main(argv):
    if len(argv) != 3:
        print("usage: gen_operator_data.py OPERATORS_TSV OUTPUT_CPP", file=sys.stderr)
        return 2
    check_builtin_names()
    tsv_path, out_path = argv[1], argv[2]
    try:
        rows = read_rows(tsv_path)
        write_atomically(out_path, render(rows, os.path.basename(tsv_path)))
    except TableError as e:
        print(f"gen_operator_data.py: error: {e}", file=sys.stderr)
        return 1
    except OSError as e:
        print(f"gen_operator_data.py: error: cannot write {out_path}: {e.strerror}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
