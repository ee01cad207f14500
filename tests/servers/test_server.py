#!/usr/bin/env python3
"""A small configurable web server on loopback for the tests (stdlib only).

Commands
  test_server.py certs DIR
      Makes, unless already there, a test CA and a certificate for the host
      "localhost" issued by it: DIR/ca.pem, DIR/ca.der (for trusting the CA
      inside a Wine prefix), DIR/server.pem (certificate, then the CA),
      DIR/server.key; and the same made by a second CA that nobody trusts,
      under DIR/untrusted/. Needs the openssl command.

  test_server.py serve --routes FILE [--http PORT]... [--https PORT:CERT:KEY]...
      Serves plain HTTP and HTTPS on 127.0.0.1 until killed.

  test_server.py start --pidfile FILE [--log FILE] SERVE-OPTIONS...
      Runs `serve` in the background and returns once every port listens
      (exit status 1 if it does not within 10 s). A server left running by
      an earlier start with the same pidfile is stopped first.

  test_server.py stop --pidfile FILE
      Stops the server started with that pidfile.

Routes
  FILE is JSON, read again at every request, mapping a path to what to
  answer: the path with its query if listed so, else the path without it
  (so tests can tell their requests apart in the log by a query); a path
  not listed gets 404 "not found":
    {"/visit": {"status": 200, "body": "text sent as UTF-8"},
     "/bytes": {"hex": "e4b8ad0a"},           body given as hex bytes
     "/big":   {"body": "x", "repeat": 300000},  body repeated N times
     "/slow":  {"body": "late", "delay": 3},  answers after 3 seconds
     "/plain": {"body": "b", "length": false}, no Content-Length header
     "/hang":  {"hang": true},                 reads the request, never answers
     "/reset": {"reset": true}}                resets the connection at once
  "status" defaults to 200, the body to empty; "headers" adds response
  headers (e.g. {"Location": "/a"} with status 302). Every request is
  logged to the log file as "METHOD PATH VERSION", then its headers, each
  on a line of its own indented by two blanks.

ctest fixtures (see test_servers.cmake next to this script)
  quorvin_test_ca_fixtures() and quorvin_test_server(NAME ...) add setup and
  cleanup tests that make the certificates, trust the CA in the Wine prefix,
  and start and stop a server; tests then name the fixture in
  FIXTURES_REQUIRED.
"""

import argparse
import json
import os
import signal
import socket
import ssl
import struct
import subprocess
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


def run_openssl(*args, cwd):
    subprocess.run(["openssl", *args], cwd=cwd, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def make_ca_and_server(folder, ca_name):
    os.makedirs(folder, exist_ok=True)
    if os.path.exists(os.path.join(folder, "server.pem")):
        return
    run_openssl("req", "-x509", "-newkey", "rsa:2048", "-nodes",
                "-keyout", "ca.key", "-out", "ca.pem", "-days", "365",
                "-subj", "/CN=" + ca_name,
                "-addext", "basicConstraints=critical,CA:TRUE",
                "-addext", "keyUsage=critical,keyCertSign,cRLSign", cwd=folder)
    run_openssl("x509", "-in", "ca.pem", "-outform", "DER", "-out", "ca.der",
                cwd=folder)
    run_openssl("req", "-newkey", "rsa:2048", "-nodes", "-keyout",
                "server.key", "-out", "server.csr", "-subj", "/CN=localhost",
                cwd=folder)
    with open(os.path.join(folder, "server.ext"), "w") as ext:
        ext.write("basicConstraints=CA:FALSE\n"
                  "keyUsage=digitalSignature,keyEncipherment\n"
                  "extendedKeyUsage=serverAuth\n"
                  "subjectAltName=DNS:localhost\n")
    run_openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem",
                "-CAkey", "ca.key", "-CAcreateserial", "-days", "365",
                "-extfile", "server.ext", "-out", "server.crt", cwd=folder)
    with open(os.path.join(folder, "server.pem.tmp"), "w") as chain:
        for name in ("server.crt", "ca.pem"):
            with open(os.path.join(folder, name)) as part:
                chain.write(part.read())
    os.replace(os.path.join(folder, "server.pem.tmp"),
               os.path.join(folder, "server.pem"))


def make_certs(folder):
    make_ca_and_server(folder, "Quorvin Test CA")
    make_ca_and_server(os.path.join(folder, "untrusted"), "Untrusted Test CA")


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.0"
    routes_file = None
    log_file = None

    def setup(self):
        super().setup()
        if isinstance(self.connection, ssl.SSLSocket):
            self.connection.settimeout(10)
            self.connection.do_handshake()  # here, not in the accepting thread

    def log_message(self, fmt, *args):
        pass

    def route(self):
        try:
            with open(self.routes_file, encoding="utf-8") as f:
                routes = json.load(f)
        except (OSError, ValueError):
            routes = {}
        route = routes.get(self.path)
        return route if route is not None else routes.get(
            self.path.split("?")[0])

    def do_GET(self):
        if self.log_file:
            entry = self.requestline + "\n" + "".join(
                "  %s: %s\n" % header for header in self.headers.items())
            with open(self.log_file, "a", encoding="utf-8") as log:
                log.write(entry)  # one write, so threads do not interleave
        route = self.route()
        if route is None:
            route = {"status": 404, "body": "not found"}
        if route.get("reset"):
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER,
                                       struct.pack("ii", 1, 0))
            self.close_connection = True
            self.connection.close()
            return
        if route.get("hang"):
            self.wait_for_client_to_leave()
            return
        time.sleep(float(route.get("delay", 0)))
        body = (bytes.fromhex(route["hex"]) if "hex" in route
                else route.get("body", "").encode("utf-8"))
        body *= int(route.get("repeat", 1))
        self.send_response(int(route.get("status", 200)))
        self.send_header("Content-Type", "text/plain")
        if route.get("length", True):
            self.send_header("Content-Length", str(len(body)))
        for name, value in route.get("headers", {}).items():
            self.send_header(name, value)
        self.end_headers()
        try:
            self.wfile.write(body)
        except OSError:
            pass

    def wait_for_client_to_leave(self):
        self.connection.settimeout(None)
        try:
            while self.connection.recv(4096):
                pass
        except OSError:
            pass
        self.close_connection = True


class Server(ThreadingHTTPServer):
    daemon_threads = True
    allow_reuse_address = True

    def handle_error(self, request, client_address):
        pass  # refused handshakes and dropped clients are part of the tests


def serve(args):
    Handler.routes_file = args.routes
    Handler.log_file = args.log
    servers = []
    for port in args.http:
        servers.append(Server(("127.0.0.1", int(port)), Handler))
    for listener in args.https:
        port, cert, key = listener.split(":", 2)
        server = Server(("127.0.0.1", int(port)), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(cert, key)
        server.socket = context.wrap_socket(server.socket, server_side=True,
                                            do_handshake_on_connect=False)
        servers.append(server)
    signal.signal(signal.SIGTERM, lambda *_: os._exit(0))
    for server in servers[1:]:
        threading.Thread(target=server.serve_forever, daemon=True).start()
    servers[0].serve_forever()


def ports_of(args):
    return [int(p) for p in args.http] + [int(s.split(":")[0])
                                          for s in args.https]


def listening(port):
    try:
        with socket.create_connection(("127.0.0.1", port), timeout=0.5):
            return True
    except OSError:
        return False


def alive(pid):
    # A zombie counts as gone: nobody may be left to reap it.
    try:
        with open("/proc/%d/stat" % pid) as f:
            return f.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def serves(pid):
    # A pid file outlives its server when a run is cut off, and the number
    # may since have gone to any other process (another test run's): only a
    # server of this script is ever signalled.
    try:
        with open("/proc/%d/cmdline" % pid, "rb") as f:
            argv = f.read().split(b"\0")
    except OSError:
        return False
    script = os.path.basename(__file__).encode()
    return b"serve" in argv and any(os.path.basename(arg) == script
                                    for arg in argv)


def stop(pidfile):
    try:
        with open(pidfile) as f:
            pid = int(f.read())
    except (OSError, ValueError):
        return
    if not serves(pid):
        os.remove(pidfile)
        return
    try:
        os.kill(pid, signal.SIGTERM)
    except ProcessLookupError:
        pass
    for _ in range(100):
        if not alive(pid):
            break
        time.sleep(0.05)
    os.remove(pidfile)


def start(args, serve_argv):
    stop(args.pidfile)
    log = open(args.log or os.devnull, "a")
    child = subprocess.Popen([sys.executable, os.path.abspath(__file__),
                              "serve", *serve_argv],
                             stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                             start_new_session=True)
    with open(args.pidfile, "w") as f:
        f.write(str(child.pid))
    deadline = time.time() + 10
    while time.time() < deadline:
        if child.poll() is not None:
            sys.exit("test server ended at once (see its log)")
        if all(listening(port) for port in ports_of(args)):
            return
        time.sleep(0.05)
    sys.exit("test server not listening after 10 s")


def serve_options(parser):
    parser.add_argument("--routes", required=True)
    parser.add_argument("--http", action="append", default=[])
    parser.add_argument("--https", action="append", default=[],
                        metavar="PORT:CERT:KEY")
    parser.add_argument("--log")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    commands.add_parser("certs").add_argument("folder")
    serve_options(commands.add_parser("serve"))
    starting = commands.add_parser("start")
    starting.add_argument("--pidfile", required=True)
    serve_options(starting)
    commands.add_parser("stop").add_argument("--pidfile", required=True)
    args = parser.parse_args()
    if args.command == "certs":
        make_certs(args.folder)
    elif args.command == "serve":
        serve(args)
    elif args.command == "start":
        argv = sys.argv[sys.argv.index("start") + 1:]
        i = argv.index("--pidfile")
        start(args, argv[:i] + argv[i + 2:])
    else:
        stop(args.pidfile)


if __name__ == "__main__":
    main()
