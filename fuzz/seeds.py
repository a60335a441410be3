#!/usr/bin/env python3
"""Writes the seed corpora fuzz/corpus/<target>/ from the worked examples of each page.

Each seed is a scene written as actions on the page's controls by name; the names are
looked up in the target's own table (fuzz/targets/<target>.cpp), in the order the table
lists them, and the actions encoded as the harness reads them (fuzz/harness.cpp):
  type:   0, box, 255, length, text        press:  1, handler
  scroll: 2, bar, 4, value - minimum (two bytes, low first)
  choose: 3, group, option                 tick:   4, check box
  answer: the byte a Yes/No box takes (0 Yes, 1 No)
Run it again after changing a table: python3 fuzz/seeds.py
"""
import pathlib
import re

HERE = pathlib.Path(__file__).resolve().parent
SECTIONS = ("boxes", "handlers", "captions", "scrolls", "optionGroups", "checks")
NAME = re.compile(r'FUZZ_CONTROL\(p, (\w+)\)|\.name = "(\w+)"|FUZZ_HANDLER\(p, (\w+)')
HANDLER = re.compile(r'FUZZ_HANDLER\(p, (\w+)|\{"([^"]+)",')  # handlers may be written out


def table(target):
    source = (HERE / "targets" / f"{target}.cpp").read_text()
    marks = sorted((source.find(f".{s} ="), s) for s in SECTIONS if f".{s} =" in source)
    names = {}
    for i, (at, section) in enumerate(marks):
        end = marks[i + 1][0] if i + 1 < len(marks) else len(source)
        pattern = HANDLER if section == "handlers" else NAME
        names[section] = [next(g for g in m.groups() if g) for m in pattern.finditer(source[at:end])]
    return names


def encode(target, actions):
    names = table(target)
    out = bytearray()
    for action in actions:
        kind, *rest = action
        if kind == "type":
            box, text = rest
            data = text.encode()
            out += bytes([0, names["boxes"].index(box), 255, len(data)]) + data
        elif kind == "press":
            out += bytes([1, names["handlers"].index(rest[0])])
        elif kind == "scroll":
            bar, offset = rest
            out += bytes([2, names["scrolls"].index(bar), 4, offset & 0xFF, offset >> 8])
        elif kind == "choose":
            out += bytes([3, rest[0], rest[1]])
        elif kind == "tick":
            out += bytes([4, names["checks"].index(rest[0])])
        elif kind == "answer":
            out += bytes([rest[0]])
        elif kind == "raw":
            out += bytes(rest[0])
    return bytes(out)


def typed(**boxes):
    return [("type", box, text) for box, text in boxes.items()]


P = lambda handler: ("press", handler)  # noqa: E731

SEEDS = {
    "newton": [
        typed(txtu="0", txtA="2", txtt="3") + [P("cmdCalculate_Click")],
        typed(txtumph="30", txtA="-7", txtt="2") + [P("cmdCalculate_Click")],
        typed(txtmu="0.7", txtu="20", txts="10") + [P("cmdCalculate_Click")],
        typed(txtmu="1.2") + [P("cmdCalculate_Click")],
        typed(txtu="10", txtA="-5", txts="10") + [P("cmdCalculate_Click"), P("cmdClear_Click")]
        + typed(txtu="10", txtA="-5", txts="30") + [P("cmdCalculate_Click")],
        typed(txtu="10", txtv="20", txtA="-5") + [P("cmdCalculate_Click"), P("cmdClear_Click")]
        + typed(txtu="10", txtv="10", txts="50") + [P("cmdCalculate_Click")],
        typed(txtA="-14.715", txtu="20", txtt="1") + [P("cmdCalculate_Click")],
    ],
    "quadratic": [
        typed(txtDeceleration="7", txtReaction="1", txtDistance="50") + [P("cmdSpeed_Click")],
        typed(txtA="1", txtb="-3", txtC="2") + [P("cmdCalcRoots_Click")],
        typed(txtA="1", txtb="2", txtC="1") + [P("cmdCalcRoots_Click"), P("cmdClear2_Click")]
        + typed(txtA="1", txtb="0", txtC="1") + [P("cmdCalcRoots_Click")],
        typed(txtA="0", txtb="2", txtC="-4") + [P("cmdCalcRoots_Click"), ("scroll", "HScroll1", 150)],
        typed(txtA="0.0", txtb="2", txtC="-4") + [P("cmdCalcRoots_Click")],
    ],
    "curve": [
        typed(txtRadius="50", txtOrdinate="2") + [P("Command1_Click")],
        typed(txtRadius="100", txtDeceleration="0.7", txtCamber="0") + [P("Command1_Click")]
        + typed(txta2="5") + [P("cmdCalcBraked_Click")],
        typed(txtRadius="100", txtDeceleration="0.7", txtCriticalSpeed="30") + [P("Command1_Click")],
        typed(txtRadius="10", txtOrdinate="30") + [P("Command1_Click")],
        typed(txtVerticalRadius="-20", txtRadius="100", txtDeceleration="0.7", txtCamber="0")
        + [P("Command1_Click")],
    ],
    "partial_braking": [
        [("tick", c) for c in ("chkFn", "chkFo", "chkRn", "chkRo")]
        + typed(txtTruemu="0.7", txtHL="0.25", txtWf="0.6", txtGradient="0") + [P("cmdCalculate_Click")],
        [("tick", "chkFn"), ("tick", "chkFo")]
        + typed(txtTruemu="0.8", txtHL="0.25", txtWf="0.6") + [P("cmdCalculate_Click")],
        [("tick", c) for c in ("chkFn", "chkFo", "chkRn", "chkRo")]
        + typed(txtTruemu="0.1", txtGradient="-10") + [P("cmdCalculate_Click")],
        typed(txtTruemu="1.2") + [P("cmdCalculate_Click")],
    ],
    "max_speed": [
        typed(txtRoadwidth="7.3", txtCarwidth="1.8", txtr="20", txttheta="90", txtCoefficient="0.8",
              txtCrossfall="0") + [P("cmdCalculate_Click")] + typed(txtCrossfall="3")
        + [P("cmdCalculate_Click")],
        typed(txtRoadwidth="7.3", txtr="20", txttheta="90") + [P("cmdCalculate_Click")],
    ],
    "overturn": [
        typed(txtTrack="1.5", txth="0.55", txtRadius="50", txtCrossfall="0", txtCoefficient="0.8")
        + [P("cmdCalculate_Click")] + typed(txtCrossfall="5") + [P("cmdCalculate_Click")],
        typed(txtTrack="1.8", txth="1.8", txtRadius="30", txtCoefficient="0.7") + [P("cmdCalculate_Click")],
        typed(txtTrack="1.5", txtRadius="50", txtCoefficient="1.2") + [P("cmdCalculate_Click")],
    ],
    "side_slip": [
        [P("Form_Load")] + typed(Text2="0", txtAngleB="90", txtAct="0.8", txtRoll="0.01")
        + [P("cmdCalculate_Click")],
        typed(Text2="10", txtAngleB="370", txtAct="0.7", txtRoll="0.015") + [P("cmdCalculate_Click")],
        typed(Text2="30", txtAngleB="20", txtAct="1.51") + [P("cmdCalculate_Click")],
    ],
    "flight": [
        typed(txtL="20", txth="-2", txtTheta="0") + [P("cmdCalculate_Click")],
        typed(txtL="15", txth="0", txtTheta="10") + [P("cmdCalculate_Click")],
        typed(txtL="15", txth="1", txtTheta="-5") + [P("cmdCalculate_Click")],
        typed(txtTheta="95") + [P("cmdCalculate_Click"), P("mnuEquation_Click")],
    ],
    "throw": [
        typed(txtThrowDistance="14", txtCoefficient="0.7") + [P("cmdThrow_Click")],
        typed(txtThrowDistance="10", txtCoefficient="-0.5") + [P("cmdThrow_Click")],
        typed(txtThrowDistance="-5") + [P("cmdThrow_Click"), P("mnuReferences_Click"), ("choose", 0, 0)],
    ],
    "trailer": [
        typed(txtL="4") + [("scroll", "HScrollR", 15), ("scroll", "HScrollR", 14)],
        typed(txtL="20") + [("scroll", "HScrollR", 15)],
        typed(txtd="7.5", txtb="2.5", txtp="3.5", txtm="0.5")
        + [("scroll", "HScroll1", 15), ("scroll", "HScroll1", 14), ("scroll", "HScroll1", 19)],
        typed(txtd="40", txtb="2.5", txtp="3.5", txtm="0.5") + [("scroll", "HScroll1", 13)],
    ],
    "momentum": [
        typed(txtMassA="1000", txtMassB="1500", txtDirectionpreB="90", txtDirectionpostA="45",
              txtDirectionpostB="60", txtpostimpactspeedA="10", txtPostimpactspeedB="8")
        + [P("cmdCalculate4_Click"), ("choose", 0, 1)] + typed(txtDirectionpreB="19.9")
        + [P("cmdCalculate4_Click")],
        typed(txtMassA="0", txtMassB="0", txtDirectionpreB="0") + [P("cmdCalculate4_Click")],
    ],
    "crush": [
        [P("mnuFamilycar1_Click"), P("mnuFront1_Click"), P("mnuFamilycar2_Click"), P("mnuFront2_Click")]
        + typed(txtC11="20", txtC21="20", txtWidthdamage1="100", txtForceangle1="0", txth1="0",
                txtMass1="1300", txtC12="20", txtC22="20", txtWidthdamage2="100",
                txtForceangle2="0", txth2="0", txtMass2="1300") + [P("cmdCalculate7_Click")],
        [P("mnuFamilycar1_Click"), P("mnuFront1_Click"), P("mnuSmallcar2_Click"), P("mnuRear2_Click"),
         ("choose", 0, 2)]
        + typed(txtWidthdamage1="120", txtC11="10", txtC21="15", txtC31="20", txtC41="20",
                txtC51="15", txtC61="10", txtForceangle1="20", txth1="30", txtMass1="1300",
                txtWidthdamage2="150", txtC12="5", txtC22="8", txtC32="10", txtC42="10",
                txtC52="8", txtC62="5", txtForceangle2="0", txth2="0", txtMass2="1100")
        + [P("cmdCalculate7_Click"), P("cmdEdit_Click"), ("choose", 0, 0)],
        [P("mnuVan1_Click"), P("mnuTruck2_Click"), P("mnuSide1_Click"), P("mnuSide2_Click")]
        + typed(txtForceangle1="90", txtMass1="0") + [P("cmdCalculate7_Click")],
    ],
    "cycle": [
        typed(txtMass="200", txtCrush="0.5") + [P("cmdCalculate_Click")]
        + typed(txtMassofcar="1300", txtCrushdepth="0.3") + [P("cmdCalc_Click")],
        typed(txtMass="200", txtCrush="0.2286") + [P("cmdCalculate_Click"), P("mnuMotorcycle_Click"),
                                                   P("Picture2_Click"), P("cmdClear_Click")],
    ],
    "uk_grid": [
        typed(txtLaDeg="52", txtLaMin="39", txtLaSec="27.2531", txtLoDeg="1", txtLoMin="43",
              txtLoSec="4.5177") + [("choose", 0, 0), P("cmdCalculate_Click")],
        typed(txtLaDeg="52", txtLoDeg="41") + [P("cmdCalculate_Click")],
        typed(txtLaDeg="50", txtLoDeg="9") + [("choose", 0, 1), P("cmdCalculate_Click")],
    ],
    "longitude_latitude": [
        [("choose", 0, 0)] + typed(txtE="651409", txtN="313177") + [P("cmdCalculate_Click")],
        [("choose", 0, 1)] + typed(txtTwoLetter="nz", txtEastings="57600", txtNorthings="06000")
        + [P("cmdCalculate_Click")],
        [("choose", 0, 1)] + typed(txtTwoLetter="HU", txtEastings="5760A", txtNorthings="06000")
        + [P("cmdCalculate_Click")],
    ],
    "sun": [
        typed(txtYear="2004", txtMonth="3", txtDay="21", txtHour="12", txtMinutes="0", txtLatDeg="51",
              txtLatMin="30", txtLongDeg="0", txtLongMin="7") + [P("cmdCalc_Click")],
        typed(txtYear="2004", txtMonth="7", txtDay="1", txtHour="12", txtMinutes="0", txtLatDeg="51",
              txtLongDeg="0") + [P("cmdCalc_Click"), ("answer", 1), P("cmdCalc_Click"),
                                 ("scroll", "HScroll1", 720)],
        [("scroll", "HScroll1", 600), ("choose", 0, 1)] + typed(txtMonth="13") + [P("cmdClearAll_Click")],
    ],
    "alcohol": [
        typed(txtWeight="80") + [("choose", 1, 1)]
        + typed(txtReading="50", txtTimeoftest="2300", txtTimeofevent="2200", txtStrength="4")
        + [P("cmdCalculate_Click")],
        [("choose", 0, 1)] + typed(txtWeight="60", txtReading="5", txtTimeoftest="945",
                                   txtTimeofevent="2200", txtStrength="0") + [P("cmdCalculate_Click")],
        typed(txtStrength="5.5") + [("choose", 1, 2), P("mnuEffects_Click")],
    ],
    "menu": [
        [P("mnuInstructions_Click"), P("cmdStart_MouseDown")]
        + [P("time passes"), ("raw", [28, 0])] * 3 + typed(txtSeconds="5")
        + [P("time passes"), ("raw", [0, 6])] + [P("cmdStop_MouseDown"), P("cmdReset_Click")],
        [P("cmdStop_MouseDown"), ("choose", 0, 13), P("cmdOK_Click"), P("entry_DblClick"), ("raw", [9])],
    ],
    "reaction": [[("raw", [0, 1, 2, 3])]],
}


def mask_bytes(integer, decimals, zeros):
    """The bytes the field-rules target reads a mask from: '#' for 1, '0' for 0."""
    return [len(integer) - 1] + list(integer) + [decimals] + ([zeros] if decimals else [])


def literal(text):
    data = text.encode()
    return [255, len(data)] + list(data)


FIELD_RULES = [
    sum(([0] + literal(t) for t in ("", " ", "1.5E2", "2d1", "&H1F", ".5", "5.", "1E400")), []),
    [3] + literal("13.4112") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("0.5") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("-0.589") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("12345.6789") + mask_bytes([1, 1, 1, 0], 3, 3),
    [3] + literal("2.5") + mask_bytes([1] * 8 + [0], 0, 0) + [3] + literal("6.867") + mask_bytes([0], 2, 2),
    [3] + literal("2.675") + mask_bytes([1, 0], 2, 2) + [3] + literal("-0.0004") + mask_bytes([0], 3, 3),
]


def main():
    for target, scenes in SEEDS.items():
        folder = HERE / "corpus" / target
        folder.mkdir(parents=True, exist_ok=True)
        for number, scene in enumerate(scenes, 1):
            (folder / f"example-{number}").write_bytes(encode(target, scene))
    folder = HERE / "corpus" / "field_rules"
    folder.mkdir(parents=True, exist_ok=True)
    for number, seed in enumerate(FIELD_RULES, 1):
        (folder / f"example-{number}").write_bytes(bytes(seed))


if __name__ == "__main__":
    main()
