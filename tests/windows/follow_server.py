#!/usr/bin/env python3
"""A school's web server for the tests of a followed timetable, on 127.0.0.1 only.

    follow_server.py start ROOT STATE   start in the background; STATE/port, STATE/down_port
                                        (a port nothing listens on) and STATE/log appear
    follow_server.py stop STATE         stop it

Serves the files below ROOT with an ETag (a hash of the bytes) and Last-Modified, and answers a
request that names them with 304. Besides the files:
    /status/NNN/...        status NNN with a short body
    /big/...               a 200 whose body is 1 MiB and one byte
    /short/...             a 200 whose connection closes 10 bytes before its Content-Length
    /redirect/N/PATH       N redirects, then PATH
    /gen/NAME.yaml         a CSES week of its own for every NAME (the benchmark's classes)
    /auth/PATH             401 without Basic authorization as "teacher" with password "s3cret",
                           else PATH
    /trickle-body/PATH     the first request in its top folder (with its query) other than for
                           notices.csv: headers at once,
                           then a body 200 bytes a second for at most TRICKLE seconds; later
                           ones PATH
    /trickle-head/PATH     the same with the status line and headers 2 bytes a second
    /stats                 requests, 200s, 304s and bytes moved so far, as key=value lines
Every request goes to STATE/log as "METHOD PATH STATUS". The server ends by itself after
LIFETIME seconds or MAX_REQUESTS requests, whichever comes first, so that nothing outlives a
broken run.
"""
import base64
import hashlib
import http.server
import os
import signal
import socket
import sys
import threading
import time
import urllib.parse
from email.utils import formatdate, parsedate_to_datetime

import server_process

LIFETIME = 1800
MAX_REQUESTS = 20000
TRICKLE = 60


class Counts:
    def __init__(self):
        self.lock = threading.Lock()
        self.requests = self.ok = self.not_modified = 0
        self.bytes_in = self.bytes_out = 0


def generated_week(name):
    subjects = ["语文", "数学", "英语", "物理", "化学", "生物", "历史", "地理"]
    seed = int(hashlib.sha1(name.encode()).hexdigest(), 16)
    lines = ["version: 1", "subjects:"] + ["  - name: " + s for s in subjects] + ["schedules:"]
    for day in range(1, 6):
        lines += ["  - name: 星期%d" % day, "    enable_day: %d" % day, "    weeks: all",
                  "    classes:"]
        for period in range(8):
            subject = subjects[(seed >> (day * 8 + period)) % len(subjects)]
            start = 8 * 60 + period * 55
            lines.append('      - {subject: %s, start_time: "%02d:%02d:00", end_time: "%02d:%02d:00"}'
                         % (subject, start // 60, start % 60, (start + 45) // 60, (start + 45) % 60))
    return ("\n".join(lines) + "\n").encode()


def make_handler(root, state, counts):
    log_lock = threading.Lock()
    trickled = set()

    class Handler(http.server.BaseHTTPRequestHandler):
        protocol_version = "HTTP/1.1"

        def log_message(self, *args):
            pass

        # A server whose clock is off: the seconds in STATE/date_offset, if any, on every Date.
        def date_time_string(self, timestamp=None):
            try:
                with open(os.path.join(state, "date_offset")) as f:
                    shift = float(f.read().strip() or 0)
            except (OSError, ValueError):
                shift = 0.0
            return super().date_time_string((timestamp or time.time()) + shift)

        def answer(self, status, body=b"", headers=()):
            self.send_response(status)
            for name, value in headers:
                self.send_header(name, value)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            if self.command != "HEAD":
                self.wfile.write(body)
            with counts.lock:
                counts.requests += 1
                counts.ok += status == 200
                counts.not_modified += status == 304
                counts.bytes_in += len(self.requestline) + 2 + len(bytes(self.headers))
                counts.bytes_out += self.sent_head + len(body)
            self.log("%s %s %d" % (self.command, urllib.parse.unquote(self.path), status))
            if counts.requests >= MAX_REQUESTS:
                os.kill(os.getpid(), signal.SIGTERM)

        def end_headers(self):
            # The status line and headers waiting in the buffer, and the blank line after them.
            self.sent_head = sum(map(len, self._headers_buffer)) + 2
            super().end_headers()

        def serve_bytes(self, body, modified):
            etag = '"%s"' % hashlib.sha1(body).hexdigest()[:16]
            validators = [("ETag", etag), ("Last-Modified", formatdate(modified, usegmt=True))]
            if self.headers.get("If-None-Match") == etag:
                return self.answer(304, headers=validators)
            since = self.headers.get("If-Modified-Since")
            if since and not self.headers.get("If-None-Match"):
                try:
                    if int(modified) <= parsedate_to_datetime(since).timestamp():
                        return self.answer(304, headers=validators)
                except (TypeError, ValueError):
                    pass
            self.answer(200, body, validators + [("Content-Type", "application/octet-stream")])

        def log(self, line):
            with log_lock, open(os.path.join(state, "log"), "a", encoding="utf-8") as log:
                log.write(line + "\n")

        def trickle(self, head, key):
            """Sends a slow answer, the first time `key` is asked for; False after."""
            with log_lock:
                if key in trickled:
                    return False
                trickled.add(key)
            self.log("%s %s trickled" % (self.command, urllib.parse.unquote(self.path)))
            status = b"HTTP/1.1 200 OK\r\nContent-Length: 1048576\r\n"
            ending = time.monotonic() + TRICKLE
            try:
                if head:
                    # The headers never end: a padding header goes on until the server gives up.
                    status += b"X-Padding: "
                    for i in range(TRICKLE * 2):
                        if time.monotonic() > ending:
                            break
                        self.wfile.write(status[i:i + 1] if i < len(status) else b"a")
                        self.wfile.flush()
                        time.sleep(0.5)
                else:
                    status += b"\r\n"
                    self.wfile.write(status)
                    while time.monotonic() < ending:
                        self.wfile.write(b"#" * 200)
                        self.wfile.flush()
                        time.sleep(1)
            except OSError:
                pass
            self.close_connection = True
            return True

        def do_GET(self):
            self.route(urllib.parse.unquote(urllib.parse.urlsplit(self.path).path))

        def route(self, path):
            parts = path.split("/")
            if len(parts) > 2 and parts[1] == "auth":
                expected = "Basic " + base64.b64encode(b"teacher:s3cret").decode()
                if self.headers.get("Authorization") != expected:
                    return self.answer(401, b"who", [("WWW-Authenticate", 'Basic realm="school"')])
                return self.route("/" + "/".join(parts[2:]))
            # notices.csv comes on a timer of its own, at start too: it is answered at once, so
            # that the folder's one trickle goes to the timetable's round.
            if (len(parts) > 2 and parts[1] in ("trickle-body", "trickle-head")
                    and parts[-1] != "notices.csv"):
                split = urllib.parse.urlsplit(self.path)
                # One trickle for the served folder and all below it (the holidays/ beside it).
                folder = "/".join(parts[:3]) + "/?" + split.query
                if self.trickle(parts[1] == "trickle-head", folder):
                    return
                return self.route("/" + "/".join(parts[2:]))
            if path == "/stats":
                with counts.lock:
                    text = "requests=%d\nok=%d\nnot_modified=%d\nbytes_in=%d\nbytes_out=%d\n" % (
                        counts.requests, counts.ok, counts.not_modified, counts.bytes_in,
                        counts.bytes_out)
                return self.answer(200, text.encode())
            if len(parts) > 2 and parts[1] == "status" and parts[2].isdigit():
                return self.answer(int(parts[2]), b"status")
            if len(parts) > 1 and parts[1] == "short":
                self.send_response(200)
                self.send_header("Content-Length", "100")
                self.end_headers()
                self.wfile.write(b"version: 1\n" + b"#" * 79)
                self.close_connection = True
                return self.log("GET %s short" % urllib.parse.unquote(self.path))
            if len(parts) > 1 and parts[1] == "big":
                return self.answer(200, b"#" * ((1 << 20) + 1))
            if len(parts) > 3 and parts[1] == "redirect" and parts[2].isdigit():
                left = int(parts[2])
                target = "/" + "/".join(parts[3:]) if left <= 1 else \
                    "/redirect/%d/%s" % (left - 1, "/".join(parts[3:]))
                location = "http://127.0.0.1:%d%s" % (self.server.server_address[1],
                                                       urllib.parse.quote(target))
                return self.answer(302, headers=[("Location", location)])
            if len(parts) == 3 and parts[1] == "gen" and parts[2].endswith(".yaml"):
                return self.serve_bytes(generated_week(parts[2][:-5]), 1700000000)
            file = os.path.realpath(os.path.join(root, path.lstrip("/")))
            if not file.startswith(os.path.realpath(root) + os.sep) or not os.path.isfile(file):
                return self.answer(404, b"not found")
            with open(file, "rb") as f:
                body = f.read()
            self.serve_bytes(body, os.path.getmtime(file))

    return Handler


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(root, state):
    counts = Counts()
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), make_handler(root, state, counts))
    server.daemon_threads = True
    ending = threading.Timer(LIFETIME, server.shutdown)
    ending.daemon = True
    ending.start()
    signal.signal(signal.SIGTERM, lambda *_: threading.Thread(target=server.shutdown).start())
    with open(os.path.join(state, "port.tmp"), "w") as f:
        f.write(str(server.server_address[1]))
    os.replace(os.path.join(state, "port.tmp"), os.path.join(state, "port"))
    server.serve_forever()


def start(root, state):
    os.makedirs(root, exist_ok=True)
    os.makedirs(state, exist_ok=True)
    stop(state)
    for name in ("port", "log"):
        if os.path.exists(os.path.join(state, name)):
            os.remove(os.path.join(state, name))
    with open(os.path.join(state, "down_port"), "w") as f:
        f.write(str(free_port()))
    return server_process.launch(__file__, [root, state], state)


def stop(state):
    return server_process.stop(state)


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command == "start" and len(sys.argv) == 4:
        sys.exit(start(sys.argv[2], sys.argv[3]))
    if command == "serve" and len(sys.argv) == 4:
        sys.exit(serve(sys.argv[2], sys.argv[3]))
    if command == "stop" and len(sys.argv) == 3:
        sys.exit(stop(sys.argv[2]))
    print(__doc__, file=sys.stderr)
    sys.exit(2)
