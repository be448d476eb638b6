"""Prints what a screen reader reads of a running program's windows, through the
accessibility bus: one line per element, indented by depth, as
    role "name" [focusable] [labelled-by="label"] [value=N]
Elements not showing (a closed list's popup) are left out, as a screen reader
meets none of them.
    /usr/bin/python3 accessibility_tree.py PROGRAM-NAME [SECONDS]
Waits up to SECONDS (10) for the program to be on the bus; exits 1 if it never is.
"""

import sys
import time

import pyatspi


def application(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for candidate in pyatspi.Registry.getDesktop(0):
            if candidate is not None and candidate.name == name and candidate.childCount > 0:
                return candidate
        time.sleep(0.2)
    return None


def describe(element):
    states = element.getState()
    words = [element.getRoleName(), '"%s"' % element.name]
    if states.contains(pyatspi.STATE_FOCUSABLE):
        words.append("focusable")
    labels = [target.name for relation in element.getRelationSet()
              if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
              for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
    if labels:
        words.append('labelled-by="%s"' % "/".join(labels))
    try:
        words.append("value=%g" % element.queryValue().currentValue)
    except NotImplementedError:
        pass
    return " ".join(words), states


def walk(element, depth):
    line, states = describe(element)
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    print("  " * depth + line)
    for child in element:
        if child is not None:
            walk(child, depth + 1)


def main():
    found = application(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 10)
    if found is None:
        print("%s is not on the accessibility bus" % sys.argv[1], file=sys.stderr)
        return 1
    for window in found:
        walk(window, 0)
    return 0


if __name__ == "__main__":
    sys.exit(main())
