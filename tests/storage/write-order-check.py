#!/usr/bin/env python3
"""Runs a data-file writer under strace and checks the order of its system calls for one
write cycle: every write of the temporary file comes before the temporary file's flush, the
flush before the rename over the data file, and a flush of the folder after the rename. This is
what keeps the data file whole after a power cut, not only after a killed process.

Usage: write-order-check.py WRITER FOLDER
"""
import os
import re
import subprocess
import sys
import tempfile

writer, folder = sys.argv[1], sys.argv[2]
data = os.path.join(folder, "Opcje.oFK")
trace = os.path.join(folder, "trace.txt")
subprocess.run(["strace", "-f", "-qq", "-o", trace,
                "-e", "trace=openat,open,write,pwrite64,writev,fsync,fdatasync,"
                      "rename,renameat,renameat2,linkat,close",
                writer, data, "A"], check=True, stdout=subprocess.DEVNULL,
               # LeakSanitizer cannot run under ptrace; the sanitizer build's writer is traced too.
               env=dict(os.environ, ASAN_OPTIONS="detect_leaks=0"))

fds = {}        # fd -> what it is: the path it was opened on, or an unnamed temporary file
names = {}      # a path given later to an unnamed file (linkat) -> that file
events = []     # (kind, file)
unnamed = 0
call = re.compile(r'^(?:\d+\s+)?(\w+)\((.*)\)\s+=\s+(-?\d+)')
for line in open(trace, encoding="utf-8", errors="replace"):
    m = call.match(line.strip())
    if not m:
        continue
    name, args, result = m.group(1), m.group(2), int(m.group(3))
    if result < 0:
        continue
    if name in ("openat", "open"):
        path = re.search(r'"([^"]*)"', args).group(1)
        if not os.path.isabs(path):
            path = os.path.join(folder, path)
        if "O_TMPFILE" in args:  # a file without a name until linkat gives it one
            unnamed += 1
            fds[result] = f"unnamed file {unnamed}"
        else:
            fds[result] = names.get(os.path.normpath(path), os.path.normpath(path))
    elif name == "linkat":
        paths = re.findall(r'"([^"]*)"', args)
        source = re.match(r'/proc/self/fd/(\d+)', paths[0])
        if source:
            names[os.path.normpath(paths[1])] = fds.get(int(source.group(1)), "?")
    elif name in ("write", "pwrite64", "writev", "fsync", "fdatasync", "close"):
        fd = int(args.split(",")[0])
        kind = "flush" if name in ("fsync", "fdatasync") else name
        if kind.startswith("write") or kind == "pwrite64":
            kind = "write"
        events.append((kind, fds.get(fd, "?")))
        if name == "close":
            fds.pop(fd, None)
    elif name.startswith("rename"):
        paths = re.findall(r'"([^"]*)"', args)
        source = os.path.normpath(os.path.join(folder, paths[0]))
        events.append(("rename", names.get(source, source),
                       os.path.normpath(os.path.join(folder, paths[1]))))

renames = [i for i, e in enumerate(events) if e[0] == "rename" and e[2] == os.path.normpath(data)]
if len(renames) != 1:
    sys.exit(f"expected one rename over the data file, found {len(renames)}")
r = renames[0]
temp = events[r][1]
writes = [i for i, e in enumerate(events) if e[0] == "write" and e[1] == temp]
flushes = [i for i, e in enumerate(events) if e[0] == "flush" and e[1] == temp]
folder_flushes = [i for i, e in enumerate(events)
                  if e[0] == "flush" and e[1] == os.path.normpath(folder) and i > r]
problems = []
if not writes:
    problems.append("the temporary file was never written")
if not flushes:
    problems.append("the temporary file was never flushed")
elif writes and max(writes) > min(flushes):
    problems.append("a write of the temporary file comes after its flush")
if flushes and min(flushes) > r:
    problems.append("the temporary file is flushed only after the rename")
if not folder_flushes:
    problems.append("the folder is not flushed after the rename")
if problems:
    sys.exit("write order: " + "; ".join(problems))
print(f"write order: {len(writes)} writes, flush, rename, folder flush")
