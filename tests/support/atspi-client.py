#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: atspi-client.py PID tree
#        atspi-client.py PID do NAME ACTION
# An assistive technology's view of the program with process id PID, over
# AT-SPI on the session's accessibility bus: "tree" prints every object, one a
# line, indented by depth, with its role, name, states and actions; "do"
# invokes the action ACTION (as Qt names it: Press, Increase, SetFocus...) of
# the first showing object named NAME, as a screen reader's command would, and
# fails if there is none.
import sys
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# get_action_name is the one name that AT-SPI 2.46 and 2.56 both answer.
warnings.filterwarnings("ignore", category=DeprecationWarning)


def application(pid):
    desktop = Atspi.get_desktop(0)
    for index in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(index)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def actions(obj):
    try:
        return [obj.get_action_name(i) for i in range(obj.get_n_actions())]
    except Exception:  # the object has no action interface
        return []


def walk(obj, depth=0):
    yield obj, depth
    for index in range(obj.get_child_count()):
        child = obj.get_child_at_index(index)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(obj):
    return obj.get_state_set().contains(Atspi.StateType.SHOWING)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__ or "usage: atspi-client.py PID tree | PID do NAME ACTION")
    pid, command = int(sys.argv[1]), sys.argv[2]
    app = application(pid)
    if app is None:
        sys.exit(f"no application with process id {pid} on the accessibility bus")
    if command == "tree":
        for obj, depth in walk(app):
            states = [s.value_nick for s in obj.get_state_set().get_states()]
            print(f"{'  ' * depth}{obj.get_role_name()} | {obj.get_name()} | {' '.join(states)} | "
                  f"{' '.join(actions(obj))}")
        return
    if command == "do" and len(sys.argv) == 5:
        name, action = sys.argv[3], sys.argv[4]
        for obj, _ in walk(app):
            if obj.get_name() == name and showing(obj):
                names = actions(obj)
                if action not in names:
                    sys.exit(f"{name!r} has no action {action!r}, only {names}")
                if not obj.do_action(names.index(action)):
                    sys.exit(f"{name!r} refused {action!r}")
                return
        sys.exit(f"no showing object named {name!r}")
    sys.exit("usage: atspi-client.py PID tree | PID do NAME ACTION")


main()
