#!/usr/bin/env python3
"""Start-up, memory, idle and apply benchmarks of skald-config under Xvfb, beside a bare window.

Each round starts a private copy of the program (so that nothing is written into the build's own
runtime tree) against the virtual mouse (--simulate) and, right after it, the bare Qt Quick window
of the same size on the same software scene graph (<build>/bench/skald-bare-window, made from
bench/bare_window/), and measures for both:

  mapped    exec to the main window being mapped (the X server's MapNotify, seen by xev), ms
  rss       resident set size 3 s after the window appeared, MiB, split into its anonymous part
            (heap, JavaScript heap, decoded images, buffers), its file-backed part (libraries,
            fonts, the executable) and shared memory (the X server's shared window buffer)
  pss       proportional set size at the same moment, MiB (moves with whatever else shares the
            Qt libraries on the machine; RSS is the stable figure)
  idle_cpu  CPU time over the following 10 s of idle, in % of one core

and of the program alone:

  exposed   exec to the program handling the window's first expose, ms
  frame     exec to the first frame painted by the view, ms
  hidden    RSS and its anonymous part 3 s after the window's close button hid it in the tray
            (a tray host, trayer, is started for this step only)
  apply     wall time of `--simulate --apply-profile 1`, ms, against the 840 ms of delays
            that the mouse protocol mandates for an apply, and its steps: exec to main(), the
            window built, the pages built and ready (first initUI), the commands sent, the
            window torn down, the process ended

It prints the median of each over the rounds, the program's figures as ratios of the bare
window's, and the resident memory of the last round by mapping. The program writes the exposed,
frame and apply marks itself when SKALD_STARTUP_LOG is set (app/startup_probe.cpp).

Usage: bench/run.py [--build build] [--runs 5] [--no-idle] [--exe other/skald-config]
"""
import argparse
import collections
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

# An apply sends the key matrix and the profile block (each 10 ms, 128 ms settle, two 8 ms
# payload reports, 128 ms settle: 282 ms), the report rate and the lift-off height (each 10 ms
# and 128 ms settle: 138 ms).
PROTOCOL_MS = 2 * 282.0 + 2 * 138.0

# The window's close button (window coordinates): the program hides in the tray.
CLOSE_BUTTON = (984, 14)


def start_xvfb():
    r, w = os.pipe()
    proc = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    display = b""
    while not display.endswith(b"\n"):
        chunk = os.read(r, 16)
        if not chunk:
            break
        display += chunk
    os.close(r)
    return proc, ":" + display.decode().strip()


class MapWatch:
    """Notes the arrival time of every MapNotify and UnmapNotify of a top-level window on the display."""

    def __init__(self, display):
        self.proc = subprocess.Popen(["stdbuf", "-oL", "xev", "-display", display, "-root", "-event", "substructure"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.events = {"MapNotify": [], "UnmapNotify": []}
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            kind = line.split(" ", 1)[0]
            if kind in self.events:
                with self.lock:
                    self.events[kind].append(time.time_ns())

    def first_after(self, t0, timeout, kind="MapNotify"):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                later = [t for t in self.events[kind] if t > t0]
            if later:
                return later[0]
            time.sleep(0.002)
        return None

    def close(self):
        self.proc.terminate()
        self.proc.wait()


def install(build, folder):
    shutil.copy2(os.path.join(build, "skald-config"), folder)
    shutil.copytree(os.path.join(build, "modules"), os.path.join(folder, "modules"))
    if os.path.exists(os.path.join(build, "HZK16")):
        shutil.copy2(os.path.join(build, "HZK16"), folder)
    return os.path.join(folder, "skald-config")


def memory(pid):
    """RSS and its parts (MiB) from /proc/<pid>/status, PSS from smaps_rollup."""
    fields = {}
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            key, _, value = line.partition(":")
            if key in ("VmRSS", "RssAnon", "RssFile", "RssShmem"):
                fields[key] = int(value.split()[0]) / 1024.0
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            if line.startswith("Pss:"):
                fields["Pss"] = int(line.split()[1]) / 1024.0
    return {"rss": fields.get("VmRSS"), "anon": fields.get("RssAnon"), "file": fields.get("RssFile"),
            "shmem": fields.get("RssShmem"), "pss": fields.get("Pss")}


MAPPING = re.compile(r"^([0-9a-f]+)-([0-9a-f]+) (\S+) \S+ \S+ \S+\s*(.*)$")


def mappings(pid):
    """Every mapping of /proc/<pid>/smaps as (name, size KiB, Rss KiB, Anonymous KiB)."""
    result = []
    current = None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            m = MAPPING.match(line)
            if m:
                if current:
                    result.append(current)
                size = (int(m.group(2), 16) - int(m.group(1), 16)) // 1024
                current = [m.group(4).strip() or "[anonymous]", size, 0, 0]
            elif current and line.startswith("Rss:"):
                current[2] = int(line.split()[1])
            elif current and line.startswith("Anonymous:"):
                current[3] = int(line.split()[1])
    if current:
        result.append(current)
    return result


def breakdown(pid):
    """Resident memory grouped by what is mapped: each file (all its segments together), the
    heap, the stacks, shared memory, and the unnamed anonymous mappings by their size, which
    tells the malloc arenas and the JavaScript heap (large, round) from single big buffers."""
    groups = collections.defaultdict(lambda: [0, 0, 0])
    for name, size, rss, anon in mappings(pid):
        if name == "[anonymous]":
            key = f"[anonymous {size // 1024} MiB mappings]" if size >= 1024 else "[anonymous, under 1 MiB each]"
        elif name.startswith("/SYSV") or name.startswith("/dev/shm") or name.startswith("/memfd:"):
            key = "[shared memory]"
        elif name.startswith("/"):
            key = os.path.basename(name.replace(" (deleted)", ""))
        else:
            key = name
        groups[key][0] += rss
        groups[key][1] += anon
        groups[key][2] += 1
    return groups


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def read_probe(path, timeout):
    end = time.monotonic() + timeout
    marks = {}
    while time.monotonic() < end and "frame" not in marks:
        if os.path.exists(path):
            with open(path) as f:
                for line in f:
                    what, ns = line.split()
                    marks[what] = int(ns)
        time.sleep(0.005)
    return marks


def main_window(proc, env):
    """The program's main window (its tray icon is a window too), or None."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)], env=env,
                           capture_output=True, text=True)
    for window in found.stdout.split():
        geometry = subprocess.run(["xdotool", "getwindowgeometry", window], env=env, capture_output=True, text=True)
        if "Geometry: 1000x640" in geometry.stdout:
            return window
    return None


def hide_in_tray(proc, env, watch):
    """Starts a tray host and clicks the window's close button. Returns (hidden, tray host):
    hidden once the window is unmapped, not minimised, and the program runs on; the tray host's
    process (or None) for the caller to end."""
    window = main_window(proc, env)
    if not window or not shutil.which("trayer"):
        return False, None
    # Only now: a tray host's own windows and the embedded icon would spoil the mapping figures.
    tray = subprocess.Popen(["trayer", "--edge", "bottom", "--align", "right", "--widthtype", "request"],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.5)
    t0 = time.time_ns()
    subprocess.run(["xdotool", "mousemove", "--window", window, str(CLOSE_BUTTON[0]), str(CLOSE_BUTTON[1]),
                    "click", "1"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    hidden = bool(watch.first_after(t0, 3, "UnmapNotify")) and proc.poll() is None
    # Without a tray the close button minimises, which unmaps the window too.
    state = subprocess.run(["xprop", "-id", window, "WM_STATE"], env=env, capture_output=True, text=True).stdout
    return hidden and "Iconic" not in state, tray


def start_run(cmd, env, idle, watch, probe=None, hide=False):
    if probe:
        env = dict(env, SKALD_STARTUP_LOG=probe)
    time.sleep(0.3)
    t0 = time.time_ns()
    proc = subprocess.Popen(cmd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    marks = read_probe(probe, 15) if probe else {}
    mapped = watch.first_after(t0, 15)
    result, groups = {}, None
    if mapped:
        result["mapped"] = (mapped - t0) / 1e6
        t_mapped = mapped / 1e9
    if "mapped" in marks:
        result["exposed"] = (marks["mapped"] - t0) / 1e6
    if "frame" in marks:
        result["frame"] = (marks["frame"] - t0) / 1e6
    if mapped:
        time.sleep(max(0.0, t_mapped + 3.0 - time.time()))
        result.update(memory(proc.pid))
        groups = breakdown(proc.pid)
        if idle:
            c0, w0 = cpu_seconds(proc.pid), time.monotonic()
            time.sleep(10)
            c1, w1 = cpu_seconds(proc.pid), time.monotonic()
            result["idle_cpu"] = 100.0 * (c1 - c0) / (w1 - w0)
        if hide:
            hidden, tray = hide_in_tray(proc, env, watch)
            if hidden:
                time.sleep(3)
                memory_hidden = memory(proc.pid)
                result["hidden_rss"], result["hidden_anon"] = memory_hidden["rss"], memory_hidden["anon"]
            if tray:
                tray.terminate()
                tray.wait()
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    if probe and os.path.exists(probe):
        os.remove(probe)
    return result, groups


def apply_run(exe, env):
    probe = exe + ".apply"
    if os.path.exists(probe):
        os.remove(probe)
    env = dict(env, SKALD_STARTUP_LOG=probe)
    t0 = time.time_ns()
    proc = subprocess.run([exe, "--simulate", "--apply-profile", "1"], env=env,
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, timeout=60)
    ms = (time.time_ns() - t0) / 1e6
    marks = {}
    if os.path.exists(probe):
        with open(probe) as f:
            for line in f:
                what, ns = line.split()
                marks[what] = int(ns)
    phases = {k: (v - t0) / 1e6 for k, v in marks.items()}
    return ms, proc.returncode, proc.stderr.decode(errors="replace").strip().splitlines()[-1:] or [""], phases


# The moments an apply marks, in order, and what lies between each and the one before it.
APPLY_STEPS = (("main", "exec to main"), ("window", "window built"), ("apply", "pages ready"),
               ("applied", "sending"), ("ended", "tear-down"))


def apply_steps(ms, phases):
    """(what, ms) for each step of an apply that the program marked, the process's exit last."""
    steps, last = [], 0.0
    for mark, label in APPLY_STEPS:
        if mark in phases:
            steps.append((label, phases[mark] - last))
            last = phases[mark]
    steps.append(("exit", ms - last))
    return steps


def print_breakdown(title, groups, count=14):
    total = sum(g[0] for g in groups.values())
    print(f"\n{title}: RSS {total / 1024:.1f} MiB by mapping (KiB; the biggest {count})")
    print(f"  {'resident':>9} {'anonymous':>9} {'maps':>4}  mapped")
    for name, (rss, anon, n) in sorted(groups.items(), key=lambda kv: -kv[1][0])[:count]:
        print(f"  {rss:9d} {anon:9d} {n:4d}  {name}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--no-idle", action="store_true", help="skip the 10 s idle CPU measurement")
    parser.add_argument("--exe", help="measure this executable instead of <build>/skald-config")
    parser.add_argument("--only", choices=("start", "apply"), help="measure only the start-up or only the apply")
    args = parser.parse_args()
    build = os.path.abspath(args.build)
    bare = os.path.join(build, "bench", "skald-bare-window")
    if not os.path.exists(bare):
        print(f"{bare} is missing: build the project first", file=sys.stderr)
        return 2

    xvfb, display = start_xvfb()
    watch = MapWatch(display)
    folder = tempfile.mkdtemp(prefix="skald-bench-")
    runs, bare_runs = [], []
    groups = bare_groups = None
    try:
        exe = install(build, folder)
        if args.exe:
            shutil.copy2(args.exe, exe)
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("QT_QUICK_BACKEND", None)
        probe = exe + ".startup"
        # One run of each to fill the QML caches and the page cache; not counted.
        if args.only != "apply":
            start_run([exe, "--simulate"], env, False, watch, probe)
            start_run([bare], env, False, watch)
        for i in range(args.runs if args.only != "apply" else 0):
            r, groups = start_run([exe, "--simulate"], env, not args.no_idle, watch, probe, hide=True)
            b, bare_groups = start_run([bare], env, not args.no_idle, watch)
            runs.append(r)
            bare_runs.append(b)
            print(f"round {i + 1}: program " + ", ".join(f"{k} {v:.2f}" for k, v in r.items()), flush=True)
            print(f"         bare    " + ", ".join(f"{k} {v:.2f}" for k, v in b.items()), flush=True)
        applies = []
        for i in range(args.runs if args.only != "start" else 0):
            ms, code, last, phases = apply_run(exe, env)
            applies.append((ms, code, phases))
            detail = " (" + ", ".join(f"{label} {d:.0f}" for label, d in apply_steps(ms, phases)) + ")"
            print(f"apply {i + 1}: {ms:.0f} ms, exit {code}" + (f" ({last[0]})" if code else detail), flush=True)
    finally:
        watch.close()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(folder, ignore_errors=True)

    def median(rows, key):
        values = [r[key] for r in rows if r.get(key) is not None]
        return statistics.median(values) if values else float("nan")

    def row(label, key, unit, goal=None, digits=1):
        p, b = median(runs, key), median(bare_runs, key)
        ratio = f"{p / b:5.2f} x" if b == b and b > 0 else "       "
        print(f"{label:26} {p:9.{digits}f} {unit:3} {b:9.{digits}f} {unit:3} {ratio}" + (f"   (goal <= {goal} x)" if goal else ""))

    if runs:
        print()
        print(f"{'':26} {'program':>13} {'bare window':>13}   ratio")
        row("exec to window mapped", "mapped", "ms", 1.2)
        print(f"{'exec to window exposed':26} {median(runs, 'exposed'):9.1f} ms")
        print(f"{'exec to first frame':26} {median(runs, 'frame'):9.1f} ms")
        row("RSS 3 s after mapping", "rss", "MiB", 1.4)
        row("  anonymous", "anon", "MiB", 2)
        row("  file-backed", "file", "MiB")
        row("  shared memory", "shmem", "MiB")
        row("PSS 3 s after mapping", "pss", "MiB")
        hidden = median(runs, "hidden_rss")
        if hidden == hidden:
            shown = median(runs, "rss")
            print(f"{'RSS hidden in the tray':26} {hidden:9.1f} MiB ({hidden - shown:+.1f} MiB against shown)")
            print(f"{'  anonymous':26} {median(runs, 'hidden_anon'):9.1f} MiB "
                  f"({median(runs, 'hidden_anon') - median(runs, 'anon'):+.1f} MiB against shown)")
        else:
            print(f"{'RSS hidden in the tray':26} not measured: no tray host (trayer), or the close button did not hide the window")
        if not args.no_idle:
            row("idle CPU over 10 s, %", "idle_cpu", "%", digits=3)
    if applies:
        ok = [(ms, phases) for ms, code, phases in applies if code == 0]
        if ok:
            m = statistics.median(ms for ms, _ in ok)
            print(f"{'--apply-profile':26} {m:9.0f} ms  ({m / PROTOCOL_MS:.3f} x {PROTOCOL_MS:.0f} ms of protocol delays;"
                  " goal <= 1.03 x)")
            steps = collections.defaultdict(list)
            for ms, p in ok:
                for label, d in apply_steps(ms, p):
                    steps[label].append(d)
            print("  " + ", ".join(f"{label} {statistics.median(d):.0f}" for label, d in steps.items()) + " ms")
        else:
            codes = sorted({code for _, code, _ in applies})
            m = statistics.median(ms for ms, _, _ in applies)
            print(f"--apply-profile        no successful apply (exit {codes}); median wall time {m:.0f} ms")
    if groups:
        print_breakdown("program", groups)
    if bare_groups:
        print_breakdown("bare window", bare_groups)
    return 0


if __name__ == "__main__":
    sys.exit(main())
