# SPDX-FileCopyrightText: 2026 Velmora <maintainers@velmora.example>
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the real screen reader says: Orca runs headless with its speech going to
speech-dispatcher's dummy output, and its debug log gives every utterance ("SPEECH OUTPUT"). The
front end, the window or the page in Chromium, is driven with the keys a pupil presses (xdotool);
AT-SPI only puts the focus on a control before the keys. Each row of the table says what Orca
must say after its keys, in that order; the sums, words, report lines and messages come from the
core's report for the same texts (velmora_report).
Usage: orca_check.py window VELMORA VELMORA_REPORT
       orca_check.py page VELMORA_HTML VELMORA_REPORT CHROMIUM_JS"""

import fcntl
import json
import os
import re
import select
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import pyatspi as at
from gi.repository import GLib

AS_STARTED = "<as started>"
BOX_LIMIT = 65  # characters a pupil can type into an operand box
PATIENCE = 60  # seconds for Orca to say what a row expects; under load it speaks late
ORCA_START = 120  # seconds: the first start compiles Orca's Python and loads its tables
# What Orca's debug log says once it listens to the desktop's events and has its scripts to speak
# them with, in Orca 43 and 48 alike (the two managers start in another order in each).
ORCA_READY = ("SCRIPT MANAGER: Activated", "EVENT MANAGER: Activated")
CACHE_CLEARED = "GENERATOR: Clearing cache."
WORDS_HEADING = "Сумата словом:"

# Orca as /usr/bin/orca starts it, but with a line-buffered debug log, so that an utterance is in
# the file as soon as it is spoken rather than when a buffer fills.
ORCA_LAUNCHER = """
import runpy, sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")
sys.argv = ["orca", *sys.argv[2:]]
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


def sum_in_words(report):
    """The words of a report as one phrase, as the front ends speak them."""
    return " ".join(report.partition(WORDS_HEADING)[2].split())


def sum_then_words(want, front):
    """After a compute: the sum, then its words, spoken as the focus lands on Сума where the front
    end moves it there, else where the focus stays."""
    said = [want["result"], sum_in_words(want["report"])]
    return ["^Сума ", *said] if front.sum_takes_focus else said


def focus_after_compute(front):
    """The focus is in Сума where the sum is heard from it, else where the pupil pressed Enter."""
    front.wait_focus("Сума" if front.sum_takes_focus else "Число 2")


# One row for each thing Orca must say, run in order in one session of each front end: what it
# checks, the front ends it applies to, the operand texts typed first (None: as they are), the
# control that takes the focus before the keys (None: where it is), the keys, what Orca must say
# after the keys, in that order (from the core's report for the last texts typed, or from the
# front end; "^" before a text when it must open an utterance, "$" after it when it must end one),
# and what must then hold of the front end (None: nothing more).
BOTH, PAGE = ("window", "page"), ("page",)
ROWS = (
    ("at start the focus is in Число 1, whose whole text is read", BOTH, None, None, (),
     lambda want, front: ["^Число 1 ", front.text("Число 1")], None),
    ("Enter in Число 2 speaks the starting texts' sum, then its words", BOTH,
     (AS_STARTED, AS_STARTED), "Число 2", ("Return",), sum_then_words, focus_after_compute),
    ("Enter in Число 2 speaks a typed pair's sum, then its words", BOTH,
     ("  20 999 ", "+1"), "Число 2", ("Return",), sum_then_words, focus_after_compute),
    ("the report is read line by line", BOTH, None, "Отчет", ("ctrl+Home", "Down"),
     lambda want, front: [want["report"].split("\r\n")[1] + "$"], None),
    ("Изчисти takes the focus to Число 1", BOTH, None, "Изчисти", ("space",),
     lambda want, front: ["^Число 1 "], None),
    ("a digit typed after Изчисти lands in Число 1", BOTH, None, None, ("7",),
     lambda want, front: ["^7"], lambda front: front.wait_text("Число 1", "7")),
    # Past the box's limit: the page takes it through its debugging pipe, as no key can.
    ("the error dialog's message is spoken as it opens", PAGE,
     ("9" * 200, "1"), "Число 2", ("Return",),
     lambda want, front: ["Velmora — грешка", *want["failure"].split("\n")], None),
)


def wait_for(what, probe, patience=PATIENCE, said=None):
    deadline = time.monotonic() + patience
    while not (found := probe()):
        if time.monotonic() > deadline:
            heard = "".join(f"\n    {u!r}" for u in said()) if said else ""
            raise AssertionError(f"no {what} after {patience} s" +
                                 (f"; Orca said:{heard or ' nothing'}" if said else ""))
        time.sleep(0.1)
    return found


def said_in_order(utterances, texts):
    """Whether the texts were said in order, each after the end of the one before. A number must
    be said whole: no digit may follow it."""
    said, start = "\n".join(utterances), 0
    for text in texts:
        opens, ends = text.startswith("^"), text.endswith("$")
        text = text[opens:len(text) - ends]
        pattern = ("^" if opens else "") + re.escape(text)
        pattern += r"(?!\d)" if text[-1].isdigit() else ""
        pattern += "$" if ends else ""
        found = re.compile(pattern, re.M).search(said, start)
        if not found:
            return False
        start = found.end()
    return True


class Orca:
    """Orca with a home of its own: its settings, speech-dispatcher's and libao's."""

    def __init__(self, work):
        self.log = work / "orca.log"
        self.prefs = work / "orca"
        home = work / "home"
        for folder in (self.prefs, home / ".config/speech-dispatcher", work / "run"):
            folder.mkdir(parents=True)
        (work / "run").chmod(0o700)
        # The dummy module plays its one recording through libao's null driver: no sound card.
        (home / ".libao").write_text("default_driver=null\n")
        (home / ".config/speech-dispatcher/speechd.conf").write_text(
            'AudioOutputMethod "libao"\nDefaultModule dummy\n')
        os.environ.update(HOME=str(home), XDG_CONFIG_HOME=str(home / ".config"),
                          XDG_DATA_HOME=str(home / ".local/share"),
                          XDG_CACHE_HOME=str(home / ".cache"), XDG_RUNTIME_DIR=str(work / "run"),
                          GSETTINGS_BACKEND="memory")
        self.process = None

    def start(self):
        wait_for("end of the other Orca of this user, which stops this one from starting",
                 lambda: not other_orcas(), ORCA_START)
        self.process = subprocess.Popen(
            ["/usr/bin/python3", "-c", ORCA_LAUNCHER, str(self.log), "-u", str(self.prefs)],
            stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        wait_for("start of Orca", lambda: self.started() or self.process.poll() is not None,
                 ORCA_START)
        assert self.process.poll() is None, "Orca stopped at start"

    def started(self):
        return self.log.exists() and all(
            line in self.log.read_text("utf-8") for line in ORCA_READY)

    def log_size(self):
        return len(self.log.read_text("utf-8"))

    def took_focus(self, name, since):
        """Whether Orca, since that point of its log, set its locus of focus to the control of that
        name. Orca 43 logs "Changing locusOfFocus from … to [text | Число 2]", Orca 48 "Request to
        set locus of focus to [entry: 'Число 2']", also where its locus was there already, as when
        it comes to a focus that left and came back only after both moves. A control that takes
        the focus is not always heard: Orca 48 takes a box of the page silently where it heard
        the box's caret move before its focus."""
        found = re.compile(r"locus ?of ?focus (?:from .* )?to \[[\w ]+(?: \||:) '?" +
                           re.escape(name) + r"'?\]", re.I)
        return found.search(self.log.read_text("utf-8"), since) is not None

    def fresh(self, since):
        """Whether Orca, since that point of its log, dropped what it made of the controls. Orca 48
        keeps a control's text and description and drops them every 2 s ("GENERATOR: Clearing
        cache."): a description changed before that, as by a compute within 2 s of the last, is
        spoken as it was. A row's keys wait for the next drop, as a pupil's typing would; Orca 43
        keeps nothing."""
        log = self.log.read_text("utf-8")
        return CACHE_CLEARED not in log or CACHE_CLEARED in log[since:]

    def stop(self):
        if self.process:
            stop(self.process)

    def utterances(self):
        """Every utterance so far. A record of the log starts with its time stamp; a line break
        inside a record is followed by an indent of 18 blanks."""
        spoken = []
        for record in re.split(r"\n(?=\d\d:\d\d:\d\d\.\d{6} - )", self.log.read_text("utf-8")):
            record = record.partition(" - ")[2].replace("\n" + " " * 18, "\n")
            found = re.match(r"SPEECH OUTPUT: '(.*)'(?: voice=\S+)? ?\{.*\}\s*\Z", record, re.S)
            if found:
                spoken.append(found.group(1))
        return spoken


def other_orcas():
    found = subprocess.run(["pgrep", "-u", str(os.getuid()), "-x", "orca"],
                           capture_output=True, text=True, check=False).stdout.split()
    return [pid for pid in found if int(pid) != os.getpid()]


def stop(process):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)


def descendants(accessible):
    """The controls under an accessible object; none under one that went away meanwhile, as a part
    of a page that Chromium builds anew while the page loads."""
    try:
        children = list(accessible)
    except GLib.GError:
        return
    for child in children:
        if child is not None:
            yield child
            yield from descendants(child)


def is_box(accessible):
    return accessible.getRole() in (at.ROLE_TEXT, at.ROLE_ENTRY)


class FrontEnd:
    """The running front end: its process, its X window and its controls through AT-SPI."""

    def __init__(self, command, **options):
        self.process = subprocess.Popen(command, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, **options)

    def focus_window(self):
        # Without a window manager nothing activates a new window: xdotool gives it the input
        # focus, as a desktop does for a window that opens.
        window = wait_for("window of the front end", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
            capture_output=True, text=True, check=False).stdout.split())
        subprocess.run(["xdotool", "windowfocus", "--sync", window[-1]], check=True)

    def application(self):
        apps = [a for a in at.Registry.getDesktop(0)
                if a is not None and a.get_process_id() == self.process.pid]
        return apps[0] if apps and apps[0].childCount else None

    def control(self, name):
        found = [c for c in descendants(self.root())
                 if c.name == name and (is_box(c) or c.getRole() == at.ROLE_PUSH_BUTTON)]
        assert len(found) == 1, f"{len(found)} controls named {name!r}"
        return found[0]

    def text(self, name):
        return self.control(name).queryText().getText(0, -1)

    def focus(self, name):
        self.control(name).queryComponent().grabFocus()

    def wait_focus(self, name):
        wait_for(f"focus in {name}", lambda: self.control(name).getState().contains(
            at.STATE_FOCUSED))

    def type(self, name, text):
        """Types a text into a box as a pupil does, over what it held."""
        self.focus(name)
        self.wait_focus(name)
        key("ctrl+a", "BackSpace")
        if text:
            subprocess.run(["xdotool", "type", "--delay", "30", "--", text], check=True)
        self.wait_text(name, text)

    def wait_text(self, name, text):
        try:
            wait_for(f"{text!r} in {name}", lambda: self.text(name) == text)
        except AssertionError as error:
            raise AssertionError(f"{error}; it holds {self.text(name)!r}") from None

    def stop(self):
        stop(self.process)


class Window(FrontEnd):
    kind = "window"

    def __init__(self, velmora):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        super().__init__([velmora], env=env)
        wait_for("frame of the program", self.application)
        self.qt = tuple(int(part) for part in self.application().get_toolkit_version().split("."))
        print("The window on Qt " + ".".join(map(str, self.qt)))
        self.focus_window()

    @property
    def sum_takes_focus(self):
        """After a compute the window announces the sum where Qt can announce a text, from 6.8 on;
        before, it moves the focus to Сума, whose text is the sum and whose description the
        words."""
        return self.qt < (6, 8)

    def root(self):
        return self.application()[0]


class Page(FrontEnd):
    kind = "page"
    sum_takes_focus = False  # the page announces the sum where the focus is

    def __init__(self, page, chromium_js, work):
        # The launch options of the other web tests, read from their one list, and the debugging
        # pipe: Chromium reads commands on descriptor 3 and answers on 4.
        listed = re.search(r"args:\s*\[(.*?)\]", Path(chromium_js).read_text("utf-8"), re.S)
        args = re.findall(r'"([^"]+)"', listed.group(1))
        commands, self.commands = os.pipe()
        self.answers, answers = os.pipe()
        super().__init__(
            ["bash", "-c", f'exec "$@" 3<&{commands} 4>&{answers}', "chromium",
             "/usr/bin/chromium", *args, "--force-renderer-accessibility",
             "--remote-debugging-pipe", f"--user-data-dir={work / 'chromium'}",
             "--window-position=0,0", "--window-size=1200,900", Path(page).resolve().as_uri()],
            pass_fds=(commands, answers))
        os.close(commands)
        os.close(answers)
        self.calls, self.unread, self.session = 0, b"", None
        wait_for("page in Chromium's accessibility tree", self.document)
        wait_for("form of the page", lambda: any(
            is_box(c) and c.name == "Число 1" for c in descendants(self.document())))
        self.focus_window()

    def document(self):
        app = self.application()
        if app is None:
            return None
        documents = [c for c in descendants(app) if c.getRole() == at.ROLE_DOCUMENT_WEB]
        return documents[0] if documents else None

    def root(self):
        return self.document()

    def call(self, method, **params):
        """One command of Chromium's debugging protocol, in the page's session once there is one;
        the answer's result."""
        self.calls += 1
        message = {"id": self.calls, "method": method, "params": params}
        if self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        deadline = time.monotonic() + PATIENCE
        while True:
            while b"\0" in self.unread:
                text, self.unread = self.unread.split(b"\0", 1)
                answer = json.loads(text)
                if answer.get("id") == self.calls:
                    assert "error" not in answer, f"{method}: {answer['error']}"
                    return answer["result"]
            ready, _, _ = select.select([self.answers], [], [], deadline - time.monotonic())
            assert ready, f"no answer to {method} after {PATIENCE} s"
            self.unread += os.read(self.answers, 65536)

    def put(self, name, text):
        """Puts a text into a box past its limit, with the event typing sends."""
        if not self.session:
            [page] = [t for t in self.call("Target.getTargets")["targetInfos"]
                      if t["type"] == "page"]
            self.session = self.call("Target.attachToTarget", targetId=page["targetId"],
                                     flatten=True)["sessionId"]
        self.call("Runtime.evaluate", expression=(
            f"{{const box = document.querySelector('[aria-label=\"{name}\"]');"
            f" box.value = {json.dumps(text)};"
            " box.dispatchEvent(new Event('input', {bubbles: true}));}"))
        self.wait_text(name, text)

    def stop(self):
        super().stop()
        os.close(self.commands)
        os.close(self.answers)


def quiet(orca, seconds=0.5):
    """A probe that holds once Orca has said nothing new for that long."""
    last = [len(orca.utterances()), time.monotonic()]

    def probe():
        count = len(orca.utterances())
        if count != last[0]:
            last[:] = [count, time.monotonic()]
        return time.monotonic() - last[1] >= seconds

    return probe


def run_rows(front, orca, expected_for, mark):
    """Runs the rows of this front end in order; returns the names of those that failed. The mark
    is the count of utterances before what a row's keys make Orca say."""
    failed, want = [], None
    for name, fronts, operands, focus, keys, expect, then in ROWS:
        if front.kind not in fronts:
            continue
        try:
            if operands:
                want = expected_for(*operands)
                # Число 2 first, so that the focus then moves to the box of the row.
                for box, text in reversed(list(zip(("Число 1", "Число 2"), operands))):
                    if text == AS_STARTED:
                        pass
                    elif len(text) <= BOX_LIMIT:
                        front.type(box, text)
                    else:
                        front.put(box, text)
            if focus and not front.control(focus).getState().contains(at.STATE_FOCUSED):
                mark, since = len(orca.utterances()), orca.log_size()
                front.focus(focus)
                wait_for(f"focus of Orca on {focus}", lambda: orca.took_focus(focus, since),
                         said=lambda: orca.utterances()[mark:])
                wait_for("end of what Orca says of it", quiet(orca))
            if keys:
                since = orca.log_size()
                wait_for("fresh look of Orca at the controls", lambda: orca.fresh(since))
                mark = len(orca.utterances())
                key(*keys)
            texts = expect(want, front)
            wait_for(" then ".join(repr(t) for t in texts),
                     lambda: said_in_order(orca.utterances()[mark:], texts),
                     said=lambda: orca.utterances()[mark:])
            if then:
                then(front)
            print(f"ok: {name}" + "".join(f"\n    {u!r}" for u in orca.utterances()[mark:]))
        except AssertionError as error:
            failed.append(name)
            print(f"FAILED: {name}: {error}")
        mark = len(orca.utterances())
    return failed


def main(kind, target, report_tool, chromium_js=None):
    def expected_for(first, second):
        return json.loads(subprocess.check_output([report_tool, first, second]))[0]

    with tempfile.TemporaryDirectory(prefix="velmora-orca-") as folder:
        work = Path(folder)
        # One Orca per user at a time, across the test runs of every build folder.
        with open(Path(tempfile.gettempdir()) / f"velmora-orca-{os.getuid()}.lock", "w") as lock:
            try:
                fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
            except BlockingIOError:
                print("Waiting for the Orca test of another build folder to end", flush=True)
                fcntl.flock(lock, fcntl.LOCK_EX)
            orca, front = Orca(work), None
            try:
                orca.start()
                mark = len(orca.utterances())
                front = Window(target) if kind == "window" else Page(target, chromium_js, work)
                failed = run_rows(front, orca, expected_for, mark)
            finally:
                if front:
                    front.stop()
                orca.stop()
                if orca.log.exists():
                    # Orca's whole debug log stays beside the test, for a look at what it heard.
                    kept = Path.cwd() / f"orca-{kind}.log"
                    kept.write_bytes(orca.log.read_bytes())
                    print(f"Orca's debug log: {kept}")
    rows = sum(kind in fronts for _, fronts, *_ in ROWS)
    print(f"{rows - len(failed)} passed, {len(failed)} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
