#!/usr/bin/env python3
"""Runs the launcher's twin through a few starts and tells what it did."""

import glob
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/win64")
RUN = os.path.join(BUILD, "demorun")
TOOLS = os.path.join(BUILD, "tests")
HARNESS = os.path.join(ROOT, "tests", "harness")
WINE_RUN = os.path.join(BUILD, "wine-run")
SUITE_KEY = r"HKCU\Software\Quendar\Upvane"
NAMES = {"VANTO": "the full tool", "MERAK": "the third tool", "SOLEN": "the fourth tool"}


def win(path):
    return "Z:" + path.replace("/", "\\")


def port():
    cache = open(os.path.join(BUILD, "CMakeCache.txt")).read()
    return re.search(r"VANTOLITE_UPDATE_HOST:STRING=.*:(\d+)", cache).group(1)


def wine(*args, env=None):
    """Runs a Windows program in the demo's prefix; its exit code."""
    full = dict(os.environ, VANTOLITE_RUN_FOLDER=RUN)
    full.update(env or {})
    # Output goes to a file: Wine's services keep inherited pipes open.
    with open(os.path.join(RUN, "wine.log"), "a") as log:
        return subprocess.call([WINE_RUN] + list(args), env=full, stdin=subprocess.DEVNULL,
                               stdout=log, stderr=log)


def reg_add(tool, name, value):
    wine("reg", "add", SUITE_KEY + "\\" + tool, "/v", name, "/d", value, "/f")


def reg_delete(tool, name=None):
    extra = ["/v", name] if name else []
    wine("reg", "delete", SUITE_KEY + "\\" + tool, *extra, "/f")


def publish(name, content):
    folder = os.path.join(RUN, "docroot", "pctool", "Telvane", "Q2875")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(content.encode("latin-1") if isinstance(content, str) else content)


def server_mode(mode):
    state = os.path.join(RUN, "state")
    with open(os.path.join(state, "mode"), "w") as f:
        f.write(mode)
    for _ in range(500):
        if open(os.path.join(state, "mode.ack")).read() == mode:
            return
        time.sleep(0.01)


def show_checks():
    """The four checks, made by the launcher's own code (tests/tools/update_probe)."""
    out = os.path.join(RUN, "probe.txt")
    full = dict(os.environ, VANTOLITE_RUN_FOLDER=RUN)
    with open(out, "w") as f:
        subprocess.call([WINE_RUN, os.path.join(TOOLS, "update_probe.exe")], env=full,
                        stdin=subprocess.DEVNULL, stdout=f, stderr=subprocess.DEVNULL)
    print("   the four update checks:")
    print(open(out).read().rstrip())


def package_codes():
    header = open(os.path.join(BUILD, "tests", "test_packages.h")).read()
    return dict(re.findall(r'"vanto-(\w+)\.msi", "(\{[^"]+\})"', header))


def probe(*args):
    out = os.path.join(RUN, "probe.txt")
    full = dict(os.environ, VANTOLITE_RUN_FOLDER=RUN)
    with open(out, "w") as f:
        subprocess.call([WINE_RUN, os.path.join(TOOLS, "update_probe.exe")] + list(args),
                        env=full, stdin=subprocess.DEVNULL, stdout=f, stderr=subprocess.DEVNULL)
    return open(out).read().rstrip()


def reg_value(tool, name):
    out = os.path.join(RUN, "reg.txt")
    full = dict(os.environ, VANTOLITE_RUN_FOLDER=RUN)
    with open(out, "w") as f:
        subprocess.call([WINE_RUN, "reg", "query", SUITE_KEY + "\\" + tool, "/v", name],
                        env=full, stdin=subprocess.DEVNULL, stdout=f, stderr=subprocess.DEVNULL)
    found = re.search(name + r"\s+REG_\w+\s+(.*)", open(out).read())
    return found.group(1).strip() if found else "(none)"


def prefix_path(windows_path):
    """The Linux path of a C: path of the demo's prefix."""
    rest = windows_path[3:].replace("\\", "/")
    return os.path.join(RUN, "prefix", "drive_c", rest)


def full_update_road(paths):
    codes = package_codes()
    packages = os.path.join(BUILD, "tests", "packages")
    print("\n== The whole road: a newer full tool on the server")
    wine("msiexec", "/i", win(os.path.join(packages, "vanto-old.msi")), "/qn")
    old_path = reg_value("VANTO", "FullPath")
    print("   installed the old full tool 1.0.0 from its package: %s" % old_path)
    print("   product states: " + "; ".join(probe("states", codes["old"], codes["new"]).splitlines()))
    running = subprocess.Popen([WINE_RUN, old_path],
                               env=dict(os.environ, VANTOLITE_RUN_FOLDER=RUN, VANTOLITE_STANDIN_STAY="1"),
                               stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    print("   the old full tool is running: %s" % ("yes" if running.poll() is None else "no"))
    publish("vantoversion", "2.0.0\r\n")
    publish("Vantomsi.msi", open(os.path.join(packages, "vanto-new.msi"), "rb").read())
    print("   the server offers vantoversion 2.0.0 and its package Vantomsi.msi")
    show_checks()

    run_launcher("Started with the token: stop, reinstall, then the third tool", "MERAK_CALL", paths)
    try:
        running.wait(timeout=5)
        print("   the running full tool was ended (its process is gone)")
    except subprocess.TimeoutExpired:
        print("   the running full tool is STILL RUNNING")
        running.kill()
    print("   full tool record: Version %s, FullPath %s" % (reg_value("VANTO", "Version"),
                                                           reg_value("VANTO", "FullPath")))
    print("   product states: " + "; ".join(probe("states", codes["old"], codes["new"]).splitlines()))
    left = glob.glob(os.path.join(RUN, "prefix", "drive_c", "users", "*", "AppData", "Local",
                                  "Temp", "Vantomsi.msi"))
    print("   the downloaded package in the temporary folder: %s" % ("still there" if left else "deleted"))

    print("\n== A newer full tool and a newer third tool")
    wine("msiexec", "/x", codes["new"], "/qn")
    wine("msiexec", "/i", win(os.path.join(packages, "vanto-old.msi")), "/qn")
    publish("merakversion", "2.0.1\r\n")
    show_checks()
    new_path = prefix_path(reg_value("VANTO", "FullPath").replace("Vanto-1", "Vanto-2"))
    record = new_path + ".started"
    if os.path.exists(record):
        os.remove(record)
    paths["VANTO"] = new_path
    run_launcher("Started with the token: reinstall, then the new full tool", "MERAK_CALL", paths)
    print("   full tool record: Version %s" % reg_value("VANTO", "Version"))
    publish("merakversion", "2.0.0\r\n")


def install_standins():
    folder = os.path.join(RUN, "work", "tools")
    subprocess.call(["rm", "-rf", folder])
    paths = {}
    for tool in ("VANTO", "MERAK", "SOLEN"):
        name = tool.capitalize()
        os.makedirs(os.path.join(folder, name), exist_ok=True)
        path = os.path.join(folder, name, name + ".exe")
        subprocess.check_call(["cp", os.path.join(TOOLS, "standin_tool.exe"), path])
        paths[tool] = path
        reg_add(tool, "FullPath", win(path))
    return paths


def starts(paths):
    """What each stand-in recorded since the last call, and forgets it."""
    time.sleep(0.3)
    found = []
    for tool, path in paths.items():
        record = path + ".started"
        if os.path.exists(record):
            for block in open(record, encoding="latin-1").read().split("path=")[1:]:
                line = re.search(r"cmdline=(.*)", block).group(1).rstrip("\r")
                params = re.sub(r'^"[^"]*" ?', "", line)
                found.append((tool, params))
            os.remove(record)
    return found


def run_launcher(title, tail, paths):
    print("\n== %s" % title)
    print("   command line: VantoLite.exe%s" % (" " + tail if tail else ""))
    begin = time.time()
    code = wine(win(os.path.join(BUILD, "VantoLite.exe")), *([tail] if tail else []))
    print("   the launcher ended after %.2f s with exit code %d" % (time.time() - begin, code))
    started = starts(paths)
    if not started:
        print("   it started no tool")
    for tool, params in started:
        print("   it started %s (%s) with %s" % (
            NAMES[tool], tool.capitalize() + ".exe",
            "the parameters \"%s\"" % params if params else "no parameters"))


def main():
    print("Bringing up the Windows runtime and the update server in %s ..." % RUN)
    subprocess.check_call([os.path.join(HARNESS, "runtime-up"), RUN, TOOLS, port()],
                          stdout=subprocess.DEVNULL)
    try:
        # A fresh start: nothing of an earlier demo stays installed.
        for code in package_codes().values():
            wine("msiexec", "/x", code, "/qn")
        wine("reg", "delete", r"HKCU\Software\Quendar", "/f")
        paths = install_standins()
        print("Registered stand-ins as \"FullPath\" of the full, third and fourth tool.")

        installed = {"VANTO": "3.1.1", "VANTOLITE": "1.0.0", "MERAK": "2.0.0", "SOLEN": "2.5.0"}
        for tool, version in installed.items():
            reg_add(tool, "Version", version)
        print("Installed versions: " + ", ".join("%s %s" % kv for kv in installed.items()))
        offered = {"vantoversion": "3.1.1", "vantoliteversion": "1.0.1",
                   "merakversion": "2.0.0", "solenversion": "2.6.0"}
        for name, version in offered.items():
            publish(name, version + "\r\n")
        print("On the update server: " + ", ".join("%s %s" % kv for kv in offered.items()))

        print("\n== A newer fourth tool on the server")
        show_checks()
        run_launcher("Started with the token while the fourth tool is outdated", "MERAK_CALL", paths)

        publish("solenversion", "2.5.0\r\n")
        print("\n== The server now offers the installed fourth tool (2.5.0)")
        show_checks()
        run_launcher("Started with the token", "MERAK_CALL", paths)
        run_launcher("Started with an empty command line", "", paths)
        run_launcher("Started with the token in lower case", "merak_call", paths)

        server_mode("refuse")
        print("\n== The update server refuses every connection")
        show_checks()
        publish("solenversion", "9.9.9\r\n")
        run_launcher("Started with the token, server unreachable", "MERAK_CALL", paths)
        server_mode("serve")

        publish("solenversion", "2.5.0\r\n")
        full_update_road(paths)

        reg_delete("SOLEN", "FullPath")
        run_launcher("Started after the fourth tool's \"FullPath\" was removed", "", paths)
    finally:
        subprocess.call([os.path.join(HARNESS, "runtime-down"), RUN])


if __name__ == "__main__":
    main()
