#!/usr/bin/env python3
"""Makes the launcher's pictures and keeps the window descriptions in step with them.

  make_pictures.py            writes forms/pictures/*.bmp and refreshes the Glyph.Data and
                              Picture.Data lines of the forms that show them
  make_pictures.py --check    changes nothing; exits 1 if a picture file or a form is out of date
  make_pictures.py --preview DIR
                              also writes each picture as a PPM file into DIR, for viewing
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of caches
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "pictures"))

import art  # noqa: E402
import bmp  # noqa: E402
import glyphs  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FORMS = os.path.join(ROOT, "forms")
PICTURES = os.path.join(FORMS, "pictures")

# Where each picture is shown: (form file, component, property, picture file).
USES = [
    ("frm_main.form", "Win95SpeedButton3", "Glyph.Data", "glyph_run.bmp"),
    ("frm_main.form", "Win95SpeedButton2", "Glyph.Data", "glyph_about.bmp"),
    ("frm_main.form", "Win95SpeedButton4", "Glyph.Data", "glyph_exit.bmp"),
    ("frm_main.form", "Win95SpeedButton5", "Glyph.Data", "glyph_hand.bmp"),
    ("frm_main.form", "Win95SpeedButton6", "Glyph.Data", "glyph_hand.bmp"),
    ("splash.form", "Image1", "Picture.Data", "splash.bmp"),
    ("about_box.form", "Image2", "Picture.Data", "about.bmp"),
]

ROW_BYTES = 32  # bytes per row of binary data in description text


def pictures():
    """Every picture file's name and bytes."""
    out = {
        "splash.bmp": bmp.encode(art.emblem(200), art.palette(), rle=True),
        "about.bmp": bmp.encode(art.emblem(100), art.palette(), rle=True),
    }
    for name, drawing in glyphs.GLYPHS.items():
        out["glyph_%s.bmp" % name] = bmp.encode(glyphs.glyph(drawing), glyphs.COLOURS)
    for name, data in out.items():  # every file must read back to what was painted
        rows, palette, _ = bmp.decode(data)
        if bmp.encode(rows, palette, rle=name in ("splash.bmp", "about.bmp")) != data:
            raise SystemExit("%s does not survive a round trip" % name)
    return out


def binary_lines(prop, data, indent):
    """The description lines of a binary property: rows of 32 bytes one level deeper."""
    hexes = data.hex().upper()
    step = 2 * ROW_BYTES
    rows = [hexes[i:i + step] for i in range(0, len(hexes), step)]
    lines = [" " * indent + prop + " = {"]
    lines += [" " * (indent + 2) + r for r in rows]
    lines[-1] += "}"
    return lines


def refresh_form(text, component, prop, data):
    """The form text with `prop` of `component` holding `data`; the property must be present."""
    lines = text.split("\n")
    for i, line in enumerate(lines):
        stripped = line.lstrip(" ")
        if not stripped.startswith(prop + " = {"):
            continue
        indent = len(line) - len(stripped)
        owner = next((lines[k] for k in range(i - 1, -1, -1)
                      if lines[k].startswith(" " * (indent - 2) + "object ")), "")
        if owner.strip().split(" ")[1:2] != [component + ":"]:
            continue
        end = i
        while not lines[end].rstrip().endswith("}"):
            end += 1
        lines[i:end + 1] = binary_lines(prop, data, indent)
        return "\n".join(lines)
    raise SystemExit("%s has no %s line (write '%s = {}' there first)" % (component, prop, prop))


def main(argv):
    check = "--check" in argv
    preview = argv[argv.index("--preview") + 1] if "--preview" in argv else None
    made = pictures()
    stale = []
    os.makedirs(PICTURES, exist_ok=True)
    for name, data in made.items():
        path = os.path.join(PICTURES, name)
        old = open(path, "rb").read() if os.path.exists(path) else None
        if old != data:
            stale.append(path)
            if not check:
                open(path, "wb").write(data)
        if preview:
            os.makedirs(preview, exist_ok=True)
            rows, palette, _ = bmp.decode(data)
            open(os.path.join(preview, name[:-4] + ".ppm"), "wb").write(bmp.to_ppm(rows, palette))
    for form in sorted({u[0] for u in USES}):
        path = os.path.join(FORMS, form)
        text = open(path, newline="").read()
        new = text
        for _, component, prop, picture in (u for u in USES if u[0] == form):
            new = refresh_form(new, component, prop, made[picture])
        if new != text:
            stale.append(path)
            if not check:
                open(path, "w", newline="").write(new)
    for path in stale:
        print(("out of date: " if check else "wrote ") + os.path.relpath(path, ROOT))
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
