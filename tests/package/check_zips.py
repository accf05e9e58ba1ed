"""The Windows and web zips: exactly their files, each as built, the text of
how to play in Windows line ends, the page with the version in its footer and
no reference outside itself, beside it the manifest, the icons it names and
the worker.

Usage: check_zips.py VERSION WINDOWS_ZIP WINDOWS_EXE WEB_ZIP PAGE
"""
import json
import os
import re
import sys
import zipfile

version, windows_zip, windows_exe, web_zip, page = sys.argv[1:]
failures = []


def contents(path, names):
    with zipfile.ZipFile(path) as archive:
        listed = sorted(archive.namelist())
        if listed != sorted(names):
            failures.append(f"{path} holds {listed}, not {sorted(names)}")
            return {}
        if archive.testzip() is not None:
            failures.append(f"{path} has a damaged member")
        return {name: archive.read(name) for name in names}


def same(path, stored, name):
    with open(path, "rb") as built:
        if stored != built.read():
            failures.append(f"{name} is not {path} as built")


files = contents(windows_zip, ["vantorix.exe", "how-to-play.txt"])
if files:
    same(windows_exe, files["vantorix.exe"], "vantorix.exe")
    text = files["how-to-play.txt"]
    if not text.startswith(b"\xef\xbb\xbf" + f"Vantorix {version}\r\n".encode()):
        failures.append("how-to-play.txt does not open with its mark and 'Vantorix VERSION'")
    if re.search(rb"(?<!\r)\n", text) or not text.endswith(b"\r\n"):
        failures.append("how-to-play.txt has lines that do not end in CRLF")
    try:
        text.decode("utf-8")
    except UnicodeDecodeError as error:
        failures.append(f"how-to-play.txt is not UTF-8: {error}")

web_dir = os.path.dirname(page)
with open(os.path.join(web_dir, "manifest.webmanifest"), encoding="utf-8") as built:
    icons = [icon["src"] for icon in json.load(built)["icons"]]
files = contents(web_zip, ["index.html", "manifest.webmanifest", "sw.js", *icons])
if files:
    for name in files:
        same(page if name == "index.html" else os.path.join(web_dir, name), files[name], name)
    html = files["index.html"].decode("utf-8")
    if not re.search(f'<footer id="about" class="about">Vantorix {re.escape(version)}\\s', html):
        failures.append("the page's footer does not show 'Vantorix VERSION'")
    outside = [url for url in re.findall(r'(?:src|href)="([^"]*)"', html)
               if not url.startswith(("data:", "#"))]
    if outside:
        failures.append(f"the page refers to files outside itself: {outside}")

for failure in failures:
    print(f"FAIL: {failure}")
if failures:
    sys.exit(1)
print("ok: the Windows zip holds vantorix.exe and how-to-play.txt, the web zip index.html, "
      "its manifest, icons and worker")
