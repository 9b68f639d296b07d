#!/usr/bin/env python3
"""TLS servers for exact cases that Dovecot cannot play, on 127.0.0.1, with the fixture's certificates.

    scripted_tls_server.py <tls-folder> <ports-file>

Each listener serves any number of connections; once all listen, <ports-file> holds NAME=port lines:
  GREETING_CLOSE  self-signed certificate: the server's last handshake message, a greeting and
                  close_notify go out together in one segment, as a man in the middle would send them
  FLOOD           certificate from the test CA: after the handshake "+OK\\r\\n" and FLOOD_BYTES of "x"
                  in full-size records, as fast as the client reads
  ADDRESS         certificate from the test CA for the addresses 127.0.0.1 and ::1 only: a greeting
"""
import os
import socket
import ssl
import sys
import threading

FLOOD_BYTES = 1 << 20
CHUNK = 65536


def context_for(folder, name):
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(os.path.join(folder, name + ".pem"), os.path.join(folder, name + ".key"))
    # Wine's Schannel speaks TLS 1.2; no ticket keeps the server's last flight to CCS and Finished.
    context.maximum_version = ssl.TLSVersion.TLSv1_2
    context.options |= ssl.OP_NO_TICKET
    return context


def handshake(conn, tls, incoming, outgoing):
    """True once the handshake is done; the server's last flight is left unsent in `outgoing`."""
    while True:
        try:
            tls.do_handshake()
            return True
        except ssl.SSLWantReadError:
            pass
        pending = outgoing.read()
        if pending:
            conn.sendall(pending)
        data = conn.recv(CHUNK)
        if not data:
            return False
        incoming.write(data)


def greeting_close(conn, tls, outgoing):
    tls.write(b"+OK Gruss eines Fremden\r\n")
    try:
        tls.unwrap()
    except ssl.SSLWantReadError:
        pass  # the alert is written; the client's own close_notify is not awaited
    conn.sendall(outgoing.read())


def flood(conn, tls, outgoing):
    conn.sendall(outgoing.read())
    tls.write(b"+OK\r\n" + b"x" * FLOOD_BYTES)
    conn.sendall(outgoing.read())


def greet(conn, tls, outgoing):
    conn.sendall(outgoing.read())
    tls.write(b"+OK bereit\r\n")
    conn.sendall(outgoing.read())


def serve(conn, context, play):
    incoming, outgoing = ssl.MemoryBIO(), ssl.MemoryBIO()
    tls = context.wrap_bio(incoming, outgoing, server_side=True)
    try:
        if handshake(conn, tls, incoming, outgoing):
            play(conn, tls, outgoing)
        # Like a real server, it keeps the connection until the client closes it.
        while conn.recv(CHUNK):
            pass
    except (OSError, ssl.SSLError):
        pass
    finally:
        conn.close()


def listen(context, play):
    listener = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    listener.bind(("127.0.0.1", 0))
    listener.listen(8)

    def accept_all():
        while True:
            conn, _ = listener.accept()
            threading.Thread(target=serve, args=(conn, context, play), daemon=True).start()

    threading.Thread(target=accept_all, daemon=True).start()
    return listener.getsockname()[1]


def main():
    folder, ports_file = sys.argv[1], sys.argv[2]
    ports = {
        "GREETING_CLOSE": listen(context_for(folder, "selfsigned"), greeting_close),
        "FLOOD": listen(context_for(folder, "localhost"), flood),
        "ADDRESS": listen(context_for(folder, "address"), greet),
    }
    with open(ports_file + ".tmp", "w") as out:
        out.writelines(f"{name}={port}\n" for name, port in ports.items())
    os.replace(ports_file + ".tmp", ports_file)
    threading.Event().wait()


if __name__ == "__main__":
    main()
