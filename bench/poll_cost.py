#!/usr/bin/env python3
"""What a poll that changes nothing costs the user: the running application beside the script a user
would otherwise write, in one run against the same fake Jira over TLS (bench_fakejira, a constant
100-card column):

  - Norrid: norrid_testapp in a session of its own (Xvfb, an XEmbed tray, a D-Bus session bus, a
    keyring holding the token), polling every 15 s; its CPU is read from every thread of the
    process (/proc/<pid>/task/*/schedstat, keeping the figures of threads that ended);
  - the peer: every 15 s, `curl | jq` reads the same column and `notify-send` announces the keys
    that are new (none, the column does not change); its CPU is that of the processes it forks.

Prints CPU per poll for both and the ratio, then the CPU per poll of Norrid and of a bar's client
following it (`norrid status --waybar --follow`), Norrid's idle CPU between polls, and its memory
before the popover was ever opened. Run through bench/poll_cost.sh. Figures only; nothing is judged.
  NORRID_POLL_COST_POLLS   polls to measure (default 10)
  NORRID_POLL_COST_PERF    a file: records a perf profile of eight more polls into it (20 kHz, call
                           graphs unwound from DWARF; `perf report --sort dso -i <file>` by library)
"""

import os
import resource
import shlex
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from footprint import EMAIL, Session, ThreadCounters, log, memory, start_desktop, tray_icon_window  # noqa: E402

POLL_SECONDS = 15
TOKEN = "poll-cost-token"


def column_url(site, ca):
    """The board read the fake serves: Jira Cloud's software read, else the agile one."""
    query = "jql=status%20%3D%20%22In%20Review%22&fields=summary,assignee,updated&maxResults=1000"
    for api in ("software/1.0", "agile/1.0"):
        url = f"{site}/rest/{api}/board/7/issue?{query}"
        status = subprocess.run(["curl", "-s", "-o", "/dev/null", "-w", "%{http_code}", "--cacert", ca, url],
                                capture_output=True, text=True).stdout
        if status == "200":
            return url
    raise RuntimeError("the fake Jira serves no board read")


def peer_script(url, ca, state_dir):
    # curl reads the column, jq picks the keys not seen before and keeps the keys for the next
    # time, notify-send runs once for every new key (none here).
    seen = f"{state_dir}/seen.json"
    return (f"[ -e {seen} ] || echo '[]' > {seen}; "
            f"curl -s --cacert {shlex.quote(ca)} -u {EMAIL}:{TOKEN} {shlex.quote(url)}"
            f" | jq -r --slurpfile seen {seen} '[.issues[].key] | (. - $seen[0])[], "
            f"(tostring | \"SEEN \" + .)'"
            f" | while read -r key rest; do if [ \"$key\" = SEEN ]; then echo \"$rest\" > {seen}; "
            f"else notify-send \"New card to review\" \"$key\"; fi; done")


def follow_polls(session, build, env, pid, jira, polls):
    """The same column with a bar's client following Norrid, as the README's waybar module runs it:
    CPU per poll of Norrid and of the client."""
    client = session.spawn([os.path.join(build, "tests", "support", "norrid_testapp"), "status", "--waybar",
                            "--follow"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(2)  # its start and first read are not what a poll costs
    norrid, client_counters = ThreadCounters(pid), ThreadCounters(client.pid)
    norrid_start, client_start = norrid.read()[0], client_counters.read()[0]
    requests_start = jira.stats()["requests"]
    time.sleep(polls * POLL_SECONDS)
    norrid_end, client_end = norrid.read()[0], client_counters.read()[0]
    done = max(jira.stats()["requests"] - requests_start, 1)
    client.terminate()
    client.wait()
    return {"polls": done, "norrid": (norrid_end - norrid_start) / 1e6 / done,
            "client": (client_end - client_start) / 1e6 / done}


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def main():
    build = os.path.abspath(sys.argv[1])
    polls = int(os.environ.get("NORRID_POLL_COST_POLLS", "10"))
    session = Session(build)
    try:
        jira, env = start_desktop(session, TOKEN, POLL_SECONDS)
        app = session.spawn([os.path.join(build, "tests", "support", "norrid_testapp")], env=env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if jira.wait_first_request(30) is None:
            raise RuntimeError("Norrid sent no request")
        deadline = time.time() + 30
        while tray_icon_window(session, app.pid) is None and time.time() < deadline:
            time.sleep(0.1)
        time.sleep(3)  # the first poll, the icon and the settling are not what a day of polls costs
        settled = memory(app.pid)

        counters = ThreadCounters(app.pid)
        norrid_start, _ = counters.read()
        state_dir = os.path.join(session.root, "peer")
        os.makedirs(state_dir)
        url = column_url(jira.site, jira.ca)
        requests_start = jira.stats()["requests"]
        script = peer_script(url, jira.ca, state_dir)
        peer_env = dict(session.env)
        subprocess.run(["bash", "-c", script], env=peer_env, check=False)  # the peer learns the column
        peer_cpu = 0.0
        started = time.time()
        idle_cpu = None
        for poll in range(polls):
            before = children_cpu()
            subprocess.run(["bash", "-c", script], env=peer_env, check=False, capture_output=True)
            peer_cpu += children_cpu() - before
            if poll == polls // 2:
                # Between two polls: the middle of an interval, 5 s of nothing to do.
                time.sleep(POLL_SECONDS / 2 - 2.5)
                idle_from, _ = counters.read()
                time.sleep(5)
                idle_to, _ = counters.read()
                idle_cpu = (idle_to - idle_from) / 1e6 / 5
            time.sleep(max(0.0, started + (poll + 1) * POLL_SECONDS - time.time()))
        norrid_end, _ = counters.read()
        # Every request but the peer's (its first read and one a poll) is one of Norrid's polls.
        requests = jira.stats()["requests"] - requests_start - polls - 1
        followed = follow_polls(session, build, env, app.pid, jira, max(2, polls // 2))
        if os.environ.get("NORRID_POLL_COST_PERF"):
            # A profile of a further stretch of polls, for where the time goes.
            # A poll is a few milliseconds of CPU: sample often, over several of them.
            subprocess.run(["perf", "record", "-F", "20000", "--call-graph", "dwarf,16384", "-p", str(app.pid),
                            "-o", os.environ["NORRID_POLL_COST_PERF"], "--", "sleep", str(8 * POLL_SECONDS)],
                           capture_output=True, check=False)
        norrid_ms = (norrid_end - norrid_start) / 1e6
        norrid_per_poll = norrid_ms / max(requests, 1)
        peer_per_poll = peer_cpu * 1000 / polls
        log(f"over {polls} polls at {POLL_SECONDS} s, 100 cards that do not change:")
        log(f"  Norrid: {norrid_per_poll:.2f} ms CPU per poll ({norrid_ms:.1f} ms for {requests} polls, all "
            f"threads, idle time between polls included)")
        log(f"  curl | jq | notify-send: {peer_per_poll:.2f} ms CPU per poll")
        log(f"  ratio: the script spends {peer_per_poll / norrid_per_poll:.1f} times Norrid's CPU per poll")
        log(f"  with a bar following it (`norrid status --waybar --follow`, {followed['polls']} more polls): "
            f"Norrid {followed['norrid']:.2f} ms, the bar's client {followed['client']:.2f} ms CPU per poll")
        if idle_cpu is not None:
            log(f"  Norrid idle between polls: {idle_cpu:.3f} ms CPU per second")
        log(f"  Norrid memory before the popover was opened: RSS {settled['rss'] / 1024:.1f} MiB, "
            f"PSS {settled['pss'] / 1024:.1f} MiB, private {settled['private'] / 1024:.1f} MiB")
    finally:
        session.close()


if __name__ == "__main__":
    main()
