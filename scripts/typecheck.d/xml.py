# XML: GTK's builder files and examples (gtk-3-examples, gtk-4-examples), Glade's catalogs and
# templates (glade), the settings schemas of GNOME and ten of its programs and libraries, halves by
# the package's checksum. Counted: the elements a reader finds a thing by, those that carry an `id`
# attribute (a widget, a schema, a section), as ctags sees them, on the line where the id is written.
import re

PACKAGES = ["gtk-3-examples", "gtk-4-examples", "glade", "gsettings-desktop-schemas",
            "gnome-control-center-data", "gnome-settings-daemon-common", "mutter-common", "gnome-shell-common",
            "nautilus-data", "gedit-common", "evince-common", "gnome-terminal-data", "libgtk-3-common",
            "libgtk-4-common"]

def at(tag, path, lines):
    # ctags files an element on the line where its start tag ends; the id may stand above.
    written = re.compile(r"\bid\s*=\s*[\"']" + re.escape(tag.name) + r"[\"']")
    for number in range(tag.line, max(0, tag.line - 20), -1):
        if written.search(lines[number - 1]):
            return number
    return tag.line


ROW = {
    "type": "XML",
    "debian": PACKAGES,
    "files": [CORPUS + "/deb/%s/**/*.%s" % (p, e) for p in PACKAGES for e in ("xml", "ui", "glade", "xsd", "xsl")],
    "files_name": "GTK builder files, Glade, GNOME settings schemas (gtk-3-examples, glade, mutter-common, …)",
    "ctags": ("XML", "i"),
    "at": at,
    "reference_name": "ctags XML: elements with an id attribute",
}
