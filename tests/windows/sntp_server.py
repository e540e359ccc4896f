#!/usr/bin/env python3
"""A time server (SNTP, RFC 4330) for the Windows tests, on 127.0.0.1 only.

    sntp_server.py start STATE   start in the background; STATE/port (UDP) and STATE/log appear
    sntp_server.py stop STATE    stop it

Each request is answered as a server at stratum 2 whose clock is the machine's plus the seconds
in STATE/offset (0 without the file), read at every request. While STATE/silent exists it answers
nothing. Every request goes to STATE/log as "answered OFFSET" or "silent". The server ends by
itself after LIFETIME seconds or MAX_REQUESTS requests, so that nothing outlives a broken run.
"""
import os
import socket
import struct
import sys
import time

import server_process

LIFETIME = 1800
MAX_REQUESTS = 5000
NTP_FROM_UNIX = 2208988800


def ntp_time(unix_seconds):
    seconds = int(unix_seconds)
    fraction = int((unix_seconds - seconds) * (1 << 32))
    return struct.pack("!II", (seconds + NTP_FROM_UNIX) & 0xFFFFFFFF, fraction)


def offset_of(state):
    try:
        with open(os.path.join(state, "offset")) as f:
            return float(f.read().strip() or 0)
    except (OSError, ValueError):
        return 0.0


def serve(state):
    server = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
    server.bind(("127.0.0.1", 0))
    server.settimeout(1)
    with open(os.path.join(state, "port.tmp"), "w") as f:
        f.write(str(server.getsockname()[1]))
    os.replace(os.path.join(state, "port.tmp"), os.path.join(state, "port"))
    ending = time.monotonic() + LIFETIME
    requests = 0
    with open(os.path.join(state, "log"), "a", buffering=1) as log:
        while time.monotonic() < ending and requests < MAX_REQUESTS:
            try:
                request, client = server.recvfrom(2048)
            except socket.timeout:
                continue
            requests += 1
            if os.path.exists(os.path.join(state, "silent")):
                log.write("silent\n")
                continue
            if len(request) < 48:
                continue
            offset = offset_of(state)
            received = time.time() + offset
            head = bytes([(4 << 3) | 4, 2, request[2], 0xEC]) + b"\0" * 8 + b"LOCL"
            reply = head + ntp_time(received) + request[40:48] + ntp_time(received) + \
                ntp_time(time.time() + offset)
            server.sendto(reply, client)
            log.write("answered %g\n" % offset)


def start(state):
    os.makedirs(state, exist_ok=True)
    stop(state)
    for name in ("port", "log", "silent"):
        if os.path.exists(os.path.join(state, name)):
            os.remove(os.path.join(state, name))
    return server_process.launch(__file__, [state], state)


def stop(state):
    return server_process.stop(state)


if __name__ == "__main__":
    command = sys.argv[1] if len(sys.argv) > 1 else ""
    if command in ("start", "serve", "stop") and len(sys.argv) == 3:
        sys.exit({"start": start, "serve": serve, "stop": stop}[command](sys.argv[2]) or 0)
    print(__doc__, file=sys.stderr)
    sys.exit(2)
