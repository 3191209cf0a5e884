"""cmake --install of the build tree: the files it puts where, and whether the
desktop entries and the AppStream metadata are valid and agree with each
other and with the program.

Installs twice into temporary DESTDIRs: with the prefix /usr (as a package
does; the autostart entry then goes to /etc) and with another prefix (where
it stays under the prefix)."""

import configparser
import filecmp
import glob
import os
import shlex
import stat
import sys
import tempfile
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pkgcheck import (BUILD_DIR, SOURCE_DIR, Checks, catalogue_languages, declared_version,  # noqa: E402
                      docs_screenshots, run)

checks = Checks()


def install(prefix):
    destdir = tempfile.mkdtemp(prefix="wex-install-")
    env = dict(os.environ, DESTDIR=destdir)
    run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], env=env)
    return destdir


def files_under(root):
    found = set()
    for base, _, names in os.walk(root):
        for name in names:
            found.add(os.path.relpath(os.path.join(base, name), root))
    return found


def read_desktop(path):
    parser = configparser.ConfigParser(interpolation=None, strict=True)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"] if parser.has_section("Desktop Entry") else {}


def validate_desktop(path):
    proc = run(["desktop-file-validate", path], check=False)
    output = (proc.stdout + proc.stderr).strip()
    if output:
        print(output)
    checks.check(proc.returncode == 0 and "error:" not in output,
                 "desktop-file-validate reports errors for %s" % path)


version = declared_version()

# --- prefix /usr ------------------------------------------------------------
root = install("/usr")
usr = os.path.join(root, "usr")
installed = files_under(root)
print("installed:", *sorted(installed), sep="\n  ")

binary = os.path.join(usr, "bin", "wex-power")
checks.check(os.path.isfile(binary) and os.access(binary, os.X_OK), "usr/bin/wex-power is not an executable file")

desktop_path = os.path.join(usr, "share", "applications", "wex-power.desktop")
autostart_path = os.path.join(root, "etc", "xdg", "autostart", "wex-power.desktop")
metainfos = glob.glob(os.path.join(usr, "share", "metainfo", "*.metainfo.xml"))
checks.equal(len(metainfos), 1, "number of metainfo files in usr/share/metainfo")
checks.check(not os.path.exists(os.path.join(usr, "etc")),
             "with the prefix /usr nothing may go to usr/etc (it belongs in /etc)")
for path in (desktop_path, autostart_path, os.path.join(usr, "share", "doc", "wex-power", "copyright"),
             os.path.join(usr, "share", "man", "man1", "wex-power.1.gz")):
    checks.check(os.path.isfile(path), "missing: %s" % os.path.relpath(path, root))
for path in installed:
    mode = os.stat(os.path.join(root, path)).st_mode
    checks.check(not mode & (stat.S_IWGRP | stat.S_IWOTH), "%s is writable by group or others" % path)

# The desktop entries: valid, and starting the program that was installed.
if os.path.isfile(desktop_path) and os.path.isfile(autostart_path):
    validate_desktop(desktop_path)
    validate_desktop(autostart_path)
    entry = read_desktop(desktop_path)
    autostart = read_desktop(autostart_path)
    checks.equal(entry.get("Name"), "Power management", "desktop entry Name")
    checks.equal(entry.get("Comment"), "Application for power management", "desktop entry Comment")
    checks.equal(entry.get("Type"), "Application", "desktop entry Type")
    categories = entry.get("Categories", "").split(";")
    checks.check("Settings" in categories and "HardwareSettings" in categories,
                 "desktop entry Categories lack Settings;HardwareSettings: %r" % entry.get("Categories"))
    checks.check(entry.get("Keywords", "").strip(";") != "", "desktop entry has no Keywords")
    checks.check(entry.get("NoDisplay", "false") != "true", "the menu entry must not be hidden")
    for what, desk in (("desktop entry", entry), ("autostart entry", autostart)):
        command = shlex.split(desk.get("Exec", ""))
        checks.check(command[:1] == ["wex-power"], "%s Exec does not start wex-power: %r" % (what, desk.get("Exec")))
        checks.equal(desk.get("Icon"), entry.get("Icon"), "%s Icon" % what)
    # At login only the tray icons come; from the menu the window opens.
    checks.equal(shlex.split(autostart.get("Exec", ""))[1:], ["--hidden"], "autostart entry options")
    checks.equal(shlex.split(entry.get("Exec", ""))[1:], [], "desktop entry options")
    checks.equal(autostart.get("Type"), "Application", "autostart entry Type")
    checks.check(autostart.get("X-GNOME-Autostart-enabled", "true") == "true" and
                 autostart.get("Hidden", "false") != "true",
                 "the autostart entry is disabled")

    # Every language with a catalogue also has the entries' texts.
    for language in catalogue_languages():
        for what, desk, keys in (("desktop entry", entry, ("Name", "GenericName", "Comment")),
                                 ("autostart entry", autostart, ("Name", "Comment"))):
            for key in keys:
                localized = desk.get("%s[%s]" % (key, language), "")
                checks.check(localized.strip() and localized != desk.get(key),
                             "%s lacks %s[%s]" % (what, key, language))

    # The icon: a theme name resolved by the installed SVG.
    icon = entry.get("Icon", "")
    svg = os.path.join(usr, "share", "icons", "hicolor", "scalable", "apps", icon + ".svg")
    if checks.check(os.path.isfile(svg), "no installed icon for Icon=%s" % icon):
        svg_root = ET.parse(svg).getroot()
        checks.equal(svg_root.tag, "{http://www.w3.org/2000/svg}svg", "root element of the icon")
        checks.check(svg_root.get("viewBox") or svg_root.get("width"), "the icon has no size")
        checks.check(len(list(svg_root.iter())) > 3, "the icon draws nothing")

# The AppStream metadata: valid alone, valid with the tree (appstreamcli then
# also finds the desktop entry its launchable names), and agreeing with the
# version the sources declare.
if metainfos:
    metainfo = metainfos[0]
    proc = run(["appstreamcli", "validate", "--no-net", "--explain", metainfo], check=False)
    print(proc.stdout, proc.stderr)
    checks.equal(proc.returncode, 0, "appstreamcli validate status")
    proc = run(["appstreamcli", "validate-tree", "--no-net", root], check=False)
    print(proc.stdout, proc.stderr)
    checks.equal(proc.returncode, 0, "appstreamcli validate-tree status")

    component = ET.parse(metainfo).getroot()
    component_id = component.findtext("id")
    checks.equal(component.get("type"), "desktop-application", "component type")
    checks.equal(os.path.basename(metainfo), "%s.metainfo.xml" % component_id, "metainfo file name")
    checks.check(component_id and component_id.count(".") >= 2, "component id is not reverse-DNS: %r" % component_id)
    checks.equal([e.text for e in component.findall("launchable[@type='desktop-id']")], ["wex-power.desktop"],
                 "launchable desktop-id")
    checks.equal([e.text for e in component.findall("provides/binary")], ["wex-power"], "provided binary")
    checks.equal(component.findtext("name"), "Power management", "component name")
    checks.check(component.find("content_rating") is not None, "no content_rating")
    lang_attribute = "{http://www.w3.org/XML/1998/namespace}lang"
    summaries = {e.get(lang_attribute): e.text for e in component.findall("summary")}
    for language in catalogue_languages():
        checks.check(summaries.get(language) and summaries[language] != summaries.get(None),
                     "metainfo has no summary in %s" % language)

    checks.equal([r.get("version") for r in component.findall("releases/release")][:1], [version],
                 "newest release in the metainfo")

    # Screenshots: the pictures in docs/ are installed unchanged, and the
    # metadata lists no picture that is not among them.
    shots_dir = os.path.join(usr, "share", "wex-power", "screenshots")
    shipped = sorted(os.listdir(shots_dir)) if os.path.isdir(shots_dir) else []
    checks.equal(shipped, docs_screenshots(), "installed screenshots")
    for name in shipped:
        checks.check(filecmp.cmp(os.path.join(shots_dir, name), os.path.join(SOURCE_DIR, "docs", name), shallow=False),
                     "installed screenshot %s differs from docs/%s" % (name, name))
    images = [e.text.strip() for e in component.findall("screenshots/screenshot/image")]
    for image in images:
        checks.check(image.startswith("https://") and image.rsplit("/", 1)[-1] in shipped,
                     "metainfo screenshot %s is not one of the shipped pictures" % image)
    if images:
        checks.equal(len(component.findall("screenshots/screenshot[@type='default']")), 1, "default screenshots")

# The catalogues, where the program looks for them beside bin/.
catalogues = os.path.join(usr, "share", "wex-power", "translations")
checks.equal(sorted(os.listdir(catalogues)) if os.path.isdir(catalogues) else [],
             ["wex-power_%s.qm" % language for language in catalogue_languages()],
             "installed catalogues")

# --- another prefix ---------------------------------------------------------
other_root = install("/opt/wex-power")
other = files_under(other_root)
checks.check("opt/wex-power/etc/xdg/autostart/wex-power.desktop" in other,
             "with the prefix /opt/wex-power the autostart entry is not under the prefix: %s" % sorted(other))
checks.check(all(path.startswith("opt/wex-power/") for path in other),
             "files installed outside the prefix /opt/wex-power: %s"
             % sorted(p for p in other if not p.startswith("opt/wex-power/")))
checks.equal({p[len("opt/wex-power/"):] for p in other} - {"etc/xdg/autostart/wex-power.desktop"},
             {p[len("usr/"):] for p in installed if p.startswith("usr/")},
             "files installed with the prefix /opt/wex-power, compared with /usr")

checks.finish()
