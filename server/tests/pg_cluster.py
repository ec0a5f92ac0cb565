#!/usr/bin/env python3
"""Runs a command beside a throwaway PostgreSQL cluster.

    pg_cluster.py COMMAND [ARGS...]

Makes a cluster in a temporary folder (initdb, trust authentication), starts it on a
free loopback port, runs COMMAND with TAVIK_TEST_PG set to its postgresql:// address,
then stops the cluster and removes the folder. PostgreSQL refuses to run as root, so
as root the cluster runs as the unprivileged user "nobody". Exits with the command's
status.
"""
import os
import pwd
import shutil
import socket
import subprocess
import sys
import tempfile

BIN = "/usr/lib/postgresql/15/bin"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def as_cluster_user(args):
    if os.getuid() != 0:
        return args
    return ["setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups", "--"] + args


def main():
    if len(sys.argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    folder = tempfile.mkdtemp(prefix="tavik-pg-")
    os.chmod(folder, 0o755)
    data = os.path.join(folder, "data")
    user = pwd.getpwuid(os.getuid()).pw_name
    if os.getuid() == 0:
        user = "nobody"
        os.chown(folder, pwd.getpwnam("nobody").pw_uid, pwd.getpwnam("nobody").pw_gid)
    port = free_port()
    log = os.path.join(folder, "server.log")
    quiet = {"stdout": subprocess.DEVNULL, "stderr": subprocess.STDOUT}
    started = False
    try:
        subprocess.run(as_cluster_user([f"{BIN}/initdb", "-D", data, "-A", "trust", "-U", user,
                                        "-E", "UTF8", "--no-locale", "--no-sync"]),
                       check=True, cwd=folder, **quiet)
        options = f"-p {port} -k {folder} -c listen_addresses=127.0.0.1 -c fsync=off"
        subprocess.run(as_cluster_user([f"{BIN}/pg_ctl", "-D", data, "-l", log, "-o", options,
                                        "-w", "start"]),
                       check=True, cwd=folder, **quiet)
        started = True
        env = dict(os.environ, TAVIK_TEST_PG=f"postgresql://{user}@127.0.0.1:{port}/postgres")
        return subprocess.run(sys.argv[1:], env=env).returncode
    except subprocess.CalledProcessError as e:
        print(f"pg_cluster: {e}", file=sys.stderr)
        if os.path.exists(log):
            print(open(log).read(), file=sys.stderr)
        return 1
    finally:
        if started:
            subprocess.run(as_cluster_user([f"{BIN}/pg_ctl", "-D", data, "-m", "fast", "-w",
                                            "stop"]), cwd=folder, **quiet)
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
