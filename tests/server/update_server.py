#!/usr/bin/env python3
"""A local HTTPS update server for the launcher's tests and demo.

Serves the files of a document folder over HTTPS on 127.0.0.1, and plain
HTTP on the next port (only a redirect that downgrades would reach it).
It is driven through files in a state folder, so that test programs running
under Wine can switch it by writing files through the Z: drive:

  state/mode         one global mode, applied to every new connection:
                       serve            (default) answer requests
                       refuse           close the listening socket: connections are refused
                       stall-handshake  accept TCP, never answer the TLS handshake
                       stall-handshake:<n>  the same for the next n connections only
                       cert:<name>      present certs/<name>.pem (expired, other, self, ...)
                     The server answers by writing state/mode.ack with the mode it applies.
  state/behaviours   lines "<file name> <behaviour>", applied per request:
                       status:<code>    answer with that status and a short body
                       stall-response   read the request, never answer
                       stall-body       send the headers and half the body, then nothing
                       reset-body       send half the body, then reset the connection
                       short-body       announce the whole length, send half, close cleanly
                       delay:<ms>       wait, then serve the file
                       redirect:<url>   302 to that address (relative or absolute;
                                        "{plain}" is replaced by http://localhost:<port+1>)
                       redirect-loop    302 to the same address
                       chunked          serve the file with chunked transfer coding
  state/requests.log    one line per request, when it arrives: "<scheme> <method> <path>"
  state/connections.log one line per accepted connection: "<scheme> <port>"
"""

import argparse
import os
import socket
import ssl
import sys
import threading
import time

STALL_SECONDS = 3600


class Server:
    def __init__(self, args):
        self.port = args.port
        self.docroot = args.docroot
        self.state = args.state
        self.certs = args.certs
        self.lock = threading.Lock()
        self.contexts = {}
        self.listener = None
        self.mode = None
        self.open_connections = set()

    # -- state files -------------------------------------------------------
    def read_state(self, name, default=""):
        try:
            with open(os.path.join(self.state, name), "r", encoding="utf-8") as f:
                return f.read()
        except OSError:
            return default

    def log(self, name, line):
        with self.lock:
            with open(os.path.join(self.state, name), "a", encoding="utf-8") as f:
                f.write(line + "\n")

    def behaviour_for(self, filename):
        for line in self.read_state("behaviours").splitlines():
            parts = line.split(None, 1)
            if len(parts) == 2 and parts[0] == filename:
                return parts[1].strip()
        return ""

    def context(self, name):
        if name not in self.contexts:
            ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
            ctx.load_cert_chain(os.path.join(self.certs, name + ".pem"),
                                os.path.join(self.certs, name + ".key"))
            self.contexts[name] = ctx
        return self.contexts[name]

    # -- listening ----------------------------------------------------------
    def open_listener(self):
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        s.bind(("127.0.0.1", self.port))
        s.listen(64)
        return s

    def serve_forever(self):
        plain = self.open_plain_listener()
        threading.Thread(target=self.plain_loop, args=(plain,), daemon=True).start()
        self.listener = self.open_listener()
        with open(os.path.join(self.state, "ready"), "w") as f:
            f.write(str(os.getpid()))
        while True:
            mode = self.read_state("mode", "serve").strip() or "serve"
            if mode != self.mode:
                # A client may keep an earlier connection for its next
                # request: the new mode ends those, so that it applies to
                # every request from now on.
                self.close_open_connections()
                if mode == "refuse" and self.listener:
                    self.listener.close()
                    self.listener = None
                elif mode != "refuse" and not self.listener:
                    self.listener = self.open_listener()
                self.mode = mode
                with open(os.path.join(self.state, "mode.ack"), "w") as f:
                    f.write(mode)
            if not self.listener:
                time.sleep(0.02)
                continue
            self.listener.settimeout(0.02)
            try:
                conn, _ = self.listener.accept()
            except socket.timeout:
                continue
            conn.settimeout(None)
            self.log("connections.log", "https %d" % self.port)
            threading.Thread(target=self.handle_tls, args=(conn, self.connection_mode(mode)),
                             daemon=True).start()

    def connection_mode(self, mode):
        """The mode for one new connection; counts down "stall-handshake:<n>"."""
        if mode.startswith("stall-handshake:"):
            left = int(mode.split(":", 1)[1])
            if left <= 0:
                return "serve"
            self.mode = "stall-handshake:%d" % (left - 1)
            with open(os.path.join(self.state, "mode"), "w") as f:
                f.write(self.mode)
            with open(os.path.join(self.state, "mode.ack"), "w") as f:
                f.write(self.mode)
            return "stall-handshake"
        return mode

    def close_open_connections(self):
        with self.lock:
            connections = list(self.open_connections)
        for conn in connections:
            try:
                conn.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

    def open_plain_listener(self):
        s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
        s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        s.bind(("127.0.0.1", self.port + 1))
        s.listen(16)
        return s

    def plain_loop(self, listener):
        while True:
            conn, _ = listener.accept()
            self.log("connections.log", "http %d" % (self.port + 1))
            threading.Thread(target=self.handle, args=(conn, "http"), daemon=True).start()

    # -- one connection -----------------------------------------------------
    def handle_tls(self, conn, mode):
        try:
            if mode == "stall-handshake":
                time.sleep(STALL_SECONDS)
                return
            cert = mode[5:] if mode.startswith("cert:") else "localhost"
            tls = self.context(cert).wrap_socket(conn, server_side=True)
        except (OSError, ssl.SSLError):
            conn.close()
            return
        self.handle(tls, "https")

    def handle(self, conn, scheme):
        with self.lock:
            self.open_connections.add(conn)
        try:
            while self.handle_request(conn, scheme):
                pass
        except (OSError, ssl.SSLError, ValueError):
            pass
        finally:
            with self.lock:
                self.open_connections.discard(conn)
            try:
                conn.close()
            except OSError:
                pass

    def handle_request(self, conn, scheme):
        request = b""
        while b"\r\n\r\n" not in request:
            data = conn.recv(4096)
            if not data:
                return False
            request += data
            if len(request) > 65536:
                return False
        head = request.split(b"\r\n\r\n", 1)[0].decode("latin-1")
        lines = head.split("\r\n")
        parts = lines[0].split(" ")
        method, path = parts[0], parts[1] if len(parts) > 1 else "/"
        filename = path.rsplit("/", 1)[-1]
        behaviour = self.behaviour_for(filename) if scheme == "https" else ""
        self.log("requests.log", "%s %s %s" % (scheme, method, path))
        return self.respond(conn, path, behaviour)

    def send(self, conn, status, reason, body, extra=""):
        conn.sendall(("HTTP/1.1 %d %s\r\nContent-Length: %d\r\n%s\r\n" %
                      (status, reason, len(body), extra)).encode("latin-1") + body)

    def respond(self, conn, path, behaviour):
        """Answers one request; False when the connection is to end."""
        if behaviour.startswith("delay:"):
            time.sleep(int(behaviour[6:]) / 1000.0)
            behaviour = ""
        if behaviour.startswith("status:"):
            code = int(behaviour[7:])
            self.send(conn, code, "Status", b"<html>status %d</html>" % code)
            return True
        if behaviour == "stall-response":
            time.sleep(STALL_SECONDS)
            return False
        if behaviour.startswith("redirect:") or behaviour == "redirect-loop":
            target = path if behaviour == "redirect-loop" else behaviour[9:]
            target = target.replace("{plain}", "http://localhost:%d" % (self.port + 1))
            self.send(conn, 302, "Found", b"", "Location: %s\r\n" % target)
            return True

        local = os.path.normpath(os.path.join(self.docroot, path.lstrip("/")))
        if not local.startswith(os.path.abspath(self.docroot)) or not os.path.isfile(local):
            self.send(conn, 404, "Not Found", b"<html>not found</html>")
            return True
        with open(local, "rb") as f:
            body = f.read()

        half = body[: len(body) // 2]
        if behaviour == "stall-body":
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\n\r\n" % len(body) + half)
            time.sleep(STALL_SECONDS)
            return False
        if behaviour == "reset-body":
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\n\r\n" % len(body) + half)
            # Linger with a time of 0: closing sends a reset, not a clean end.
            conn.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, b"\x01\x00\x00\x00\x00\x00\x00\x00")
            conn.close()
            return False
        if behaviour == "short-body":
            conn.sendall(b"HTTP/1.1 200 OK\r\nContent-Length: %d\r\n\r\n" % len(body) + half)
            return False
        if behaviour == "chunked":
            conn.sendall(b"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n")
            for i in range(0, len(body), 1000):
                chunk = body[i:i + 1000]
                conn.sendall(b"%x\r\n" % len(chunk) + chunk + b"\r\n")
            conn.sendall(b"0\r\n\r\n")
            return True
        self.send(conn, 200, "OK", body, "Content-Type: application/octet-stream\r\n")
        return True


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, required=True)
    parser.add_argument("--docroot", required=True)
    parser.add_argument("--state", required=True)
    parser.add_argument("--certs", required=True)
    args = parser.parse_args()
    os.makedirs(args.state, exist_ok=True)
    Server(args).serve_forever()


if __name__ == "__main__":
    sys.exit(main())
