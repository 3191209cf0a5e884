"""Shared helpers of the packaging tests: where things are, the version the
sources declare, and a collector of failed checks so that one run reports
every fault it finds instead of only the first."""

import os
import re
import subprocess
import sys

SOURCE_DIR = os.environ["WEX_SOURCE_DIR"]
BUILD_DIR = os.environ["WEX_BUILD_DIR"]
PACKAGE_DIR = os.environ.get("WEX_PACKAGE_DIR", "")

# The pictures the README shows; packaging.cmake installs whatever docs/ has.
SCREENSHOT_SUFFIX = ".png"


def declared_version():
    """WEX_POWER_VERSION as the top-level CMakeLists.txt sets it."""
    with open(os.path.join(SOURCE_DIR, "CMakeLists.txt")) as f:
        match = re.search(r'^\s*set\(\s*WEX_POWER_VERSION\s+"([^"]+)"\s*\)', f.read(), re.M)
    if not match:
        sys.exit("CMakeLists.txt does not set WEX_POWER_VERSION")
    return match.group(1)


def docs_screenshots():
    docs = os.path.join(SOURCE_DIR, "docs")
    if not os.path.isdir(docs):
        return []
    return sorted(n for n in os.listdir(docs) if n.endswith(SCREENSHOT_SUFFIX))


def catalogue_languages():
    """The languages of the catalogues in translations/ (wex-power_<language>.ts)."""
    folder = os.path.join(SOURCE_DIR, "translations")
    return sorted(re.fullmatch(r"wex-power_(.+)\.ts", n).group(1)
                  for n in os.listdir(folder) if n.endswith(".ts"))


def run(argv, check=True, **kwargs):
    """Runs a command, echoing it; returns the completed process with text output."""
    print("+", " ".join(argv), flush=True)
    proc = subprocess.run(argv, capture_output=True, text=True, **kwargs)
    if check and proc.returncode != 0:
        sys.stdout.write(proc.stdout)
        sys.stderr.write(proc.stderr)
        sys.exit("command failed with status %d: %s" % (proc.returncode, " ".join(argv)))
    return proc


class Checks:
    """Records failed checks; finish() prints them and sets the exit status."""

    def __init__(self):
        self.failures = []

    def check(self, condition, message):
        if not condition:
            self.failures.append(message)
            print("FAIL:", message, flush=True)
        return condition

    def equal(self, actual, expected, what):
        return self.check(actual == expected, "%s: expected %r, got %r" % (what, expected, actual))

    def finish(self):
        if self.failures:
            print("\n%d check(s) failed" % len(self.failures))
            sys.exit(1)
        print("all checks passed")
