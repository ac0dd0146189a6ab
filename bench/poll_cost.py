#!/usr/bin/env python3
"""What a poll that changes nothing costs the user: the running application beside the script a user
would otherwise write, in one run against the same fake Jira over TLS (bench_fakejira, a constant
100-card column):

  - Norrid: norrid_testapp in a session of its own (Xvfb, an XEmbed tray, a D-Bus session bus, a
    keyring holding the token), polling every 15 s; its CPU is read from every thread of the
    process (/proc/<pid>/task/*/schedstat, keeping the figures of threads that ended);
  - the peer: every 15 s, `curl | jq` reads the same column and `notify-send` announces the keys
    that are new (none, the column does not change); its CPU is that of the processes it forks.

Three shapes of watched columns, 100 cards each: 1 column; 4 columns on 2 boards; 8 columns on 8
boards. The peer does the same reads (a board's columns in one request with `status in (…)`).
Prints, for each, CPU per poll and requests per poll for both; for the first, also the CPU per poll
of Norrid and of a bar's client following it (`norrid status --waybar --follow`), Norrid's idle
CPU between polls, and its memory before the popover was ever opened. Run through
bench/poll_cost.sh. Figures only; nothing is judged.
  NORRID_POLL_COST_POLLS   polls to measure for each shape (default 8)
  NORRID_POLL_COST_SHAPES  boards x statuses per board, e.g. "1x1,2x2,8x1" (the default)
  NORRID_POLL_COST_PERF    a file: records a perf profile of eight more polls into it (20 kHz, call
                           graphs unwound from DWARF; `perf report --sort dso -i <file>` by library)
"""

import os
import resource
import shlex
import subprocess
import sys
import time
import urllib.parse

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from footprint import EMAIL, Session, ThreadCounters, log, memory, start_desktop, tray_icon_window  # noqa: E402

POLL_SECONDS = 15
TOKEN = "poll-cost-token"


STATUS_NAMES = ["In Review", "Ready for QA"] + [f"Status {n}" for n in range(3, 9)]


def shape_columns(boards, statuses):
    return [(str(7 + board), STATUS_NAMES[status]) for board in range(boards) for status in range(statuses)]


def board_urls(site, ca, boards, statuses):
    """Each board's read of its watched statuses, as Norrid asks it: Jira Cloud's software read."""
    urls = []
    names = STATUS_NAMES[:statuses]
    if statuses == 1:
        jql, fields = f'status = "{names[0]}"', "summary,assignee,updated"
    else:
        jql, fields = "status in (" + ", ".join(f'"{name}"' for name in names) + ")", "summary,assignee,updated,status"
    query = urllib.parse.urlencode({"jql": jql, "fields": fields, "maxResults": 1000})
    for board in range(boards):
        url = f"{site}/rest/software/1.0/board/{7 + board}/issue?{query}"
        status = subprocess.run(["curl", "-s", "-o", "/dev/null", "-w", "%{http_code}", "--cacert", ca, url],
                                capture_output=True, text=True).stdout
        if status != "200":
            raise RuntimeError(f"the fake Jira does not serve {url}")
        urls.append(url)
    return urls


def peer_script(urls, ca, state_dir):
    # For each board: curl reads its columns, jq picks the keys not seen before in each status and
    # keeps the keys for the next time, notify-send runs once for every new key (none here).
    lines = []
    for n, url in enumerate(urls):
        seen = f"{state_dir}/seen-{n}.json"
        lines.append(
            f"[ -e {seen} ] || echo '{{}}' > {seen}; "
            f"curl -s --cacert {shlex.quote(ca)} -u {EMAIL}:{TOKEN} {shlex.quote(url)}"
            f" | jq -r --slurpfile seen {seen} '(.issues | group_by(.fields.status.name // \"\")"
            f" | map({{key: (.[0].fields.status.name // \"\"), value: map(.key)}}) | from_entries) as $now"
            f" | ($now | to_entries[] | .key as $s | (.value - ($seen[0][$s] // []))[]),"
            f" ($now | tostring | \"SEEN \" + .)'"
            f" | while read -r key rest; do if [ \"$key\" = SEEN ]; then echo \"$rest\" > {seen}; "
            f"else notify-send \"New card to review\" \"$key\"; fi; done")
    return "; ".join(lines)


def follow_polls(session, build, env, pid, jira, polls, boards=1):
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
    done = max((jira.stats()["requests"] - requests_start) // boards, 1)
    client.terminate()
    client.wait()
    return {"polls": done, "norrid": (norrid_end - norrid_start) / 1e6 / done,
            "client": (client_end - client_start) / 1e6 / done}


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def run_shape(build, boards, statuses, polls, first):
    """Norrid and the peer over one shape of columns; the extra figures for the first shape."""
    session = Session(build)
    try:
        columns = shape_columns(boards, statuses)
        jira, env = start_desktop(session, TOKEN, POLL_SECONDS, columns,
                                  ["--boards", str(boards), "--statuses", str(statuses)])
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
        state_dir = os.path.join(session.root, "peer")
        os.makedirs(state_dir)
        urls = board_urls(jira.site, jira.ca, boards, statuses)
        script = peer_script(urls, jira.ca, state_dir)
        peer_env = dict(session.env)
        subprocess.run(["bash", "-c", script], env=peer_env, check=False)  # the peer learns the columns
        norrid_start, _ = counters.read()
        requests_start = jira.stats()["requests"]
        peer_cpu = 0.0
        started = time.time()
        idle_cpu = None
        for poll in range(polls):
            before = children_cpu()
            subprocess.run(["bash", "-c", script], env=peer_env, check=False, capture_output=True)
            peer_cpu += children_cpu() - before
            if first and poll == polls // 2:
                # Between two polls: the middle of an interval, 5 s of nothing to do.
                time.sleep(POLL_SECONDS / 2 - 2.5)
                idle_from, _ = counters.read()
                time.sleep(5)
                idle_to, _ = counters.read()
                idle_cpu = (idle_to - idle_from) / 1e6 / 5
            time.sleep(max(0.0, started + (poll + 1) * POLL_SECONDS - time.time()))
        norrid_end, _ = counters.read()
        elapsed = time.time() - started
        # Every request but the peer's (one per board a poll) is one of Norrid's.
        norrid_requests = jira.stats()["requests"] - requests_start - polls * boards
        norrid_polls = max(round(elapsed / POLL_SECONDS), 1)
        norrid_ms = (norrid_end - norrid_start) / 1e6
        figures = {"norrid_cpu": norrid_ms / norrid_polls, "norrid_requests": norrid_requests / norrid_polls,
                   "peer_cpu": peer_cpu * 1000 / polls, "peer_requests": boards, "memory": settled,
                   "idle": idle_cpu}
        if first:
            figures["followed"] = follow_polls(session, build, env, app.pid, jira, max(2, polls // 2), boards)
            if os.environ.get("NORRID_POLL_COST_PERF"):
                # A poll is a few milliseconds of CPU: sample often, over several of them.
                subprocess.run(["perf", "record", "-F", "20000", "--call-graph", "dwarf,16384", "-p",
                                str(app.pid), "-o", os.environ["NORRID_POLL_COST_PERF"], "--", "sleep",
                                str(8 * POLL_SECONDS)], capture_output=True, check=False)
        return figures
    finally:
        session.close()


def main():
    build = os.path.abspath(sys.argv[1])
    polls = int(os.environ.get("NORRID_POLL_COST_POLLS", "8"))
    shapes = [tuple(int(n) for n in shape.split("x"))
              for shape in os.environ.get("NORRID_POLL_COST_SHAPES", "1x1,2x2,8x1").split(",")]
    log(f"{polls} polls at {POLL_SECONDS} s for each shape, 100 cards a column that do not change:")
    log(f"  {'columns':<22} {'Norrid CPU/poll':>16} {'requests/poll':>14} {'curl+jq CPU/poll':>17} "
        f"{'requests/poll':>14} {'ratio':>6}")
    first_figures = None
    for index, (boards, statuses) in enumerate(shapes):
        figures = run_shape(build, boards, statuses, polls, index == 0)
        first_figures = first_figures or figures
        name = f"{boards * statuses} on {boards} board{'s' if boards > 1 else ''}"
        log(f"  {name:<22} {figures['norrid_cpu']:>13.2f} ms {figures['norrid_requests']:>14.2f} "
            f"{figures['peer_cpu']:>14.2f} ms {figures['peer_requests']:>14} "
            f"{figures['peer_cpu'] / max(figures['norrid_cpu'], 0.001):>5.1f}x")
    followed = first_figures["followed"]
    log(f"  with a bar following it (`norrid status --waybar --follow`, {followed['polls']} more polls, first "
        f"shape): Norrid {followed['norrid']:.2f} ms, the bar's client {followed['client']:.2f} ms CPU per poll")
    if first_figures["idle"] is not None:
        log(f"  Norrid idle between polls: {first_figures['idle']:.3f} ms CPU per second")
    settled = first_figures["memory"]
    log(f"  Norrid memory before the popover was opened: RSS {settled['rss'] / 1024:.1f} MiB, "
        f"PSS {settled['pss'] / 1024:.1f} MiB, private {settled['private'] / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
