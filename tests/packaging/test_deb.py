"""The Debian package: CPack builds it from the build tree into a folder of
its own (WEX_PACKAGE_DIR), with the expected name, control fields and
files, dependencies computed from the binary, and no lintian errors.

The package stays in WEX_PACKAGE_DIR for packaging_deb_starts."""

import gzip
import os
import re
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pkgcheck import (BUILD_DIR, PACKAGE_DIR, Checks, catalogue_languages, declared_version,
                      docs_screenshots, run)  # noqa: E402

checks = Checks()
version = declared_version()
arch = run(["dpkg", "--print-architecture"]).stdout.strip()

if not PACKAGE_DIR:
    sys.exit("WEX_PACKAGE_DIR is not set")
shutil.rmtree(PACKAGE_DIR, ignore_errors=True)
os.makedirs(PACKAGE_DIR)

# -B keeps CPack's staging and output out of the build tree's own folders.
cpack = run(["cpack", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"), "-G", "DEB", "-B", PACKAGE_DIR])
print(cpack.stdout)
debs = sorted(n for n in os.listdir(PACKAGE_DIR) if n.endswith(".deb"))
expected_name = "wex-power_%s_%s.deb" % (version, arch)
if not checks.equal(debs, [expected_name], "packages built"):
    checks.finish()
deb = os.path.join(PACKAGE_DIR, expected_name)

# Control fields.
fields = {}
for name in ("Package", "Version", "Architecture", "Maintainer", "Section", "Priority",
             "Depends", "Recommends", "Description", "Installed-Size"):
    fields[name] = run(["dpkg-deb", "-f", deb, name]).stdout.strip()
print("control fields:", fields, sep="\n")
checks.equal(fields["Package"], "wex-power", "Package")
checks.equal(fields["Version"], version, "Version")
checks.equal(fields["Architecture"], arch, "Architecture")
checks.check(re.fullmatch(r"[^<>]+ <[^<>@\s]+@[^<>@\s]+>", fields["Maintainer"]),
             "Maintainer is not 'Name <address>': %r" % fields["Maintainer"])
checks.check(fields["Section"] in ("admin", "utils"), "Section: %r" % fields["Section"])
checks.equal(fields["Recommends"], "upower, qttranslations5-l10n", "Recommends")
synopsis, _, long_description = fields["Description"].partition("\n")
checks.check(synopsis and len(synopsis) < 80, "bad synopsis: %r" % synopsis)
checks.check(len(long_description.split()) > 10, "no long description")

# Depends comes from dpkg-shlibdeps: versioned, naming the Qt libraries the
# binary links, and only packages that really are installed here (the
# ones that provide those libraries).
depends = [d.strip() for d in fields["Depends"].split(",") if d.strip()]
names = [re.match(r"[a-z0-9][a-z0-9+.-]+", d.split("|")[0].strip()).group(0) for d in depends]
# The display server's idle time, keys and screen, and udev's events of the
# backlight, come from libraries of their own.
for needed in ("libqt5widgets5", "libqt5dbus5", "libqt5core5a", "libc6", "libudev1",
               "libxcb-sync1", "libxcb-randr0", "libwayland-client0"):
    checks.check(needed in names, "Depends lacks %s: %r" % (needed, fields["Depends"]))
# It costs an idle program memory, and nothing in it needs it.
checks.check("libqt5network5" not in names, "Depends names libqt5network5: %r" % fields["Depends"])
# These libraries' shlibs files give no version, so shlibdeps gives none.
unversioned = ("libxcb1", "libxcb-dpms0", "libxcb-sync1")
checks.check(all(re.search(r"\(>= [^)]+\)", d) for d, name in zip(depends, names)
                 if name not in unversioned),
             "Depends has unversioned entries (not from shlibdeps?): %r" % fields["Depends"])
for name in names:
    status = run(["dpkg-query", "-W", "-f=${Status}", name], check=False).stdout
    checks.check("install ok installed" in status, "Depends names %s, which is not installed here" % name)

# Files: exactly the expected ones, owned by root, with sane modes.
listing = run(["dpkg-deb", "--contents", deb]).stdout
print(listing)
entries = {}
for line in listing.splitlines():
    parts = line.split(None, 5)
    entries[parts[5].lstrip(".")] = (parts[0], parts[1])
files = {path for path, (mode, _) in entries.items() if mode.startswith("-")}
expected = {
    "/usr/bin/wex-power",
    "/usr/share/applications/wex-power.desktop",
    "/etc/xdg/autostart/wex-power.desktop",
    "/usr/share/icons/hicolor/scalable/apps/wex-power.svg",
    "/usr/share/man/man1/wex-power.1.gz",
    "/usr/share/doc/wex-power/copyright",
    "/usr/share/doc/wex-power/changelog.Debian.gz",
    "/usr/share/lintian/overrides/wex-power",
} | {"/usr/share/wex-power/screenshots/" + n for n in docs_screenshots()} \
  | {"/usr/share/wex-power/translations/wex-power_%s.qm" % lang for lang in catalogue_languages()}
metainfos = {f for f in files if re.fullmatch(r"/usr/share/metainfo/[^/]+\.metainfo\.xml", f)}
checks.equal(len(metainfos), 1, "metainfo files in the package")
checks.equal(files - metainfos, expected, "files in the package")
checks.equal(entries.get("/usr/bin/wex-power", ("",))[0], "-rwxr-xr-x", "mode of /usr/bin/wex-power")
for path, (mode, owner) in entries.items():
    checks.equal(owner, "root/root", "owner of %s" % path)
    checks.check(path.startswith(("/usr/", "/etc/")) or path in ("/usr", "/etc"),
                 "%s is outside /usr and /etc" % path)
    checks.check(not path.startswith(("/usr/local", "/usr/etc")), "%s is in a wrong folder" % path)
    checks.check(mode in ("drwxr-xr-x", "-rw-r--r--", "-rwxr-xr-x"), "unusual mode %s of %s" % (mode, path))

# Control members: /etc files are conffiles, md5sums cover the files.
control = tempfile.mkdtemp(prefix="wex-control-")
run(["dpkg-deb", "--control", deb, control])
with open(os.path.join(control, "conffiles")) as f:
    checks.equal(f.read().split(), ["/etc/xdg/autostart/wex-power.desktop"], "conffiles")
with open(os.path.join(control, "md5sums")) as f:
    summed = {"/" + line.split(None, 1)[1].strip() for line in f if line.strip()}
checks.equal(summed, files, "files in md5sums")

# The unpacked package: stripped binary, changelog naming this version.
root = tempfile.mkdtemp(prefix="wex-deb-root-")
run(["dpkg-deb", "-x", deb, root])
described = run(["file", "-b", os.path.join(root, "usr/bin/wex-power")]).stdout
checks.check("ELF" in described and "not stripped" not in described and "stripped" in described,
             "the packaged binary is not a stripped ELF: %s" % described.strip())
with gzip.open(os.path.join(root, "usr/share/doc/wex-power/changelog.Debian.gz"), "rt") as f:
    first = f.readline()
checks.check(first.startswith("wex-power (%s) " % version), "changelog starts with %r" % first)

# lintian: errors fail the test; warnings and notes are only shown.
proc = run(["lintian", "--tag-display-limit", "0", "--display-info", deb], check=False)
report = proc.stdout + proc.stderr
print("lintian:\n" + report)
errors = [line for line in report.splitlines() if line.startswith("E:")]
checks.check(not errors, "lintian errors:\n  " + "\n  ".join(errors))
# A status other than 0 without any error reported means lintian itself failed.
checks.check(proc.returncode == 0 or errors, "lintian failed with status %d" % proc.returncode)

checks.finish()
