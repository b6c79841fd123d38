# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

"""The window as a screen reader sees it, through AT-SPI alone: the frame named by its caption,
every control with its role and name, each label tied to its box, and a pupil's whole round of
typing both operands, pressing "Изчисли" and reading the result and the report, case by case
(tests/e2e/cases.json), against the report of the core for the same texts (velmora_report).
Usage: atspi_check.py VELMORA VELMORA_REPORT CASES_JSON"""

import json
import subprocess
import sys
import time

import pyatspi as at

CAPTION = "Извеждане на сума от естествени числа словом - чрез текст"
PATIENCE = 90  # seconds: under the sanitizers the program starts many times slower


def wait_for(what, probe):
    deadline = time.monotonic() + PATIENCE
    while not (found := probe()):
        assert time.monotonic() < deadline, f"no {what} after {PATIENCE} s"
        time.sleep(0.05)
    return found


def frame_of(pid):
    apps = [a for a in at.Registry.getDesktop(0) if a and a.get_process_id() == pid]
    return apps[0][0] if apps and apps[0].childCount else None


def control(frame, role, name):
    found = [c for c in frame if c.getRole() == role and c.name == name]
    assert len(found) == 1, f"{len(found)} controls of role {role} named {name!r}"
    return found[0]


def related(accessible, kind):
    return [r.getTarget(i) for r in accessible.getRelationSet()
            if r.getRelationType() == kind for i in range(r.getNTargets())]


def check_tree(frame):
    print(f"{frame.getRoleName()} {frame.name!r}")
    for child in frame:
        print(f"  {child.getRoleName()} {child.name!r}")
        assert child.name and child.getRole() in (at.ROLE_LABEL, at.ROLE_TEXT, at.ROLE_PUSH_BUTTON)
    assert (frame.getRole(), frame.name) == (at.ROLE_FRAME, CAPTION)
    for name in ("Число 1", "Число 2", "Сума"):
        box = control(frame, at.ROLE_TEXT, name)
        [label] = related(box, at.RELATION_LABELLED_BY)
        assert label.name == name and related(label, at.RELATION_LABEL_FOR) == [box], name


# The action returns while the button is held down; it is released as the click runs.
def press(button):
    button.queryAction().doAction(0)
    wait_for("release", lambda: not button.getState().contains(at.STATE_PRESSED))


def run_cases(frame, cases, expected):
    names = ("Число 1", "Число 2", "Сума", "Отчет")
    boxes = [control(frame, at.ROLE_TEXT, name) for name in names]
    for case, want in zip(cases, expected):
        for box, text in zip(boxes, (case["first"], case["second"])):
            if text != "<as started>":
                assert box.queryEditableText().setTextContents(text), case["name"]
        press(control(frame, at.ROLE_PUSH_BUTTON, "Изчисли"))
        shown = [box.queryText().getText(0, -1) for box in boxes[2:]]
        # The box shows a line break where the core writes CR LF.
        assert shown == [want["result"], want["report"].replace("\r\n", "\n")], case["name"]


def main(velmora, report_tool, cases_file):
    with open(cases_file, encoding="utf-8") as file:
        cases = json.load(file)
    operands = [text for case in cases for text in (case["first"], case["second"])]
    expected = json.loads(subprocess.check_output([report_tool, *operands]))
    program = subprocess.Popen([velmora])
    try:
        frame = wait_for("frame of the program", lambda: frame_of(program.pid))
        check_tree(frame)
        run_cases(frame, cases, expected)
    finally:
        program.terminate()
        program.wait()
    print(f"{len(cases)} passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
