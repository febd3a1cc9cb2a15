#!/usr/bin/env python3
"""A stand-in for the maker's web server, on 127.0.0.1 and a free port (printed first).

Each case is a path prefix: /same, /newer, /nosection, /nonnumeric, /missing (404), /huge
(10 MiB), /stall (answers after 30 s), /redirect (to plain HTTP elsewhere), /ip11, /ipbody.
With --tls CERT KEY it speaks HTTPS.
"""
import http.server
import socketserver
import sys
import time

VERSION = {
    "same": b"[version]\r\ndispo=2006000\r\n[info]\r\nline1=Zumbrel 2.6.0\r\n",
    "newer": b"[version]\r\ndispo=2006001\r\n[info]\r\nline1=Zumbrel 2.6.1\r\nline2=Faster\r\n",
    "nosection": b"[info]\r\nline1=Zumbrel\r\n",
    "nonnumeric": b"[version]\r\ndispo=soon\r\n",
}
IP_LINES = [b"<html>", b"<head>", b"</head>", b"<p>", b"Your", b"address", b"is", b":",
            b"", b"-"]


class Handler(http.server.BaseHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def send(self, body, status=200):
        self.send_response(status)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def do_GET(self):
        case = self.path.strip("/").split("/")[0]
        if case in VERSION and self.path.endswith("/version/v_zmb.txt"):
            self.send(VERSION[case])
        elif case == "missing":
            self.send(b"<html><body>404</body></html>", 404)
        elif case == "huge":
            self.send(b"[version]\r\ndispo=2006001\r\n" + b"x" * (10 << 20))
        elif case == "stall":
            time.sleep(30)
            self.send(VERSION["same"])
        elif case == "redirect":
            self.send_response(302)
            self.send_header("Location", "http://example.com/version/v_zmb.txt")
            self.send_header("Content-Length", "0")
            self.end_headers()
        elif case == "ip11":
            self.send(b"\r\n".join(IP_LINES + [b"  203.0.113.7  ", b"</html>"]) + b"\r\n")
        elif case == "ipbody":
            self.send(b"\r\n".join(IP_LINES + [b"<body>"]) + b"\r\n")
        else:
            self.send(b"", 404)


class Server(socketserver.ThreadingMixIn, http.server.HTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", 0), Handler)
if len(sys.argv) == 4 and sys.argv[1] == "--tls":  # --tls CERT KEY: HTTPS
    import ssl
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(sys.argv[2], sys.argv[3])
    server.socket = context.wrap_socket(server.socket, server_side=True)
print(server.server_address[1], flush=True)
server.serve_forever()
