#!/usr/bin/python3
"""The photo store's FTP side for tests and local use: a pyftpdlib server whose one
account writes into the folder that tavik-services serves photos from.

    photo_ftp.py --folder DIR [--host 127.0.0.1] [--port 2121]
                 [--user qorphoto] [--password 'Tavik-Vel photos']

Port 0 picks a free port. Prints "listening on HOST:PORT" when it accepts connections
and stops on SIGTERM or SIGINT. The account may list, read, write, rename and delete
files of the folder and nothing outside it; it stores only photos (names ending in
".jpg", or ".jpg.part" while a client uploads before renaming) of at most 1 MiB each, so
the shared account cannot fill the folder with anything else. Passive mode is on (the
ports come from the system). The default credentials are the client's built-in
photo-store account.
For a real deployment use vsftpd (see the README), not this script.
"""
import argparse
import logging
import os
import signal
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer

MAX_PHOTO_BYTES = 1024 * 1024


def is_photo_name(path):
    name = os.path.basename(path)
    return name.endswith(".jpg") or name.endswith(".jpg.part")


class PhotoHandler(FTPHandler):
    """Takes photos only: other names are refused, oversized files removed."""

    def ftp_STOR(self, file, mode="w"):
        if not is_photo_name(file):
            self.respond("553 Only .jpg photos are stored here.")
            return None
        return super().ftp_STOR(file, mode)

    def ftp_RNTO(self, path):
        if not path.endswith(".jpg"):
            self._rnfr = None
            self.respond("553 A photo is named NICK.jpg.")
            return None
        return super().ftp_RNTO(path)

    def on_file_received(self, file):
        if os.path.getsize(file) > MAX_PHOTO_BYTES:
            os.remove(file)

    def on_incomplete_file_received(self, file):
        os.remove(file)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", required=True)
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--port", type=int, default=2121)
    parser.add_argument("--user", default="qorphoto")
    parser.add_argument("--password", default="Tavik-Vel photos")
    args = parser.parse_args()

    logging.basicConfig(level=logging.WARNING)
    authorizer = DummyAuthorizer()
    authorizer.add_user(args.user, args.password, args.folder, perm="elrwadf")
    handler = PhotoHandler
    handler.authorizer = authorizer
    handler.banner = "Tavik-Vel photo store"
    server = FTPServer((args.host, args.port), handler)
    host, port = server.socket.getsockname()[:2]

    def stop(*_):
        server.close_all()
        sys.exit(0)

    signal.signal(signal.SIGTERM, stop)
    signal.signal(signal.SIGINT, stop)
    print(f"listening on {host}:{port}", flush=True)
    server.serve_forever(handle_exit=False)


if __name__ == "__main__":
    main()
