#!/usr/bin/env python3
"""Footprint of the running application: starts norrid_testapp as a user would run it, in a
session of its own (Xvfb, an XEmbed tray host, a D-Bus session bus, an unlocked gnome-keyring
holding the token) against bench_fakejira serving a 100-card column, and prints:

  - start-up: from process start to the first request at the fake Jira, and to the tray icon
    being embedded in the tray;
  - memory (RSS, PSS, private = written by Norrid) after settling, before the popover was ever opened, then with the
    popover open and after it closed, with the largest mappings; the popover lets its scene go a
    minute after it closed, which the report 90 s into the idle stretch shows;
  - how long the popover takes to appear after a click: the first time (Qt Quick is loaded then)
    and again once its scene was let go (measured by polling the window, ~20 ms steps);
  - over an idle stretch: CPU time and wake-ups (context switches of all threads) per minute,
    CPU time per poll, and bytes on the wire per poll.

  - the floor: a bare Qt tray icon with a menu (bench_bare_tray), without and with Qt's TLS backend,
    in the same session, for what any Qt tray program holds.

Run through bench/footprint.sh. Figures only; nothing is judged. Environment:
  NORRID_FOOTPRINT_IDLE_SECONDS  length of the idle stretch per backend (default 600)
  NORRID_FOOTPRINT_BACKENDS      "software opengl" (default) or one of them
  NORRID_FOOTPRINT_ENV           extra VAR=value words for Norrid, e.g. "MALLOC_ARENA_MAX=2"
  NORRID_FOOTPRINT_POLL_SECONDS  the poll interval in Norrid's settings (default 60, at least 15)
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

# The poll interval written into the settings: the default, unless a run wants more polls.
POLL_SECONDS = max(15, int(os.environ.get("NORRID_FOOTPRINT_POLL_SECONDS", "60")))


def log(text=""):
    print(text, flush=True)


def mib(kib):
    return f"{kib / 1024:.1f} MiB"


class Session:
    """Every process of one measured run; all are stopped by their own process ids."""

    def __init__(self, build):
        self.build = build
        self.root = tempfile.mkdtemp(prefix="norrid-footprint.")
        self.processes = []
        self.keyring_pid = None
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        self.env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "LANG": "C.UTF-8",
        }
        for key in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"):
            os.makedirs(self.env[key])

    def spawn(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=kwargs.pop("env", self.env), **kwargs)
        self.processes.append(process)
        return process

    def run(self, argv, **kwargs):
        return subprocess.run(argv, env=self.env, capture_output=True, text=True, timeout=30, **kwargs)

    def start_display(self):
        read_end, write_end = os.pipe()
        self.spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                   pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def start_bus(self):
        bus = self.spawn(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()

    def start_keyring(self, token):
        password = "norrid-footprint-keyring"
        started = subprocess.run(["gnome-keyring-daemon", "--daemonize", "--unlock", "--components=secrets"],
                                 env=self.env, input=password, capture_output=True, text=True, timeout=30)
        for line in started.stdout.splitlines():
            if line.startswith("GNOME_KEYRING_PID="):
                self.keyring_pid = int(line.split("=", 1)[1])
        for _ in range(100):
            if self.name_has_owner("org.freedesktop.secrets"):
                break
            time.sleep(0.05)
        # The token goes in through standard input, as Norrid itself would store it.
        subprocess.run([os.path.join(self.build, "bench", "bench_store_token")], env=self.env, input=token,
                       text=True, check=True, timeout=30, stdout=subprocess.DEVNULL)

    def name_has_owner(self, name):
        result = self.run(["dbus-send", "--session", "--print-reply=literal", "--dest=org.freedesktop.DBus",
                           "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:" + name])
        return "true" in result.stdout

    def start_tray(self):
        self.spawn(["trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height", "24",
                    "--SetDockType", "true", "--expand", "true"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(200):
            if self.run(["xdotool", "search", "--class", "trayer"]).stdout.strip():
                return
            time.sleep(0.05)
        raise RuntimeError("trayer did not start")

    def close(self):
        if self.keyring_pid:
            try:
                os.kill(self.keyring_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.root, ignore_errors=True)


class FakeJira:
    def __init__(self, session, extra_args=()):
        self.process = session.spawn([os.path.join(session.build, "bench", "bench_fakejira"), "--cards", "100",
                                      *extra_args],
                                     stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True, bufsize=1)
        self.site = self.ca = None
        self.first_request_ms = None
        while self.site is None or self.ca is None:
            self.handle(self.process.stdout.readline())

    def handle(self, line):
        if not line:
            raise RuntimeError("bench_fakejira stopped")
        word, _, rest = line.strip().partition(" ")
        if word == "site":
            self.site = rest
        elif word == "ca":
            self.ca = rest
        elif word == "first-request":
            self.first_request_ms = int(rest)
        return word, rest

    def stats(self):
        self.process.stdin.write("stats\n")
        self.process.stdin.flush()
        while True:
            word, rest = self.handle(self.process.stdout.readline())
            if word == "stats":
                values = rest.split()
                return dict(zip(values[0::2], map(int, values[1::2])))

    def wait_first_request(self, timeout):
        import select
        deadline = time.time() + timeout
        while self.first_request_ms is None and time.time() < deadline:
            ready, _, _ = select.select([self.process.stdout], [], [], 0.05)
            if ready:
                self.handle(self.process.stdout.readline())
        return self.first_request_ms


def read_kib(path, names):
    totals = dict.fromkeys(names, 0)
    with open(path) as f:
        for line in f:
            name, _, value = line.partition(":")
            if name in totals:
                totals[name] += int(value.split()[0])
    return totals


def memory(pid):
    rss = read_kib(f"/proc/{pid}/status", ["VmRSS"])["VmRSS"]
    rollup = read_kib(f"/proc/{pid}/smaps_rollup", ["Pss", "Private_Clean", "Private_Dirty"])
    # Private means written by this process (Private_Dirty). Clean private pages are file pages
    # that no other process happens to map right now: the same library pages count as shared as
    # soon as another Qt program runs, so they are shown apart.
    return {"rss": rss, "pss": rollup["Pss"], "private": rollup["Private_Dirty"],
            "clean": rollup["Private_Clean"]}


def largest_mappings(pid, count=8):
    """Private and resident memory per mapped file ([heap] and anonymous mappings by name)."""
    groups = {}
    current = None
    header = re.compile(r"^[0-9a-f]+-[0-9a-f]+ ")
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            if header.match(line):
                fields = line.split(None, 5)
                name = fields[5].strip() if len(fields) > 5 else "[anonymous]"
                current = groups.setdefault(os.path.basename(name) if name.startswith("/") else name,
                                            {"rss": 0, "private": 0})
            elif current is not None:
                key, _, value = line.partition(":")
                if key == "Rss":
                    current["rss"] += int(value.split()[0])
                elif key == "Private_Dirty":
                    current["private"] += int(value.split()[0])
    def top(key):
        ranked = sorted(groups.items(), key=lambda item: item[1][key], reverse=True)[:count]
        return ", ".join(f"{name} {mib(v[key])}" for name, v in ranked)

    anonymous = sum(v["rss"] for name, v in groups.items() if not name.startswith(("lib", "norrid")) and "." not in name)
    return (f"by private: {top('private')}\n    by resident: {top('rss')}\n"
            f"    resident in mapped files {mib(sum(v['rss'] for v in groups.values()) - anonymous)}, "
            f"in heap and other anonymous memory {mib(anonymous)}")


class ThreadCounters:
    """CPU nanoseconds and context switches of the whole process: every thread's own counters,
    keeping the last figures of threads that have ended since they were first seen."""

    def __init__(self, pid):
        self.pid = pid
        self.last = {}

    def read(self):
        for task in os.listdir(f"/proc/{self.pid}/task"):
            try:
                with open(f"/proc/{self.pid}/task/{task}/schedstat") as f:
                    cpu = int(f.read().split()[0])
                switches = 0
                with open(f"/proc/{self.pid}/task/{task}/status") as f:
                    for line in f:
                        if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                            switches += int(line.split()[1])
                self.last[task] = (cpu, switches)
            except (FileNotFoundError, ProcessLookupError):
                pass
        return sum(v[0] for v in self.last.values()), sum(v[1] for v in self.last.values())


def thread_count(pid):
    return len(os.listdir(f"/proc/{pid}/task"))


def tray_icon_window(session, pid):
    """The window of Norrid that the tray host has embedded, or None."""
    windows = session.run(["xdotool", "search", "--pid", str(pid)]).stdout.split()
    for window in windows:
        tree = session.run(["xwininfo", "-children", "-id", window]).stdout
        match = re.search(r"Parent window id: (0x[0-9a-f]+)(.*)", tree)
        if match and "root window" not in match.group(2):
            return window
    return None


def popover_visible(session, pid):
    """Whether a window of Norrid that is as wide as the popover (360) is mapped."""
    for window in session.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)]).stdout.split():
        geometry = session.run(["xdotool", "getwindowgeometry", "--shell", window]).stdout
        if "WIDTH=360" in geometry.split():
            return True
    return False


def describe(label, figures):
    log(f"  {label}: rss {mib(figures['rss'])}, pss {mib(figures['pss'])}, private {mib(figures['private'])} "
        f"(+ {mib(figures['clean'])} clean file pages no other process maps now)")


def click_and_time_popover(session, pid, icon):
    """Clicks the tray icon and returns how long the popover took to be mapped, in ms (or None)."""
    geometry = session.run(["xdotool", "getwindowgeometry", "--shell", icon]).stdout
    values = dict(line.split("=", 1) for line in geometry.split())
    x = int(values["X"]) + int(values["WIDTH"]) // 2
    y = int(values["Y"]) + int(values["HEIGHT"]) // 2
    session.run(["xdotool", "mousemove", str(x), str(y)])
    clicked = time.time()
    session.run(["xdotool", "click", "1"])
    while time.time() - clicked < 10:
        if popover_visible(session, pid):
            return (time.time() - clicked) * 1000
    return None


EMAIL = "bench@example.com"


def start_desktop(session, token, poll_seconds, columns=None, jira_args=()):
    """What Norrid meets at login: a display, a bus, a keyring holding the token, the fake Jira with
    Norrid's settings pointing at it, and an XEmbed tray. columns: (board, status) pairs to watch,
    the first one the settings' own keys (default: board 7, "In Review"). Returns the fake Jira and
    the environment to start norrid_testapp with."""
    session.start_display()
    session.start_bus()
    session.start_keyring(token)
    jira = FakeJira(session, jira_args)
    columns = columns or [("7", "In Review")]
    config_dir = os.path.join(session.env["XDG_CONFIG_HOME"], "norrid")
    os.makedirs(config_dir)
    with open(os.path.join(config_dir, "Norrid.conf"), "w") as f:
        f.write("[General]\n"
                f"siteURL={jira.site}\nemail={EMAIL}\nboardId={columns[0][0]}\nstatusName={columns[0][1]}\n"
                f"extraJQL=\npollInterval={poll_seconds}\nnotificationSound=None\n")
        if len(columns) > 1:
            f.write("\n[columns]\n")
            for n, (board, status) in enumerate(columns[1:], start=1):
                f.write(f"{n}\\boardId={board}\n{n}\\statusName={status}\n")
            f.write(f"size={len(columns) - 1}\n")
    session.start_tray()
    return jira, dict(session.env, QT_QPA_PLATFORM="xcb", NORRID_TEST_CA_FILE=jira.ca)


def measure(build, backend, idle_seconds, extra_env):
    # Files written by the build moments ago are still dirty in the page cache, which /proc would
    # count as Norrid's private memory.
    os.sync()
    session = Session(build)
    try:
        jira, env = start_desktop(session, "footprint-token", POLL_SECONDS)
        if backend == "opengl":
            env["QSG_RHI_BACKEND"] = "opengl"
        env.update(extra_env)
        started = time.time()
        app = session.spawn([os.path.join(build, "tests", "support", "norrid_testapp")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        icon = None
        embedded_at = None
        while time.time() - started < 30 and icon is None:
            icon = tray_icon_window(session, app.pid)
            if icon:
                embedded_at = time.time()
            else:
                time.sleep(0.01)
        first_request = jira.wait_first_request(30)
        log(f"backend {backend}" + (f" ({' '.join(k + '=' + v for k, v in extra_env.items())})" if extra_env else ""))
        if first_request is None or icon is None:
            log("  Norrid did not come up: " + ("no request reached the fake Jira" if first_request is None
                                                  else "no tray icon was embedded"))
            return
        log(f"  start-up: first request after {first_request - started * 1000:.0f} ms, "
            f"tray icon embedded after {(embedded_at - started) * 1000:.0f} ms (measured by polling, ~20 ms steps)")

        time.sleep(10)  # settle: the first poll is decoded, the icon drawn, the caches warm
        before = memory(app.pid)
        describe("settled, popover never opened", before)
        log(f"    {largest_mappings(app.pid)}")
        log(f"    threads: {thread_count(app.pid)}")

        first_open = click_and_time_popover(session, app.pid, icon)
        opened = first_open is not None
        if opened:
            log(f"  popover shown {first_open:.0f} ms after the first click (loads Qt Quick, builds the scene)")
        time.sleep(3)
        with_popover = memory(app.pid)
        describe("popover open" if opened else "popover did NOT open", with_popover)
        log(f"    {largest_mappings(app.pid)}")
        session.run(["xdotool", "key", "Escape"])
        time.sleep(3)
        describe("popover closed again (its scene is kept for a minute)", memory(app.pid))

        # The idle stretch: nothing happens but the timer's polls.
        wire_start = jira.stats()
        counters = ThreadCounters(app.pid)
        cpu_start, switches_start = counters.read()
        quiet_switches = quiet_seconds = 0
        poll_cpu = []
        previous_requests = wire_start["requests"]
        stretch_start = time.time()
        last_cpu, last_switches = cpu_start, switches_start
        busy_until = 0.0
        next_report = stretch_start + 90
        while time.time() - stretch_start < idle_seconds:
            time.sleep(1)
            cpu, switches = counters.read()
            requests = jira.stats()["requests"]
            now = time.time()
            if requests != previous_requests:
                # a poll began in this second; its answer is handled within the next two
                poll_cpu.append(0)
                busy_until = now + 2
                previous_requests = requests
            if now <= busy_until + 0.01 and poll_cpu:
                poll_cpu[-1] += cpu - last_cpu
            else:
                quiet_switches += switches - last_switches
                quiet_seconds += 1
            last_cpu, last_switches = cpu, switches
            if now >= next_report:
                describe(f"after {now - stretch_start:.0f} s of the idle stretch", memory(app.pid))
                next_report += 120
        elapsed = time.time() - stretch_start
        wire_end = jira.stats()
        cpu_end, switches_end = counters.read()
        polls = wire_end["requests"] - wire_start["requests"]
        minutes = elapsed / 60
        log(f"  idle stretch of {elapsed:.0f} s with {polls} polls (interval {POLL_SECONDS} s):")
        log(f"    cpu {(cpu_end - cpu_start) / 1e6 / minutes:.1f} ms per minute, "
            f"wake-ups {(switches_end - switches_start) / minutes:.0f} per minute in all, "
            f"{quiet_switches / max(quiet_seconds, 1) * 60:.0f} per minute between polls")
        if poll_cpu:
            quiet_cpu_per_second = 0
            if quiet_seconds:
                quiet_cpu_per_second = ((cpu_end - cpu_start) - sum(poll_cpu)) / quiet_seconds
            per_poll = [c - 3 * quiet_cpu_per_second for c in poll_cpu]
            log(f"    cpu per poll of the 100-card column: {sum(per_poll) / len(per_poll) / 1e6:.1f} ms "
                f"(min {min(per_poll) / 1e6:.1f}, max {max(per_poll) / 1e6:.1f})")
        if polls:
            log(f"    wire per poll: {(wire_end['bytes-in'] - wire_start['bytes-in']) / polls:.0f} bytes from Norrid, "
                f"{(wire_end['bytes-out'] - wire_start['bytes-out']) / polls:.0f} bytes to Norrid; "
                f"TLS connections opened in all: {wire_end['connections']}")
        describe("after the idle stretch", memory(app.pid))
        if opened:
            again = click_and_time_popover(session, app.pid, icon)
            if again is not None:
                log(f"  popover shown {again:.0f} ms after a click once its scene had been let go")
                time.sleep(3)
                describe("popover open again", memory(app.pid))
        app.terminate()
        try:
            _, errors = app.communicate(timeout=10)
        except subprocess.TimeoutExpired:
            app.kill()
            _, errors = app.communicate()
        lines = [line for line in errors.splitlines() if line.strip()]
        if lines:
            log(f"  Norrid wrote {len(lines)} lines to standard error; the first: {lines[0]}")
    finally:
        session.close()


def measure_floor(build):
    """Memory of bench_bare_tray, settled in the same kind of session as Norrid."""
    for label, args in (("bare Qt tray icon", []), ("bare Qt tray icon with TLS loaded", ["--tls"])):
        session = Session(build)
        try:
            session.start_display()
            session.start_bus()
            session.start_tray()
            app = session.spawn([os.path.join(build, "bench", "bench_bare_tray")] + args,
                                env=dict(session.env, QT_QPA_PLATFORM="xcb"),
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(3000):
                if tray_icon_window(session, app.pid):
                    break
                time.sleep(0.01)
            time.sleep(5)
            describe(label, memory(app.pid))
        finally:
            session.close()


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    idle_seconds = int(os.environ.get("NORRID_FOOTPRINT_IDLE_SECONDS", "600"))
    backends = os.environ.get("NORRID_FOOTPRINT_BACKENDS", "software opengl").split()
    extra_env = dict(word.split("=", 1) for word in os.environ.get("NORRID_FOOTPRINT_ENV", "").split())
    log(f"footprint of norrid_testapp, 100-card column, idle stretch {idle_seconds} s per backend")
    log("floor, for comparison:")
    os.sync()
    measure_floor(build)
    for backend in backends:
        measure(build, backend, idle_seconds, extra_env)


if __name__ == "__main__":
    main()
