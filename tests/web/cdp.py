# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# Headless Chromium driven over its DevTools protocol, and a static web server
# on 127.0.0.1, for the browser tests and the benchmark of the site. Nothing
# here reaches beyond this machine: Chromium is started with its background
# networking off and a fresh profile.
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading
import time

import websocket


class Site:
    """A folder served on 127.0.0.1, on a port of its own, until stop()."""

    def __init__(self, folder, port=0):
        handler = functools.partial(_QuietHandler, directory=folder)
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
        self.port = self.server.server_address[1]
        self.url = f'http://127.0.0.1:{self.port}/'
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.js': 'text/javascript',
                      '.webmanifest': 'application/manifest+json'}

    def log_message(self, format, *args):  # noqa: A002 (the base class's name)
        pass


class Browser:
    """Headless Chromium with one page, attached over the DevTools protocol."""

    def __init__(self, chromium, width=800, height=600):
        self.profile = tempfile.mkdtemp(prefix='quorvel-chromium-')
        self.process = subprocess.Popen(
            [chromium, '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
             '--disable-background-networking', '--disable-component-update', '--disable-sync',
             '--disable-default-apps', '--disable-extensions', '--mute-audio',
             f'--user-data-dir={self.profile}', '--remote-debugging-port=0',
             f'--window-size={width},{height}', 'about:blank'],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, 'DevToolsActivePort')
        deadline = time.monotonic() + 60
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.monotonic() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError('Chromium did not open its DevTools port')
            time.sleep(0.05)
        with open(port_file, encoding='ascii') as file:
            port, path = file.read().split('\n')[:2]
        self.socket = websocket.create_connection(f'ws://127.0.0.1:{port}{path}', timeout=120,
                                                  suppress_origin=True)
        self.next_id = 0
        self.events = []
        target = self.command('Target.createTarget', url='about:blank')['targetId']
        self.session = self.command('Target.attachToTarget', targetId=target, flatten=True)['sessionId']
        for domain in ('Page', 'Runtime', 'DOM', 'Accessibility'):
            self.send(f'{domain}.enable')

    def close(self):
        try:
            if getattr(self, 'socket', None):
                self.socket.close()
        finally:
            self.process.terminate()
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.profile, ignore_errors=True)

    def command(self, method, session=None, **params):
        """A command to the browser itself (session None) or to a page."""
        self.next_id += 1
        message = {'id': self.next_id, 'method': method, 'params': params}
        if session:
            message['sessionId'] = session
        self.socket.send(json.dumps(message))
        while True:
            reply = json.loads(self.socket.recv())
            if reply.get('id') == self.next_id:
                if 'error' in reply:
                    raise RuntimeError(f'{method}: {reply["error"]}')
                return reply.get('result', {})
            if 'method' in reply:
                self.events.append(reply)

    def send(self, method, **params):
        """A command to the page."""
        return self.command(method, self.session, **params)

    def evaluate(self, expression):
        result = self.send('Runtime.evaluate', expression=expression, returnByValue=True, awaitPromise=True)
        if 'exceptionDetails' in result:
            raise RuntimeError(f'{expression}: {result["exceptionDetails"]}')
        return result['result'].get('value')

    def wait_for(self, condition, what, timeout=60):
        """Polls condition() until it gives something true, and returns that."""
        deadline = time.monotonic() + timeout
        while True:
            value = condition()
            if value:
                return value
            if time.monotonic() > deadline:
                raise AssertionError(f'waited {timeout} s for {what}')
            time.sleep(0.05)
