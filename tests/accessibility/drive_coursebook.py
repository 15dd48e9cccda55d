#!/usr/bin/python3
"""Drives the course program the way a screen reader sees it, through AT-SPI.

Started by run_atspi_test.sh inside a private D-Bus session. Starts Xvfb and `coursebook` in a
copy of an installation, then: finds the login window's user list and the new-user button by
name and role, creates a user through the new-user window, which logs the user in, reads
the buttons of the main window by name, reads and chooses rows of the lesson chooser's
painted lists, and opens an exercise whose painted answers it reads. Every wait has a
deadline; the program and the X server are ended at the end, whatever happened.

Exit codes: 0 passed, 1 failed, 77 skipped (something the test needs is missing here).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

try:
    import pyatspi
except ImportError as error:  # python3-pyatspi is not installed
    print(f"SKIP: pyatspi cannot be imported: {error}")
    sys.exit(SKIP)

NEW_USER = "Tester"
# What the main window's buttons are called in Polish, the interface language of a new user.
MAIN_BUTTONS = ["Ćwiczenia", "Filmy", "Zdania", "Nagrania", "Rozmowy", "Wyniki", "Zamknij",
                "Autorzy kursu", "Strona kursu", "Pomoc", "Opcje"]


class Failure(Exception):
    pass


def wait_for(what, probe, seconds=20.0, step=0.1):
    """Calls `probe` until it gives something true, at most `seconds` long."""
    deadline = time.monotonic() + seconds
    last_error = None
    while time.monotonic() < deadline:
        try:
            found = probe()
            if found:
                return found
        except Exception as error:  # the tree changes under us while windows come and go
            last_error = error
        time.sleep(step)
    detail = f" (last error: {last_error})" if last_error else ""
    raise Failure(f"timed out waiting for {what}{detail}")


def role_name(accessible):
    try:
        return accessible.getRoleName()
    except Exception:
        return "?"


def describe(accessible, depth=0, limit=4):
    """The tree below `accessible` as text, for a failure report."""
    lines = []
    try:
        state = accessible.getState()
        shown = "" if state.contains(pyatspi.STATE_SHOWING) else " (not showing)"
        lines.append(f"{'  ' * depth}{role_name(accessible)} {accessible.name!r}{shown}")
        if depth < limit:
            for child in accessible:
                if child is not None:
                    lines.extend(describe(child, depth + 1, limit))
    except Exception as error:
        lines.append(f"{'  ' * depth}<gone: {error}>")
    return lines


def application_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def find(root, role, name):
    """The showing descendant of `root` with this role and name."""
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and a.name == name and showing(a))


def window_with(app, role, name):
    """The showing top-level window of `app` that holds a control with this role and name."""
    for window in app:
        if window is None or not showing(window):
            continue
        if find(window, role, name):
            return window
    return None


def press(accessible, action="Press"):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    for i, name in enumerate(names):
        if name.lower() == action.lower():
            actions.doAction(i)
            return
    raise Failure(f"{accessible.name!r} has no {action!r} action, only {names}")


def start_x_server():
    """Xvfb on a display it picks itself; returns the process and the display name."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    deadline = time.monotonic() + 10
    os.set_blocking(read_end, False)
    while time.monotonic() < deadline and not number.endswith(b"\n"):
        try:
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            number += chunk
        except BlockingIOError:
            time.sleep(0.05)
    os.close(read_end)
    if not number.strip():
        server.kill()
        raise Failure("Xvfb did not report its display")
    return server, ":" + number.decode().strip()


def stop(process):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout=5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout=5)


def run(installation):
    work = tempfile.mkdtemp(prefix="tess-a11y-")
    server = program = None
    log_path = os.path.join(work, "coursebook.log")
    try:
        # The new user must not land in the build's installation.
        copy = os.path.join(work, "tessaron")
        shutil.copytree(installation, copy, symlinks=True)

        server, display = start_x_server()
        environment = dict(os.environ)
        environment.update({
            "DISPLAY": display,
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "XDG_DATA_HOME": os.path.join(work, "data"),
            "XDG_CONFIG_HOME": os.path.join(work, "config"),
            "XDG_RUNTIME_DIR": work,
            "HOME": work,
        })
        with open(log_path, "w") as log:
            program = subprocess.Popen([os.path.join(copy, "coursebook")], cwd=copy,
                                       env=environment, stdout=log, stderr=subprocess.STDOUT)
        start = time.monotonic()

        app = wait_for("the program on the accessibility bus",
                       lambda: application_of(program.pid), seconds=30)
        print(f"found the program: {app.name!r} after {time.monotonic() - start:.1f} s")

        # The login window: the user list and the new-user button, by name and role.
        login = wait_for("the login window",
                         lambda: window_with(app, pyatspi.ROLE_PUSH_BUTTON, "Nowy użytkownik"))
        users = wait_for("the user list",
                         lambda: find(login, pyatspi.ROLE_LIST, "Wybierz swoje imię z listy"))
        print(f"login window: list {users.name!r} with {users.childCount} users")
        new_user = find(login, pyatspi.ROLE_PUSH_BUTTON, "Nowy użytkownik")
        press(new_user)

        # The new-user window: the name field, then OK, which appears once the name is long
        # enough; the new user is logged in at once.
        field = wait_for("the new-user window's name field",
                         lambda: find_anywhere(app, pyatspi.ROLE_TEXT,
                                               "Wpisz swoje imię lub pseudonim"))
        field.queryEditableText().setTextContents(NEW_USER)
        ok = wait_for("the new-user window's OK button",
                      lambda: find(window_of(field), pyatspi.ROLE_PUSH_BUTTON, "OK"))
        print(f"new-user window: typed {NEW_USER!r}, pressing {ok.name!r}")
        press(ok)

        # The main window: every button by its name.
        main = wait_for("the main window",
                        lambda: window_with(app, pyatspi.ROLE_PUSH_BUTTON, "Ćwiczenia"))
        found = []
        for name in MAIN_BUTTONS:
            button = find(main, pyatspi.ROLE_PUSH_BUTTON, name)
            if not button:
                raise Failure(f"the main window has no button {name!r}:\n" +
                              "\n".join(describe(main)))
            found.append(name)
        print("main window buttons: " + ", ".join(found))

        # The lesson chooser: its painted lists, row by row, and a row chosen by its action.
        press(find(main, pyatspi.ROLE_PUSH_BUTTON, "Ćwiczenia"))
        sections = wait_for("the lesson chooser's list of sections",
                            lambda: find_anywhere(app, pyatspi.ROLE_LIST, "Działy"))
        rows = wait_for("rows in the list of sections", lambda: list_items(sections))
        print("sections: " + ", ".join(rows))
        chooser = window_of(sections)
        items = find(chooser, pyatspi.ROLE_LIST, "Ćwiczenia")
        if not items:
            raise Failure("the lesson chooser has no list 'Ćwiczenia'")
        last = len(rows) - 1
        press(sections[last], "select")
        wait_for(f"{rows[last]!r} selected",
                 lambda: sections[last].getState().contains(pyatspi.STATE_SELECTED))
        exercises = wait_for("the exercises of the chosen section", lambda: list_items(items))
        print(f"exercises of {rows[last]!r}: " + " | ".join(exercises))

        # An exercise window: the first section's recorded text opens on its multiple choice,
        # whose painted questions and answers are read as texts and choices.
        press(sections[0], "select")
        wait_for("the first section selected",
                 lambda: sections[0].getState().contains(pyatspi.STATE_SELECTED))
        wait_for("the exercises of the first section", lambda: list_items(items))
        press(items[0], "select")
        wait_for("the first exercise selected",
                 lambda: items[0].getState().contains(pyatspi.STATE_SELECTED))
        press(find(chooser, pyatspi.ROLE_PUSH_BUTTON, "OK"))
        answers = wait_for("the choices of the exercise window",
                           lambda: close_hint(app) or choices(app), seconds=30)
        print(f"exercise window: {len(answers)} choices, the first {answers[0]!r}")

        # The recording's window beside it: its track is a slider that says the time.
        track = wait_for("the media window's track",
                         lambda: find_anywhere(app, pyatspi.ROLE_SLIDER, "Pasek postępu"))
        length = wait_for("the recording's length",
                          lambda: track.queryValue().maximumValue or None)
        print(f"media track: {track.queryValue().currentValue:g} of {length:g} s")

        users_file = os.path.join(copy, "usr.t")
        with open(users_file, "rb") as users_read:
            if NEW_USER.encode() not in users_read.read():
                raise Failure("the new user is not in usr.t")
        print(f"passed in {time.monotonic() - start:.1f} s")
        return 0
    except Failure as failure:
        print(f"FAILED: {failure}")
        if program is not None:
            app = application_of(program.pid)
            if app is not None:
                print("\n".join(describe(app)))
        return 1
    finally:
        stop(program)
        stop(server)
        if os.path.exists(log_path):
            with open(log_path) as log:
                text = log.read().strip()
            if text:
                print("coursebook said:\n" + text[-4000:])
        shutil.rmtree(work, ignore_errors=True)


def window_of(accessible):
    """The top-level window that holds `accessible`: the child of the application."""
    while accessible is not None:
        parent = accessible.parent
        if parent is None or parent.getRole() == pyatspi.ROLE_APPLICATION:
            return accessible
        accessible = parent
    return None


def list_items(a_list):
    """The names of the list's items, top first."""
    return [item.name for item in a_list
            if item is not None and item.getRole() == pyatspi.ROLE_LIST_ITEM]


def close_hint(app):
    """Closes the hint that comes before a new user's first exercise; never true itself."""
    for window in app:
        if window is None or not showing(window) or window.getRole() != pyatspi.ROLE_DIALOG:
            continue
        hint = pyatspi.findDescendant(
            window, lambda a: a is not None and a.getRole() == pyatspi.ROLE_LABEL and
            a.name.startswith("Wskazówka"))
        close = find(window, pyatspi.ROLE_PUSH_BUTTON, "Zamknij")
        if hint and close:
            press(close)
    return False


def choices(app):
    """The names of the showing choices painted in an exercise window."""
    for window in app:
        if window is None or not showing(window):
            continue
        found = pyatspi.findAllDescendants(
            window, lambda a: a is not None and a.getRole() == pyatspi.ROLE_RADIO_BUTTON and
            a.parent is not None and a.parent.getRole() == pyatspi.ROLE_PANEL)
        if found:
            return [a.name for a in found]
    return None


def find_anywhere(app, role, name):
    for window in app:
        if window is not None and showing(window):
            found = find(window, role, name)
            if found:
                return found
    return None


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: drive_coursebook.py INSTALLATION_FOLDER")
        sys.exit(2)
    sys.exit(run(sys.argv[1]))
