#!/usr/bin/env python3
"""The benchmark's POP3 server, a native Linux process on 127.0.0.1, so that its replies cost the
clients under Wine nothing of Wine's own.

Serves one session after another and answers every line at once: "+OK", and "-ERR" to CAPA and to
LIST (no STLS offered, an empty mailbox). Prints its two ports, "<sessions> <reports>", on a line of
its own, then waits for the one reader of the reports. After each session it sends that reader one
line "<to LIST> <to close>": the milliseconds from accept to the answer to LIST (-1 when the session
never got that far) and from accept to the client's close.

    timing_server.py
"""

import socket
import time


def listener():
    server = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    server.bind(("127.0.0.1", 0))
    server.listen(16)
    return server


def milliseconds_since(start):
    return (time.perf_counter() - start) * 1000


def serve(client):
    """Plays one session; returns its two times."""
    accepted = time.perf_counter()
    to_list = -1.0
    client.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
    try:
        client.sendall(b"+OK bench server ready\r\n")
        pending = b""
        while True:
            received = client.recv(512)
            if not received:
                break  # the client has closed: the session is over
            pending += received
            while b"\n" in pending:
                line, pending = pending.split(b"\n", 1)
                if line.startswith(b"LIST"):
                    client.sendall(b"-ERR There's no message 1.\r\n")
                    to_list = milliseconds_since(accepted)
                else:
                    # Like an old server it knows no CAPA, so the login follows in clear.
                    client.sendall(b"-ERR unknown command\r\n" if line.startswith(b"CAPA") else b"+OK\r\n")
    except OSError:
        pass  # a reset ends the session as a close does
    return to_list, milliseconds_since(accepted)


def main():
    sessions, reports = listener(), listener()
    print(sessions.getsockname()[1], reports.getsockname()[1], flush=True)
    reader, _ = reports.accept()
    reports.close()
    while True:
        client, _ = sessions.accept()
        with client:
            to_list, to_close = serve(client)
        reader.sendall(b"%.3f %.3f\n" % (to_list, to_close))


if __name__ == "__main__":
    main()
