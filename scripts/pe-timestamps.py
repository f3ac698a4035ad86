#!/usr/bin/python3
"""Dates every time stamp in Windows executables and libraries to SOURCE_DATE_EPOCH.

  pe-timestamps.py FILE...

The linker stamps a library's header and its table of exports with the time it ran; strip
restamps the header alone. Qt's libraries, built once and cached, would carry the day that
cache was made, and two builders would ship different bytes. Without SOURCE_DATE_EPOCH the
files are left as they are.
"""
import os
import sys

import pefile


def main():
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    if not epoch:
        return
    wanted = [pefile.DIRECTORY_ENTRY[name] for name in (
        "IMAGE_DIRECTORY_ENTRY_EXPORT", "IMAGE_DIRECTORY_ENTRY_RESOURCE",
        "IMAGE_DIRECTORY_ENTRY_DEBUG")]
    for file in sys.argv[1:]:
        pe = pefile.PE(file, fast_load=True)
        pe.parse_data_directories(directories=wanted)
        stamped = [pe.FILE_HEADER]
        for directory in ("DIRECTORY_ENTRY_EXPORT", "DIRECTORY_ENTRY_RESOURCE"):
            if hasattr(pe, directory):
                stamped.append(getattr(pe, directory).struct)
        stamped += [entry.struct for entry in getattr(pe, "DIRECTORY_ENTRY_DEBUG", [])]
        for struct in stamped:
            struct.TimeDateStamp = int(epoch)
        summed = pe.OPTIONAL_HEADER.CheckSum
        data = pe.write()
        pe.close()
        if summed:
            # The checksum covers the stamps just written.
            pe = pefile.PE(data=bytes(data), fast_load=True)
            pe.OPTIONAL_HEADER.CheckSum = pe.generate_checksum()
            data = pe.write()
        with open(file, "wb") as out:
            out.write(data)

main()
