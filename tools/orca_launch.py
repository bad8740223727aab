#!/usr/bin/python3
"""Starts Orca for one headless session: tools/orca_launch.py DEBUG_FILE.

Orca's own launcher refuses to start while any other Orca of the same user runs (it looks for
processes named exactly "orca"), and other sessions may run on the same machine. This one runs
Orca's launcher unchanged apart from three things: it only counts the Orcas of this session (those
carrying its ORBET_ORCA_SESSION), it names its process "orca-headless" so that it does not stop
anyone else's Orca from starting, and it writes the debug file line by line, so that a reader
sees each "SPEECH OUTPUT" as soon as Orca speaks it.
"""
import builtins
import os
import runpy
import sys

debug_file = os.path.abspath(sys.argv[1])
session = os.environ["ORBET_ORCA_SESSION"]
# The launcher's own namespace, which its functions look names up in.
launcher = runpy.run_path("/usr/bin/orca", run_name="orca_launcher")["main"].__globals__


def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if isinstance(file, str) and os.path.abspath(file) == debug_file and "w" in mode:
        buffering = 1
    return builtins.open(file, mode, buffering, *args, **kwargs)


def session_orcas():
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        if int(pid) == os.getpid():
            continue
        try:
            with builtins.open(f"/proc/{pid}/environ", "rb") as environ:
                marked = f"ORBET_ORCA_SESSION={session}".encode() in environ.read().split(b"\0")
            with builtins.open(f"/proc/{pid}/comm") as comm:
                named = comm.read().strip() == "orca-headless"
        except OSError:
            continue
        if marked and named:
            found.append(int(pid))
    return found


real_set_name = launcher["setProcessName"]
launcher["open"] = line_buffered_open
launcher["otherOrcas"] = session_orcas
launcher["setProcessName"] = lambda name: real_set_name("orca-headless")
sys.argv = ["orca", "--debug-file", debug_file]
sys.exit(launcher["main"]())
