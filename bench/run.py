#!/usr/bin/env python3
"""Start-up, memory, idle and apply benchmarks of skald-config under Xvfb.

Each run starts a private copy of the program (so that nothing is written into the build's own
runtime tree) against the virtual mouse (--simulate) and measures:

  mapped    exec to the main window being mapped (the X server's MapNotify, seen by xev), ms
  exposed   exec to the program handling the window's first expose, ms
  frame     exec to the first frame painted by the view, ms
  pss       proportional set size 3 s after the window appeared, MiB
  idle_cpu  CPU time over the following 10 s of idle, in % of one core
  apply     wall time of `--simulate --apply-profile 1`, ms, against the 840 ms of delays
            that the mouse protocol mandates for an apply

and prints the median of each over the runs. The program writes the exposed and frame times
itself when SKALD_STARTUP_LOG is set (app/startup_probe.cpp).

Usage: bench/run.py [--build build] [--runs 5] [--no-idle]
"""
import argparse
import os
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
    """Notes the arrival time of every MapNotify of a top-level window on the display."""

    def __init__(self, display):
        self.proc = subprocess.Popen(["stdbuf", "-oL", "xev", "-display", display, "-root", "-event", "substructure"],
                                     stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.maps = []
        self.lock = threading.Lock()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            if line.startswith("MapNotify"):
                with self.lock:
                    self.maps.append(time.time_ns())

    def first_after(self, t0, timeout):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            with self.lock:
                later = [t for t in self.maps if t > t0]
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


def pss_mib(pid):
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            if line.startswith("Pss:"):
                return int(line.split()[1]) / 1024.0
    return float("nan")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the whole line, 12 and 13 after the name.
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def read_probe(path, timeout):
    end = time.monotonic() + timeout
    marks = {}
    while time.monotonic() < end and len(marks) < 2:
        if os.path.exists(path):
            with open(path) as f:
                for line in f:
                    what, ns = line.split()
                    marks[what] = int(ns)
        time.sleep(0.005)
    return marks


def start_run(exe, env, idle, watch):
    probe = exe + ".startup"
    env = dict(env, SKALD_STARTUP_LOG=probe)
    time.sleep(0.3)
    t0 = time.time_ns()
    proc = subprocess.Popen([exe, "--simulate"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    marks = read_probe(probe, 15)
    mapped = watch.first_after(t0, 5)
    result = {}
    if mapped:
        result["mapped"] = (mapped - t0) / 1e6
        t_mapped = mapped / 1e9
    if "mapped" in marks:
        result["exposed"] = (marks["mapped"] - t0) / 1e6
    if "frame" in marks:
        result["frame"] = (marks["frame"] - t0) / 1e6
    if mapped:
        time.sleep(max(0.0, t_mapped + 3.0 - time.time()))
        result["pss"] = pss_mib(proc.pid)
        if idle:
            c0, w0 = cpu_seconds(proc.pid), time.monotonic()
            time.sleep(10)
            c1, w1 = cpu_seconds(proc.pid), time.monotonic()
            result["idle_cpu"] = 100.0 * (c1 - c0) / (w1 - w0)
    proc.terminate()
    try:
        proc.wait(5)
    except subprocess.TimeoutExpired:
        proc.kill()
        proc.wait()
    os.remove(probe) if os.path.exists(probe) else None
    return result


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


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--no-idle", action="store_true", help="skip the 10 s idle CPU measurement")
    parser.add_argument("--exe", help="measure this executable instead of <build>/skald-config")
    args = parser.parse_args()
    build = os.path.abspath(args.build)

    xvfb, display = start_xvfb()
    watch = MapWatch(display)
    folder = tempfile.mkdtemp(prefix="skald-bench-")
    try:
        exe = install(build, folder)
        if args.exe:
            shutil.copy2(args.exe, exe)
        env = dict(os.environ, DISPLAY=display)
        env.pop("QT_QPA_PLATFORM", None)
        env.pop("QT_QUICK_BACKEND", None)
        # One run to fill the QML cache and the page cache; not counted.
        start_run(exe, env, idle=False, watch=watch)
        runs = []
        for i in range(args.runs):
            r = start_run(exe, env, idle=not args.no_idle, watch=watch)
            runs.append(r)
            print(f"run {i + 1}: " + ", ".join(f"{k} {v:.2f}" for k, v in r.items()), flush=True)
        applies = []
        for i in range(args.runs):
            ms, code, last, phases = apply_run(exe, env)
            applies.append((ms, code, phases))
            detail = ""
            if "apply" in phases and "applied" in phases:
                detail = (f" (pages ready after {phases['apply']:.0f} ms, commands "
                          f"{phases['applied'] - phases['apply']:.0f} ms, exit {ms - phases['applied']:.0f} ms later)")
            print(f"apply {i + 1}: {ms:.0f} ms, exit {code}" + (f" ({last[0]})" if code else detail), flush=True)
    finally:
        watch.close()
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(folder, ignore_errors=True)

    def median(key):
        values = [r[key] for r in runs if key in r]
        return statistics.median(values) if values else float("nan")

    print()
    print(f"exec to window mapped  {median('mapped'):8.1f} ms   (target <= 190 ms)")
    print(f"exec to window exposed {median('exposed'):8.1f} ms")
    print(f"exec to first frame    {median('frame'):8.1f} ms")
    print(f"PSS 3 s after mapping  {median('pss'):8.1f} MiB  (target <= 55 MiB)")
    if not args.no_idle:
        print(f"idle CPU over 10 s     {median('idle_cpu'):8.3f} %    (target <= 0.2 % of one core)")
    ok = [(ms, phases) for ms, code, phases in applies if code == 0]
    if ok:
        m = statistics.median(ms for ms, _ in ok)
        print(f"--apply-profile        {m:8.0f} ms   ({m / PROTOCOL_MS:.3f} x {PROTOCOL_MS:.0f} ms; target <= 1.03 x)")
        timed = [p for _, p in ok if "apply" in p and "applied" in p]
        if timed:
            ready = statistics.median(p["apply"] for p in timed)
            sending = statistics.median(p["applied"] - p["apply"] for p in timed)
            print(f"  of which             {ready:8.0f} ms to the pages being ready, {sending:.0f} ms sending")
    else:
        codes = sorted({code for _, code, _ in applies})
        m = statistics.median(ms for ms, _, _ in applies)
        print(f"--apply-profile        no successful apply (exit {codes}); median wall time {m:.0f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
