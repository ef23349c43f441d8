#!/usr/bin/env python3
"""What hostile requests cost atrium-view: the resident memory a many-ranges request of an
8 MB file drives the server to, the latency of a plain request while 40 connections trickle
half a request, and how long the server takes to stop on SIGINT in the middle of it.

    bench/serve_abuse.py build/sample/atrium-view [RANGES]
"""
import os
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time

view = os.path.abspath(sys.argv[1])
range_count = int(sys.argv[2]) if len(sys.argv) > 2 else 200
size = 8 << 20
limit = 60.0  # seconds any one measurement may take


def resident(pid, key):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(key + ":"):
                return int(line.split()[1]) // 1024
    return 0


def connect(port):
    s = socket.create_connection(("127.0.0.1", port), timeout=limit)
    return s


def request(port, path, extra=""):
    return f"GET {path} HTTP/1.1\r\nHost: 127.0.0.1:{port}\r\n{extra}Connection: close\r\n\r\n".encode()


with tempfile.TemporaryDirectory() as folder:
    with open(os.path.join(folder, "big.wrl"), "wb") as big:
        big.write(os.urandom(size))
    server = subprocess.Popen([view, "--no-open"], cwd=folder, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True)
    port = None
    for line in server.stdout:
        if "127.0.0.1:" in line:
            port = int(line.split("127.0.0.1:")[1].split("/")[0])
            break
    print(f"resident at start: {resident(server.pid, 'VmRSS')} MB")

    # One request of about 2 KB asking for many overlapping ranges; the client reads slowly.
    ranges = ",".join(f"{i}-" for i in range(range_count))
    many = connect(port)
    many.sendall(request(port, "/big.wrl", f"Range: bytes={ranges}\r\n"))
    start = time.monotonic()
    first = b""
    many.settimeout(0.5)
    while time.monotonic() - start < 10 and not first:
        try:
            first = many.recv(256)
        except socket.timeout:
            pass
    status = first.split(b"\r\n", 1)[0].decode(errors="replace") or "nothing sent in 10 s"
    peak = resident(server.pid, "VmHWM")
    print(f"{range_count} ranges ({len(ranges)} bytes): {status}; peak resident {peak} MB")

    # A plain request while 40 connections each trickle half a request.
    stop = threading.Event()
    slow = [connect(port) for _ in range(40)]
    for s in slow:
        s.sendall(b"GET /big.wrl HTTP/1.1\r\nX-Slow: ")

    def trickle():
        while not stop.wait(0.2):
            for s in slow:
                try:
                    s.send(b"a")
                except OSError:
                    pass

    threading.Thread(target=trickle, daemon=True).start()
    time.sleep(0.5)
    start = time.monotonic()
    plain = connect(port)
    plain.sendall(request(port, "/worlds.json"))
    try:
        reply = plain.recv(256).split(b"\r\n", 1)[0].decode()
    except socket.timeout:
        reply = f"no answer in {limit:.0f} s"
    print(f"plain request with 40 trickling connections: {reply} after {time.monotonic() - start:.3f} s")
    stop.set()

    start = time.monotonic()
    server.send_signal(signal.SIGINT)
    try:
        server.wait(timeout=limit)
        print(f"stopped {time.monotonic() - start:.3f} s after SIGINT")
    except subprocess.TimeoutExpired:
        print(f"still running {limit:.0f} s after SIGINT")
        server.kill()
        server.wait()
    for s in slow + [many, plain]:
        s.close()
