#!/usr/bin/python3
"""What a Windows player's system reads in our executables and libraries before it runs them.

  windows-binaries.py record EXE VERSION   the version record, the windowed subsystem, the icon
  windows-binaries.py invoker FILE...      a manifest that asks for no administrator
  windows-binaries.py stripped FILE...     no debugging notes and no symbol table

Prints what it checked, or FAILED: and every problem it found, and exits with status 1.
Runs with Debian's own Python, for which windows.sh installs pefile.
"""
import os
import re
import sys

import pefile


def record(exe, version):
    pe = pefile.PE(exe)
    major, minor, patch = (int(part) for part in version.split("."))
    shown = f"{major}.{minor}{patch}"
    fixed = pe.VS_FIXEDFILEINFO[0]
    wanted = ((major << 16) | minor, patch << 16)
    problems = []
    if (fixed.FileVersionMS, fixed.FileVersionLS) != wanted:
        problems.append("FILEVERSION is not " + version)
    if (fixed.ProductVersionMS, fixed.ProductVersionLS) != wanted:
        problems.append("PRODUCTVERSION is not " + version)
    strings = {}
    for info in pe.FileInfo[0]:
        for table in getattr(info, "StringTable", []):
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    for key, value in {"FileVersion": shown, "ProductVersion": shown, "ProductName": "Ombrix",
                       "OriginalFilename": "Ombrix.exe"}.items():
        if strings.get(key) != value:
            problems.append(f"{key} is {strings.get(key)!r}, not {value!r}")
    if pe.OPTIONAL_HEADER.Subsystem != pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"]:
        problems.append("the exe opens a console window")
    if not resources(pe, "RT_GROUP_ICON"):
        problems.append("the exe carries no icon")
    return problems, f"version {version} (shown as {shown}), a windowed program with its icon"


def resources(pe, kind):
    """The data of every resource of that kind."""
    found = []
    if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        return found
    for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        if entry.id != pefile.RESOURCE_TYPE[kind]:
            continue
        for name in entry.directory.entries:
            for language in name.directory.entries:
                data = language.data.struct
                found.append(pe.get_data(data.OffsetToData, data.Size))
    return found


def invoker(*files):
    """Without a manifest that says asInvoker, Windows elevates a program named like an
    installer of its own accord and asks for an administrator."""
    problems = []
    for file in files:
        manifests = resources(pefile.PE(file), "RT_MANIFEST")
        if not manifests:
            problems.append(f"{file} has no manifest")
            continue
        text = manifests[0].decode("utf-8", "replace")
        level = re.search(r'requestedExecutionLevel[^>]*level="([^"]*)"', text)
        if not level:
            problems.append(f"{file}'s manifest names no execution level")
        elif level.group(1) != "asInvoker":
            problems.append(f"{file} asks to run as {level.group(1)}, not asInvoker")
        if re.search(r'uiAccess="true"', text):
            problems.append(f"{file} asks for uiAccess")
    names = ", ".join(os.path.basename(file) for file in files)
    return problems, f"no administrator asked for by {names}"


def section_names(pe):
    """A long name, ".debug_info" say, is stored as "/4": its place in the string table
    that follows the symbols, which stripping keeps."""
    header = pe.FILE_HEADER
    strings = header.PointerToSymbolTable + 18 * header.NumberOfSymbols
    names = []
    for section in pe.sections:
        name = section.Name.rstrip(b"\0")
        if name.startswith(b"/") and header.PointerToSymbolTable:
            start = strings + int(name[1:])
            name = pe.__data__[start:pe.__data__.find(b"\0", start)]
        names.append(name.decode("ascii", "replace"))
    return names


def stripped(*files):
    problems = []
    for file in files:
        pe = pefile.PE(file, fast_load=True)
        notes = [name for name in section_names(pe) if name.startswith(".debug")]
        if notes:
            problems.append(f"{file} carries debugging notes: {' '.join(notes)}")
        if pe.FILE_HEADER.NumberOfSymbols:
            problems.append(f"{file} carries {pe.FILE_HEADER.NumberOfSymbols} symbols")
    return problems, f"{len(files)} binaries, none with debugging notes or symbols"


def main():
    checks = {"record": record, "invoker": invoker, "stripped": stripped}
    if len(sys.argv) < 3 or sys.argv[1] not in checks:
        sys.exit(__doc__)
    problems, done = checks[sys.argv[1]](*sys.argv[2:])
    if problems:
        sys.exit("FAILED: " + "; ".join(problems))
    print("    " + done)


main()
