#!/usr/bin/env python3
"""Fails when a folder of src/ includes a folder that src/layers.txt does not allow it."""
import pathlib
import re
import sys

src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[2] / "src")
allowed = {}
for line in (src / "layers.txt").read_text().splitlines():
    line = line.split("#", 1)[0].strip()
    if not line:
        continue
    folder, _, below = line.partition(":")
    allowed[folder.strip()] = set(below.split()) | {folder.strip()}

include = re.compile(r'^\s*#\s*include\s+"([^"/]+)/')
faults = []
for path in sorted(src.rglob("*")):
    if path.suffix not in (".h", ".cpp"):
        continue
    folder = path.relative_to(src).parts[0]
    if folder not in allowed:
        faults.append(f"{path}: folder {folder} is not in layers.txt")
        continue
    for number, text in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        match = include.match(text)
        if match and match.group(1) not in allowed[folder]:
            faults.append(f"{path}:{number}: {folder} may not include {match.group(1)}/")

for fault in faults:
    print(fault)
print(f"{len(faults)} include(s) against the layers" if faults else "every include follows the layers")
sys.exit(1 if faults else 0)
