# SPDX-License-Identifier: GPL-3.0-or-later
"""What the Python checks of the real program share: running it, and collecting every failed
check so a run reports them all rather than the first."""
import subprocess
import sys

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def run(program, *arguments):
    result = subprocess.run([program, *arguments], capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit("wingsheet %s: exit %d\n%s" % (" ".join(arguments), result.returncode,
                                                 result.stderr))
    return result.stdout


def verdict():
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0
