"""Serves a folder as a static web host does, for the page's tests and benchmark.

Where a file has a precompressed twin beside it (NAME.br, NAME.gz) and the browser
accepts that encoding, the twin is sent with Content-Encoding, as nginx's
brotli_static and gzip_static, Apache's MultiViews and Caddy's precompressed do.
A text or WebAssembly file without one is compressed on the fly with gzip, as most
hosts do for what they are not given compressed (on_the_fly=False sends it as it
is, as Python's own http.server does; compressed=False sends every file as it is).
HTTP/1.1, so connections are kept.
"""
import functools
import gzip
import http.server
import socket
import threading
from pathlib import Path

TYPES = {".wasm": "application/wasm", ".webmanifest": "application/manifest+json",
         ".js": "text/javascript", ".woff2": "font/woff2", ".svg": "image/svg+xml"}
# What a host compresses: text and WebAssembly, never the already packed faces and pictures.
COMPRESSIBLE = {".html", ".css", ".js", ".wasm", ".webmanifest", ".json", ".svg", ".txt"}
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class StaticHostHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}
    on_the_fly = True
    compressed = True

    def log_message(self, *args):
        pass

    def accepted(self):
        header = self.headers.get("Accept-Encoding", "")
        return {part.split(";")[0].strip() for part in header.split(",")}

    def send_head(self):
        path = Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if not self.compressed or not path.is_file() or path.suffix not in COMPRESSIBLE:
            return super().send_head()
        body, encoding = None, None
        for name, suffix in ENCODINGS:
            twin = path.with_name(path.name + suffix)
            if name in self.accepted() and twin.is_file():
                body, encoding = twin.read_bytes(), name
                break
        if body is None and self.on_the_fly and "gzip" in self.accepted():
            body, encoding = gzip.compress(path.read_bytes(), 6), "gzip"
        if body is None:
            return super().send_head()
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Encoding", encoding)
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return _Body(body)


class _Body:
    """The bytes to send, as send_head's caller reads them from a file."""

    def __init__(self, data):
        self.data = data

    def read(self, *args):
        data, self.data = self.data, b""
        return data

    def close(self):
        pass


class _Server(http.server.ThreadingHTTPServer):
    """Keeps its open connections, so that stop() ends them too: a browser would
    otherwise go on sending requests on a connection it keeps."""

    daemon_threads = True

    def __init__(self, *args):
        super().__init__(*args)
        self.connections = set()

    def process_request(self, request, client_address):
        self.connections.add(request)
        super().process_request(request, client_address)

    def shutdown_request(self, request):
        self.connections.discard(request)
        super().shutdown_request(request)

    def stop(self):
        self.shutdown()
        self.server_close()
        for connection in list(self.connections):
            try:
                connection.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass


def serve(folder, handler=StaticHostHandler, **attributes):
    """Serves the folder from a port of its own on 127.0.0.1, in a thread; returns the
    server (server.url is its address; server.stop() ends it, open connections too)."""
    kind = type("Handler", (handler,), attributes) if attributes else handler
    server = _Server(("127.0.0.1", 0), functools.partial(kind, directory=str(folder)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    server.url = f"http://127.0.0.1:{server.server_address[1]}/"
    return server
