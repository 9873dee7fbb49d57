#!/usr/bin/env python3
"""A stand-in analytics collection endpoint for tests.

It accepts the upload POST, decodes the body ("data_list=" + percent-encoded
Base64 of gzip + "&gzip=1"), checks that it is a JSON array of objects,
appends each record as one JSON line to --records ("-": standard output,
after the PORT line) and answers 200.

Fault modes: --status N answers N instead; --fail-first K answers 500 to the
first K posts; --delay S waits S seconds before answering; --close drops the
connection without an answer.

It also answers the location-and-time request (POST /api/location_and_time):
it checks the X-HM-Time and X-HM-Credential headers (403 when wrong) and
answers --location-reply (a JSON text); --location-fail-first K answers the
first K requests with a reply that lacks "country". Each location request
is logged on the records stream as {"location_request":{...}}.

--port 0 picks a free port; the first line on standard output is
"PORT <n>". It serves 127.0.0.1 only and stops on SIGTERM or when its
standard input closes (so a test that dies never leaves it behind).
"""
import argparse
import base64
import gzip
import hashlib
import json
import sys
import threading
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

MAX_BODY = 16 * 1024 * 1024
LOCATION_PATH = "/api/location_and_time"
LOCATION_SECRET = "Qm7TzR2wLk9pXv4B"
DEFAULT_LOCATION = '{"ip":"203.0.113.7","country":"Testland","country_code":"TL","province":"North","city":"Port"}'


def decode(body):
    text = body.decode("ascii")
    prefix, suffix = "data_list=", "&gzip=1"
    if not (text.startswith(prefix) and text.endswith(suffix)):
        raise ValueError("body is not data_list=...&gzip=1")
    encoded = text[len(prefix):-len(suffix)]
    if any(c in encoded for c in "+/="):
        raise ValueError("Base64 symbols are not percent-encoded")
    records = json.loads(gzip.decompress(base64.b64decode(urllib.parse.unquote(encoded), validate=True)))
    if not isinstance(records, list) or not all(isinstance(r, dict) for r in records):
        raise ValueError("batch is not a JSON array of objects")
    return records


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def emit(self, record):
        line = json.dumps(record, ensure_ascii=False, separators=(",", ":")) + "\n"
        with self.server.lock:
            if self.server.options.records == "-":
                sys.stdout.write(line)
                sys.stdout.flush()
            elif self.server.options.records:
                with open(self.server.options.records, "a", encoding="utf-8") as out:
                    out.write(line)

    def do_location(self):
        options = self.server.options
        self.rfile.read(int(self.headers.get("Content-Length", "0")))
        with self.server.lock:
            self.server.location_requests += 1
            number = self.server.location_requests
        stamp = self.headers.get("X-HM-Time", "")
        credential = self.headers.get("X-HM-Credential", "")
        expected = hashlib.md5((LOCATION_PATH + "&&" + LOCATION_SECRET + "&" + stamp).encode()).hexdigest()
        valid = stamp.isdigit() and credential == expected
        self.emit({"location_request": {"time": stamp, "credential": credential, "valid": valid,
                                        "content_type": self.headers.get("Content-Type", "")}})
        if not valid:
            self.answer(403, b"bad credential")
        elif number <= options.location_fail_first:
            self.answer(200, b'{"note":"busy"}')
        else:
            self.answer(200, options.location_reply.encode("utf-8"))

    def do_POST(self):
        options = self.server.options
        if self.path == LOCATION_PATH:
            self.do_location()
            return
        with self.server.lock:
            self.server.posts += 1
            number = self.server.posts
        length = int(self.headers.get("Content-Length", "0"))
        if length > MAX_BODY:
            self.answer(413, b"too large")
            return
        body = self.rfile.read(length)
        if options.delay:
            time.sleep(options.delay)
        if options.close:
            self.close_connection = True
            self.connection.close()
            return
        try:
            records = decode(body)
        except Exception as error:  # noqa: BLE001 - any bad body is a 400
            sys.stderr.write("collector: bad body: %s\n" % error)
            self.answer(400, str(error).encode())
            return
        status = options.status
        if number <= options.fail_first:
            status = 500
        if status == 200:
            for record in records:
                self.emit(record)
        self.answer(status, b"ok" if status == 200 else b"refused")

    def answer(self, status, text):
        self.send_response(status)
        self.send_header("Content-Length", str(len(text)))
        self.end_headers()
        self.wfile.write(text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--records", default="")
    parser.add_argument("--status", type=int, default=200)
    parser.add_argument("--fail-first", type=int, default=0)
    parser.add_argument("--delay", type=float, default=0.0)
    parser.add_argument("--close", action="store_true")
    parser.add_argument("--location-reply", default=DEFAULT_LOCATION)
    parser.add_argument("--location-fail-first", type=int, default=0)
    options = parser.parse_args()

    server = ThreadingHTTPServer(("127.0.0.1", options.port), Handler)
    server.daemon_threads = True
    server.options = options
    server.lock = threading.Lock()
    server.posts = 0
    server.location_requests = 0
    print("PORT %d" % server.server_address[1], flush=True)

    def stop_when_stdin_closes():
        try:
            while sys.stdin.buffer.read(4096):
                pass
        except Exception:  # noqa: BLE001
            pass
        server.shutdown()

    threading.Thread(target=stop_when_stdin_closes, daemon=True).start()
    server.serve_forever(poll_interval=0.05)


if __name__ == "__main__":
    main()
