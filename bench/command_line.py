#!/usr/bin/env python3
"""What `norrid status` costs, against the running application in a session of its own (Xvfb,
trayer, a D-Bus session bus, a keyring with the token, bench_fakejira serving a 100-card column):

  - wall time and peak memory (the child's maximum RSS) of `norrid status --json`, 20 runs, with
    the median and the range;
  - the requests Norrid sends to Jira during one poll interval (15 s) while a `status --follow`
    client runs and three `status` calls are made: reading the state never asks Jira.

Run through bench/command_line.sh. Figures only; nothing is judged.
"""

import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from footprint import Session, log, start_desktop  # noqa: E402

POLL_SECONDS = 15


def timed_run(argv, env):
    started = time.perf_counter()
    process = subprocess.Popen(argv, env=env, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    _, _, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - started
    output = process.stdout.read()
    process.returncode = 0
    return elapsed * 1000, usage.ru_maxrss, output


def main():
    build = os.path.abspath(sys.argv[1])
    norrid = os.path.join(build, "src", "shell", "norrid")
    session = Session(build)
    try:
        jira, env = start_desktop(session, "command-line-token", POLL_SECONDS)
        session.spawn([os.path.join(build, "tests", "support", "norrid_testapp")], env=env,
                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if jira.wait_first_request(30) is None:
            raise RuntimeError("Norrid sent no request")
        time.sleep(1)

        # The commands run as a bar or a script runs them: no display needed, none given.
        command_env = dict(session.env)
        command_env.pop("DISPLAY", None)
        times, peaks = [], []
        for _ in range(20):
            ms, peak_kib, output = timed_run([norrid, "status", "--json"], command_env)
            if b'"count":100' not in output:
                raise RuntimeError(f"unexpected status: {output!r}")
            times.append(ms)
            peaks.append(peak_kib)
        log(f"norrid status --json, 20 runs: median {statistics.median(times):.1f} ms "
            f"(range {min(times):.1f}–{max(times):.1f} ms), peak RSS median "
            f"{statistics.median(peaks) / 1024:.1f} MiB (range {min(peaks) / 1024:.1f}–{max(peaks) / 1024:.1f} MiB)")

        before = jira.stats()["requests"]
        follow = session.spawn([norrid, "status", "--follow"], env=command_env, stdout=subprocess.DEVNULL)
        started = time.time()
        for _ in range(3):
            subprocess.run([norrid, "status"], env=command_env, capture_output=True, timeout=30)
            time.sleep(POLL_SECONDS / 4)
        time.sleep(max(0.0, POLL_SECONDS - (time.time() - started)))
        after = jira.stats()["requests"]
        follow.terminate()
        log(f"requests to Jira over one {POLL_SECONDS} s poll interval with a --follow client and three "
            f"status calls: {after - before}")
    finally:
        session.close()


if __name__ == "__main__":
    main()
