#!/usr/bin/python3
"""What a screen reader finds in Pelmora's window, through AT-SPI.

Finds the application "pelmora" on the accessibility bus, the object named
"Sky chart" in it, and reads its description twice, a few seconds apart:
in clock mode the words change with the clock. Prints what it read; exits 1
when the chart is not there or its words do not change.
"""
import sys
import time

import pyatspi


def find(accessible, name, depth=0):
    if accessible is None or depth > 12:
        return None
    if accessible.name == name:
        return accessible
    for index in range(accessible.childCount):
        found = find(accessible.getChildAtIndex(index), name, depth + 1)
        if found is not None:
            return found
    return None


def application(name, patience):
    deadline = time.monotonic() + patience
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def main():
    app = application("pelmora", 30)
    if app is None:
        sys.exit("read_chart_aloud: no application 'pelmora' on the accessibility bus")
    deadline = time.monotonic() + 30
    chart = None
    while chart is None and time.monotonic() < deadline:
        chart = find(app, "Sky chart")
        if chart is None:
            time.sleep(0.2)
    if chart is None:
        sys.exit("read_chart_aloud: no object named 'Sky chart'")
    first = chart.description
    while not first and time.monotonic() < deadline:
        time.sleep(0.2)
        first = chart.description
    print(f"role: {chart.getRoleName()}")
    print(f"description: {first}")
    deadline = time.monotonic() + 10
    later = first
    while later == first and time.monotonic() < deadline:
        time.sleep(0.5)
        later = chart.description
    print(f"a moment later: {later}")
    if not first or later == first:
        sys.exit("read_chart_aloud: the description did not change with the clock")


if __name__ == "__main__":
    main()
