#!/usr/bin/env python3
"""End-to-end test: the real client (tavik-cli online) against the real server
(tavik-services) and the photo FTP server, on loopback.

    e2e_test.py --services BIN --cli BIN [--load BIN]

The database is a SQLite file in a temporary folder, or the PostgreSQL server that
TAVIK_TEST_PG names (pg_cluster.py starts a throwaway one). With --load, a small load
run (tavik-services-load) follows and must lose nothing.
"""
import argparse
import json
import os
import signal
import subprocess
import sys
import tempfile
import unittest
import urllib.error
import urllib.request

HERE = os.path.dirname(os.path.abspath(__file__))
FTP_SCRIPT = os.path.join(HERE, "..", "ftp", "photo_ftp.py")
ARGS = None

# A JPEG's first bytes are enough for the store: the server keeps files as they come.
PHOTO = b"\xff\xd8\xff\xe0\x00\x10JFIF\x00" + bytes(range(256)) * 4 + b"\xff\xd9"


def start(command):
    """Starts a server that prints "listening on HOST:PORT"; returns (process, port)."""
    process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    line = process.stdout.readline()
    if not line.startswith("listening on "):
        process.kill()
        raise RuntimeError(f"{command[0]} did not start: {line!r} {process.stderr.read()}")
    return process, int(line.rsplit(":", 1)[1])


class ServicesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory(prefix="tavik-e2e-")
        cls.files = os.path.join(cls.folder.name, "files")
        database = os.environ.get("TAVIK_TEST_PG") or os.path.join(cls.folder.name, "db.sqlite")
        cls.services, port = start([ARGS.services, "--listen", "127.0.0.1:0", "--db", database,
                                    "--files", cls.files])
        cls.base = f"http://127.0.0.1:{port}/"
        cls.ftp, cls.ftp_port = start([FTP_SCRIPT, "--folder", os.path.join(cls.files, "photos"),
                                       "--port", "0"])

    @classmethod
    def tearDownClass(cls):
        cls.ftp.terminate()
        cls.ftp.wait(10)
        cls.services.send_signal(signal.SIGTERM)
        code = cls.services.wait(10)
        cls.folder.cleanup()
        assert code == 0, f"tavik-services ended with {code} on SIGTERM"

    def online(self, op, **inputs):
        """Runs one operation through the client; its outputs as a dict."""
        command = [ARGS.cli, "online", op, "--server", self.base, "--json",
                   json.dumps(inputs, ensure_ascii=False)]
        done = subprocess.run(command, capture_output=True, text=True, timeout=60)
        self.assertEqual(done.returncode, 0, f"{op}: {done.stderr}")
        return json.loads(done.stdout)

    def user(self, nick, pw, city="Тверь"):
        return {"Nick": nick, "Pw": pw, "City": city, "Country1": "Russia", "Country2": "1-001",
                "Sex": "W", "EMail": f"{nick}@mail.ru", "DateR": "11.12.2026", "R01": "xxx",
                "R02": "xxx", "R03": "xxx", "R04": 0, "R05": 0, "R06": 0}

    def test_register_sign_in_and_taken_nick(self):
        before = self.online("ReadMemberCount")["count"]
        self.assertEqual(self.online("RegisterUser", **self.user("Genoa", "snow1"))["status"], 0)
        self.assertEqual(self.online("RegisterUser", **self.user("genoa", "other2"))["status"],
                         1)
        self.assertEqual(self.online("ReadMemberCount")["count"], before + 1)  # "genoa" refused

        good = self.online("ReadUser", nick="Genoa", pw="snow1")
        self.assertTrue(good["flag"])
        self.assertEqual(good["user"]["City"], "Тверь")
        self.assertEqual(good["user"]["Country2"], "1-001")
        self.assertEqual(good["user"]["Sex"], "W")
        self.assertEqual(good["user"]["EMail"], "Genoa@mail.ru")
        bad = self.online("ReadUser", nick="Genoa", pw="snow2")
        self.assertFalse(bad["flag"])
        self.assertFalse(self.online("ReadUser", nick="Nobody", pw="snow1")["flag"])
        # Letters "no" inside a record are data, not the refusal mark.
        self.assertEqual(self.online("RegisterUser", **self.user("Snowman", "abcd1",
                                                                 city="Genoa"))["status"], 0)
        genoa = self.online("ReadUser", nick="Snowman", pw="abcd1")
        self.assertTrue(genoa["flag"])
        self.assertEqual(genoa["user"]["City"], "Genoa")

    def test_bad_account_is_refused(self):
        # A Cyrillic nick breaks the account rules: not created.
        self.assertEqual(self.online("RegisterUser", **self.user("Аня", "abcd1"))["status"], 2)
        self.assertFalse(self.online("ReadUser", nick="Аня", pw="abcd1")["flag"])

    def test_profile_round_trip_with_cyrillic(self):
        self.assertEqual(self.online("RegisterUser", **self.user("prof", "pass1"))["status"], 0)
        info = {"Name1": "Анна", "Name2": "Ёлкина", "About": "Играю в дурака & = всегда",
                "Telephone": "+7 900 000", "EMailO": "a@b.ru", "WebSite": "http://x.ru/?a=1&b=2",
                "Skype": "s", "OK": "ok", "VK": "vk", "Telegram": "@t", "FaceBook": "f",
                "Twitter": "t", "Instagramm": "i", "YouTube": "y"}
        self.assertTrue(self.online("SaveInfo", nick="prof", **info)["flag"])
        self.assertEqual(self.online("ReadInfo", nick="prof")["info"], info)
        # The reply format's own characters are blanked, not stored.
        marked = dict(info, About="a$b~c")
        self.assertTrue(self.online("SaveInfo", nick="prof", **marked)["flag"])
        self.assertEqual(self.online("ReadInfo", nick="prof")["info"]["About"], "a b c")
        self.assertFalse(self.online("SaveInfo", nick="ghost", **info)["flag"])

    def test_game_record_rating_top_and_place(self):
        for nick, pw in (("gamea", "passa"), ("gameb", "passb")):
            self.assertEqual(self.online("RegisterUser", **self.user(nick, pw))["status"], 0)
        fresh = self.online("ReadGame", nick="gamea", pw="passa")
        self.assertTrue(fresh["flag"])
        self.assertEqual(fresh["game"]["Kon"], 0)
        game = {"Kon": 12, "Best": 30, "Rating": 987.25, "Sessions": 1, "KonL": 12, "Score": -4,
                "R1": 0, "R2": "#"}
        self.assertTrue(self.online("SaveGame", nick="gamea", pw="passa", **game)["flag"])
        self.assertFalse(self.online("SaveGame", nick="gamea", pw="wrong", **game)["flag"])
        self.assertTrue(self.online("SaveGame", nick="gameb", pw="passb",
                                    **dict(game, Rating=986.5))["flag"])
        back = self.online("ReadGame", nick="gamea", pw="passa")["game"]
        for key, value in game.items():
            self.assertEqual(back[key], value, key)

        top = self.online("ReadRatingTop")
        self.assertTrue(top["flag"])
        self.assertEqual([r["Nick"] for r in top["rows"][:2]], ["gamea", "gameb"])
        self.assertEqual(top["rows"][0]["City"], "Тверь")
        self.assertEqual(top["rows"][0]["Sex"], "W")
        self.assertAlmostEqual(top["rows"][0]["Rating"], 987.25)
        self.assertEqual(self.online("ReadRatingPlace", rating=987.25)["place"], 1)
        self.assertEqual(self.online("ReadRatingPlace", rating=987)["place"], 2)

    def test_photo_upload_and_download(self):
        self.assertFalse(self.online("LoadPhoto", nick="photo")["flag"])
        with tempfile.NamedTemporaryFile(suffix=".jpg") as jpeg:
            jpeg.write(PHOTO)
            jpeg.flush()
            store = f"ftp://127.0.0.1:{self.ftp_port}/"
            self.assertTrue(self.online("UploadPhoto", nick="photo", file=jpeg.name,
                                        ftp=store)["flag"])
        with urllib.request.urlopen(self.base + "photos/photo.jpg") as reply:
            self.assertEqual(reply.read(), PHOTO)
        self.assertTrue(self.online("LoadPhoto", nick="photo")["flag"])

    def test_remote_configuration_switches(self):
        config = os.path.join(self.files, "config.txt")
        self.addCleanup(lambda: os.path.exists(config) and os.remove(config))
        plain = self.online("FetchRemoteConfig")
        self.assertTrue(plain["TopTenOpen"])
        self.assertTrue(plain["ChatOpen"])
        with open(config, "w", encoding="utf-8") as f:
            f.write("CTGamesPause=1#\nWTGamesPause=1#\n")
        paused = self.online("FetchRemoteConfig")
        self.assertFalse(paused["TopTenOpen"])
        self.assertFalse(paused["ChatOpen"])

    def test_outside_address_and_downloads(self):
        self.assertEqual(self.online("ReadOutsideAddress")["text"], "127.0.0.1\r\n")
        cards = os.path.join(self.files, "downloads", "progr", "cards")
        with open(os.path.join(cards, "QorCards06A.rcc"), "wb") as f:
            f.write(b"library bytes")
        with urllib.request.urlopen(self.base + "downloads/progr/cards/QorCards06A.rcc") as r:
            self.assertEqual(r.read(), b"library bytes")
        for escape in ("downloads/progr/cards/..%2F..%2Fconfig.txt", "photos/..%2Fdb.jpg"):
            with self.assertRaises(urllib.error.HTTPError) as caught:
                urllib.request.urlopen(self.base + escape)
            self.assertEqual(caught.exception.code, 404)

    def test_load_run_loses_nothing(self):
        if not ARGS.load:
            self.skipTest("no --load")
        done = subprocess.run([ARGS.load, "--server", self.base, "--clients", "8",
                               "--requests", "30"], capture_output=True, text=True, timeout=300)
        print(done.stdout, file=sys.stderr)
        self.assertEqual(done.returncode, 0, done.stdout + done.stderr)
        self.assertIn("lost 0; game records checked", done.stdout)


class CommandLineTest(unittest.TestCase):
    def test_bad_arguments_exit_2(self):
        for args in ([], ["--listen", "127.0.0.1"], ["--listen", "127.0.0.1:99999", "--db", "x",
                                                     "--files", "y"],
                     ["--listen", "127.0.0.1:0", "--db", "x"], ["--bogus", "1"]):
            done = subprocess.run([ARGS.services] + args, capture_output=True, text=True)
            self.assertEqual(done.returncode, 2, args)
            self.assertTrue(done.stderr.strip(), args)


if __name__ == "__main__":
    parser = argparse.ArgumentParser()
    parser.add_argument("--services", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--load")
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)
