"""The window as a screen reader sees it, through AT-SPI alone: the frame named by its caption,
every control with its role and name, each label tied to its box, and a pupil's whole round of
typing both operands, pressing "Изчисли" and reading the result and the report, case by case
(tests/e2e/cases.json), against the report of the core for the same texts (velmora_report).
Usage: atspi_check.py VELMORA VELMORA_REPORT CASES_JSON"""

import json
import subprocess
import sys
import time

import pyatspi

CAPTION = "https://velmora.example Извеждане на сума от естествени числа словом - чрез текст"
AS_STARTED = "<as started>"
PATIENCE = 90  # seconds: under the sanitizers the program starts many times slower
CONTROL_ROLES = {pyatspi.ROLE_LABEL, pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON}


def wait_for(what, probe):
    deadline = time.monotonic() + PATIENCE
    while not (found := probe()):
        assert time.monotonic() < deadline, f"no {what} after {PATIENCE} s"
        time.sleep(0.05)
    return found


def frame_of(pid):
    apps = [a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == pid]
    return apps[0][0] if apps and apps[0].childCount else None


def control(frame, role, name):
    found = [c for c in frame if c.getRole() == role and c.name == name]
    assert len(found) == 1, f"{len(found)} controls of role {role} named {name!r}"
    return found[0]


def related(accessible, relation):
    return [r.getTarget(i) for r in accessible.getRelationSet()
            if r.getRelationType() == relation for i in range(r.getNTargets())]


def check_labels(frame, names):
    for name in names:
        box = control(frame, pyatspi.ROLE_TEXT, name)
        labels = related(box, pyatspi.RELATION_LABELLED_BY)
        assert [label.name for label in labels] == [name], f"{name!r} labelled by {labels}"
        assert related(labels[0], pyatspi.RELATION_LABEL_FOR) == [box], f"label {name!r}"


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


# The action returns while the button is held down; it is released as the click runs.
def press(button):
    button.queryAction().doAction(0)
    wait_for("release", lambda: not button.getState().contains(pyatspi.STATE_PRESSED))


def run_cases(frame, cases, expected):
    boxes = [control(frame, pyatspi.ROLE_TEXT, name) for name in ("Число 1", "Число 2")]
    compute = control(frame, pyatspi.ROLE_PUSH_BUTTON, "Изчисли")
    result_box = control(frame, pyatspi.ROLE_TEXT, "Сума")
    report_box = control(frame, pyatspi.ROLE_TEXT, "Отчет")
    for case, want in zip(cases, expected):
        for box, text in zip(boxes, (case["first"], case["second"])):
            if text != AS_STARTED:
                assert box.queryEditableText().setTextContents(text), case["name"]
        press(compute)
        # The box shows a line break where the core writes CR LF.
        assert text_of(report_box) == want["report"].replace("\r\n", "\n"), case["name"]
        assert text_of(result_box) == want["result"], case["name"]


def main(velmora, report_tool, cases_file):
    with open(cases_file, encoding="utf-8") as file:
        cases = json.load(file)
    operands = [text for case in cases for text in (case["first"], case["second"])]
    expected = json.loads(subprocess.check_output([report_tool, *operands]))
    program = subprocess.Popen([velmora])
    try:
        frame = wait_for("frame of the program", lambda: frame_of(program.pid))
        print(f"{frame.getRoleName()} {frame.name!r}")
        for child in frame:
            print(f"  {child.getRoleName()} {child.name!r}")
            assert child.getRole() in CONTROL_ROLES and child.name, "a control without role or name"
        assert (frame.getRole(), frame.name) == (pyatspi.ROLE_FRAME, CAPTION)
        check_labels(frame, ("Число 1", "Число 2", "Сума"))
        run_cases(frame, cases, expected)
    finally:
        program.terminate()
        program.wait()
    print(f"{len(cases)} passed, 0 failed")


if __name__ == "__main__":
    main(*sys.argv[1:])
