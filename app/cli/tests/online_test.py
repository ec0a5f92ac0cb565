#!/usr/bin/env python3
"""tavik-cli online against a scripted web service on 127.0.0.1: the inputs reach the
wire under the catalogue's names, the outputs come back as one JSON line, a failed
request is data (exit 0), bad input is exit 2 with one line on stderr."""
import http.server
import json
import os
import subprocess
import sys
import tempfile
import threading

CLI = sys.argv[1]
FAILURES = []


def check(condition, message):
    if not condition:
        FAILURES.append(message)
        print("FAIL:", message)


class Service(http.server.BaseHTTPRequestHandler):
    """Answers each path with the next reply queued for it; keeps every request."""
    replies = {}
    seen = []

    def answer(self, body):
        self.seen.append((self.command, self.path, body, dict(self.headers)))
        queue = self.replies.get(self.path, [])
        status, reply = queue.pop(0) if queue else (404, b"missing")
        self.send_response(status)
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def do_POST(self):
        self.answer(self.rfile.read(int(self.headers.get("Content-Length", 0))))

    def do_GET(self):
        self.answer(b"")

    def log_message(self, *args):
        pass


def run(op, inputs=None, server=None):
    args = [CLI, "online", op, "--server", server or BASE]
    if inputs is not None:
        args += ["--json", inputs if isinstance(inputs, str) else json.dumps(inputs, ensure_ascii=False)]
    p = subprocess.run(args, capture_output=True, timeout=60)
    return p.returncode, p.stdout.decode(), p.stderr.decode()


def ok_json(op, inputs=None):
    code, out, err = run(op, inputs)
    check(code == 0 and err == "", f"{op}: exit {code}, stderr {err!r}")
    check(out.count("\n") == 1, f"{op}: one line expected, got {out!r}")
    return json.loads(out) if code == 0 else {}


httpd = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Service)
threading.Thread(target=httpd.serve_forever, daemon=True).start()
BASE = f"http://127.0.0.1:{httpd.server_address[1]}/"
R = Service.replies

# A FormBody record in Windows-1251, unescaped, and the status of the marks.
R["/account.php"] = [(200, b"ok\r\n"), (200, b"is\r\n")]
user = {"Nick": "ann", "Pw": "abcd", "City": "Тверь", "Country1": "Russia", "Country2": "1-001",
        "Sex": "W", "EMail": "a@b.c", "DateR": "11.12.2026", "R01": "xxx", "R02": "xxx",
        "R03": "xxx", "R04": 0, "R05": 0, "R06": 0}
check(ok_json("RegisterUser", user) == {"status": 0}, "RegisterUser created")
method, path, body, headers = Service.seen[-1]
check(body == "nick=ann&pw=abcd&city=Тверь&country1=Russia&country2=1-001&sex=W&email=a@b.c"
      "&dater=11.12.2026&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0".encode("cp1251"),
      f"RegisterUser body {body!r}")
check(headers.get("User-Agent") == "QorSpecAccess", "user agent")
check(ok_json("RegisterUser", user) == {"status": 1}, "RegisterUser nick taken")

# A FieldList request and a record read from a Windows-1251 reply.
R["/account.php"] = [(200, "$Генуя Italy 1-024 M snow@x.it 01.02.2020 a b c 4 5 6$\r\n".encode("cp1251"))]
out = ok_json("ReadUser", {"nick": "Snowman", "pw": "p w"})
check(Service.seen[-1][2] == b"nick=Snowman&&pw=p+w&&label0=0", f"ReadUser body {Service.seen[-1][2]!r}")
check(out.get("flag") is True, "ReadUser of a nick holding 'no' succeeds")
u = out.get("user", {})
check((u.get("City"), u.get("Sex"), u.get("R06"), u.get("Nick")) == ("Генуя", "M", 6, "Snowman"),
      f"ReadUser record {u}")

R["/account.php"] = [(200, b"$12 40 12,5 2 3 -4 7 r$\r\n"), (200, b"ok\r\n")]
game = ok_json("ReadGame", {"nick": "ann", "pw": "abcd"}).get("game", {})
check((game.get("Kon"), game.get("Best"), game.get("Rating"), game.get("R2")) == (12, 40, 12.5, "r"),
      f"ReadGame {game}")
check(ok_json("SaveGame", {"nick": "ann", "pw": "abcd", "Kon": 13, "Rating": 0.125}) == {"flag": True},
      "SaveGame")
check(b"&crdtv2kon=13&" in Service.seen[-1][2] and b"crdtv2rating=0.125&" in Service.seen[-1][2],
      f"SaveGame body {Service.seen[-1][2]!r}")

# Rows: twelve records fill ten.
R["/account.php"] = [(200, b"".join(b"$%d n%d C x 1-001 W %d,5*" % (i, i, 100 - i) for i in range(1, 13)) + b"\r\n")]
rows = ok_json("ReadRatingTop").get("rows", [])
check(len(rows) == 10 and rows[0] == {"Nick": "n1", "City": "C", "Country": "1-001", "Sex": "W", "Rating": 99.5}
      and rows[9]["Nick"] == "n10", f"ReadRatingTop {rows[:1]}")

R["/tour.php"] = [(200, b"$x 10.0.0.1 25661 F 1 r ann 5 6 7 1-001 Tver M 1.1.1.1 bob 8 9 10 2-002 Baku W 2.2.2.2*\r\n")]
tables = ok_json("ReadTourTables", {"gid": 10}).get("tables", [])
check(len(tables) == 10 and tables[9]["IP"] == "10.0.0.1" and tables[0]["Free"] == "X",
      "ReadTourTables fills table 10 first")

R["/stat.php"] = [(200, b"ok\r\n")]
check(ok_json("SendStatR", dict({"gid": 10}, **{f"r{i}": i for i in range(1, 13)})) == {"flag": True}, "SendStatR")
check(Service.seen[-1][2].endswith(b"&R11=11&R12=12"), "SendStatR body")

R["/get_ip.php"] = [(200, b"203.0.113.7\n")]
check(ok_json("ReadOutsideAddress") == {"text": "203.0.113.7\r\n"}, "ReadOutsideAddress")

with tempfile.TemporaryDirectory() as tmp:
    R["/photos/ann.jpg"] = [(200, b"\xff\xd8 picture \xff\xd9")]
    target = os.path.join(tmp, "ann.jpg")
    check(ok_json("LoadPhoto", {"nick": "ann", "out": target}) == {"flag": True, "bytes": 13}, "LoadPhoto")
    check(open(target, "rb").read() == b"\xff\xd8 picture \xff\xd9", "LoadPhoto file")
    check(ok_json("LoadPhoto", {"nick": "bob"}) == {"flag": False, "bytes": 0}, "LoadPhoto missing")

# A failed request is data: reset outputs, exit 0.
R["/account.php"] = [(500, b"broken")]
check(ok_json("ReadMemberCount") == {"flag": False, "count": -1}, "ReadMemberCount on a server error")
code, out, err = run("RegisterUser", {"Nick": "a"}, server="http://127.0.0.1:1/")
check(code == 0 and json.loads(out) == {"status": 2}, f"RegisterUser without a server: {code} {out}")

# Bad input: one line on stderr, exit 2, nothing on stdout.
for args in [("Nope", "{}"), ("ReadUser", '{"nick":"a"}'), ("ReadUser", "{bad"),
             ("ReadUser", '{"nick":"a","pw":"b","extra":1}'), ("ReadTable", '{"gid":"10"}'),
             ("RegisterUser", '{"Sex":"MW"}'), ("ReadTourTop10", '{"gid":10,"kind":"x"}'),
             ("ReadUser", "[1]")]:
    code, out, err = run(*args)
    check(code == 2 and out == "" and err.count("\n") == 1, f"bad input {args}: {code} {out!r} {err!r}")
code, out, err = run("ReadUser", '{"nick":"a","pw":"b"}', server="ftp://x/")
check(code == 2, "a server address that is not http")

httpd.shutdown()
print("ok" if not FAILURES else f"{len(FAILURES)} failures")
sys.exit(1 if FAILURES else 0)
