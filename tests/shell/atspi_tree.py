#!/usr/bin/python3
"""Prints what a screen reader reads of one running application through AT-SPI: its accessibility
tree, one JSON object a line, depth first: {"depth": 0, "role": "application", "name": "...",
"states": ["showing", ...]}.

    atspi_tree.py PID

Runs with Debian's python3 (python3-pyatspi), on the accessibility bus that org.a11y.Bus on the
session bus names. Exits with 1 when no application of that process id is registered.
"""

import json
import sys

import pyatspi


def walk(node, depth):
    states = [pyatspi.stateToString(state) for state in node.getState().getStates()]
    print(json.dumps({"depth": depth, "role": node.getRoleName(), "name": node.name, "states": states}))
    for child in node:
        if child is not None:
            walk(child, depth + 1)


def main():
    pid = int(sys.argv[1])
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.get_process_id() == pid:
            walk(application, 0)
            return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
