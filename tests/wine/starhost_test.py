#!/usr/bin/env python3
"""starhost.exe as a user runs it: the plug-in's defaults accepted, the object written as
OBJ, the calls as a trace. Usage: starhost_test.py WINE_RUN STARHOST PLUGIN"""
import os
import subprocess
import sys
import tempfile

wine_run, starhost, plugin = sys.argv[1:4]
failures = []


def run(*args):
    p = subprocess.run([wine_run, starhost, plugin, *args], capture_output=True, text=True,
                       encoding="latin-1", stdin=subprocess.DEVNULL)
    return p.returncode, p.stdout


def expect(name, condition):
    print("%s: %s" % ("ok" if condition else "FAILED", name))
    if not condition:
        failures.append(name)


with tempfile.TemporaryDirectory() as tmp:
    obj, trace, svg = (os.path.join(tmp, n) for n in ("star.obj", "trace.txt", "star.svg"))
    status, out = run("--material", "2", "--dialog", "ok", "--obj", obj, "--trace", trace, "--svg", svg)
    expect("defaults accepted: exit 0", status == 0)
    expect("the protocol is reported", "MQInit = 1" in out and "MQCreate(0) = 1" in out)
    lines = open(obj).read().splitlines() if os.path.exists(obj) else []
    expect("15 vertices", sum(l.startswith("v ") for l in lines) == 15)
    expect("14 triangles", sum(l.startswith("f ") for l in lines) == 14)
    expect("first and last triangles", "f 1 15 2" in lines and "f 14 15 1" in lines)
    expect("material 2", "usemtl material2" in lines)
    calls = open(trace).read().splitlines() if os.path.exists(trace) else []
    expect("trace from the window to the current object",
           calls[:1] == ["MQ_GetWindowHandle() -> window"] and calls[-1:] == ["MQDoc_SetCurrentObjectIndex(doc, 0)"])
    expect("svg written", os.path.exists(svg) and open(svg).read().startswith("<svg"))

    status, out = run("--command", "1")
    expect("index 1: no command", status == 0 and "MQCreate(1) = 0" in out)
    status, out = run("--host-version", "0x100")
    expect("an old host is declined", status == 1 and "MQCheckVersion(0x100) = 0x0" in out)

print("%d passed, %d failed" % (11 - len(failures), len(failures)))
sys.exit(1 if failures else 0)
