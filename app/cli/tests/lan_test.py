#!/usr/bin/env python3
"""tavik-cli lan host / join over real TCP on 127.0.0.1: two processes play to the end
and agree on every kon; peers that break the protocol, say nothing or go away make the
other side exit with status 3 and a one-line message."""
import json
import os
import socket
import subprocess
import sys
import tempfile
import time

CLI = sys.argv[1]
failures = []


def check(cond, what):
    if not cond:
        failures.append(what)
        print("FAIL:", what)


def start_host(*args):
    """Starts a host on a free port of 127.0.0.1; returns the process and the port."""
    p = subprocess.Popen([CLI, "lan", "host", "--bind", "127.0.0.1", "--port", "0", *args],
                         stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    line = p.stderr.readline()
    if "listening on port" not in line:
        raise SystemExit("host did not listen: " + line)
    return p, int(line.split()[-1])


def finish(p, timeout=120):
    out, err = p.communicate(timeout=timeout)
    return p.returncode, out, err


def summary(out):
    return json.loads(out.strip().splitlines()[-1])


def log_lines(path):
    with open(path) as f:
        return [json.loads(line) for line in f]


def kon_results(path):
    return [line["result"] for line in log_lines(path) if "result" in line]


def chat_lines(path):
    return [line["chat"] for line in log_lines(path) if "chat" in line]


MIRROR = {"won": "lost", "lost": "won", "draw": "draw"}

# 1. Whole matches: the host's and the client's kons mirror each other one by one.
with tempfile.TemporaryDirectory() as tmp:
    for host_args, join_args, kons in [
        (["--p", "ai", "--seed", "5"], ["--p", "lowest"], 3),
        (["--p", "random", "--seed", "11", "--rules", "redeal,sixes,hints"],
         ["--p", "ai"], 6),
        # A chat line each way after the first deal; one that holds a move is defused.
        (["--p", "lowest", "--seed", "7", "--chat", "Привет, Guest"],
         ["--p", "random", "--chat", "I hgo hello"], 3),
    ]:
        hlog, jlog = os.path.join(tmp, "host.log"), os.path.join(tmp, "join.log")
        host, port = start_host(*host_args, "--kons", str(kons), "--log", hlog)
        join = subprocess.Popen([CLI, "lan", "join", "--host", "127.0.0.1", "--port", str(port),
                                 "--kons", str(kons), "--log", jlog, *join_args],
                                stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
        jrc, jout, jerr = finish(join)
        hrc, hout, herr = finish(host)
        name = " ".join(host_args) + " / " + " ".join(join_args)
        check(hrc == 0 and jrc == 0, f"{name}: exit {hrc}/{jrc}: {herr}{jerr}")
        if hrc or jrc:
            continue
        h, j = summary(hout), summary(jout)
        check(list(h) == ["kons", "won", "lost", "draws", "scoreDelta"], f"{name}: keys {h}")
        check(h["kons"] == kons and j["kons"] == kons, f"{name}: kons {h} {j}")
        check(h["won"] == j["lost"] and h["lost"] == j["won"] and h["draws"] == j["draws"],
              f"{name}: results {h} {j}")
        check(h["scoreDelta"] == -j["scoreDelta"], f"{name}: scores {h} {j}")
        hk, jk = kon_results(hlog), kon_results(jlog)
        check(len(hk) == kons and [MIRROR[r] for r in hk] == jk, f"{name}: kons {hk} {jk}")
        hc, jc = chat_lines(hlog), chat_lines(jlog)
        expect_h = ["I _go hello"] if "--chat" in join_args else []
        expect_j = ["Привет, Guest"] if "--chat" in host_args else []
        check(hc == expect_h and jc == expect_j, f"{name}: chat {hc} {jc}")


def fake_client(port, send, then_wait=0.0):
    """Connects to the host, sends the bytes, waits, and closes."""
    s = socket.create_connection(("127.0.0.1", port))
    if send:
        s.sendall(send)
    time.sleep(then_wait)
    s.close()


def fails_with_3(p, what, words):
    rc, out, err = finish(p, timeout=60)
    lines = err.strip().splitlines()
    check(rc == 3, f"{what}: exit {rc}")
    check(len(lines) >= 1 and words in lines[-1], f"{what}: message {lines}")
    check(out.strip() == "", f"{what}: printed a summary {out!r}")


GREETING = b"qor1025connect1Mallory"
RANKS, SUITS = "6789" + "1ВДКТ", "чбкп"
DEAL = ("b" + "".join(RANKS[(n - 1) // 4] + SUITS[(n - 1) % 4] for n in range(1, 37))
        + "".join(str((n - 1) // 4 + 1) for n in range(1, 37)) + "1ЛЛЛ").encode("cp1251")
assert len(DEAL) == 113
# 2. Peers that break the protocol, say nothing or go away.
cases = [
    ("a client that says nothing", b"", 2.5, "said nothing"),
    ("a client of another protocol", b"qor1024connect1Old", 2.5, "said nothing"),
    ("garbage", b"GET / HTTP/1.0\r\n\r\n", 0.5, "begin no message"),
    ("a greeting, then a deal to the server", GREETING + DEAL, 0.5, "deal sent to the server"),
    ("a greeting, then gone", GREETING, 0.5, "interrupted"),
]
for what, send, wait, words in cases:
    host, port = start_host("--p", "lowest", "--timeout", "2")
    fake_client(port, send, wait)
    fails_with_3(host, what, words)

# 3. A server that accepts and says nothing: the client gives up after its time-out.
server = socket.socket()
server.bind(("127.0.0.1", 0))
server.listen(1)
join = subprocess.Popen([CLI, "lan", "join", "--host", "127.0.0.1", "--port",
                         str(server.getsockname()[1]), "--p", "lowest", "--timeout", "2"],
                        stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
conn, _ = server.accept()
greeting = conn.recv(100)
check(greeting == b"qor1025connect1Guest", f"client greeting {greeting!r}")
fails_with_3(join, "a server that says nothing", "said nothing")
conn.close()
server.close()

print("FAILED" if failures else "ok", len(failures))
sys.exit(1 if failures else 0)
