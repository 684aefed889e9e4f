"""The simulator over real sockets: a broadcast search, timing faults on the wire, an answer by
broadcast, the datagram log, the exit statuses. Runs only inside scripts/netns-run, as it broadcasts.

usage: scripts/netns-run python3 devsim_wire_test.py PATH/TO/devsim
"""
import os
import signal
import socket
import subprocess
import sys
import tempfile
import time
import unittest

DEVSIM = ""
PORT = 1638
CMD_GET_DEVICE_INFO = 16
CMD_GET_NETWORK_INFO = 18

CONFIG = """
[device]
name = SLOW
mac = 02:5a:00:00:00:a1
ip = 198.51.100.21
fault = delay:400@get_device_info

[device]
name = STRAY
mac = 02:5a:00:00:00:a2
ip = 198.51.100.22
fault = stray@get_network_info
"""


def in_private_namespace():
    return sorted(name for _, name in socket.if_nameindex()) == ["lo", "zerin0"]


def request(command, mac):
    return command.to_bytes(2, "little") + bytes(4) + bytes.fromhex(mac.replace(":", ""))


class Simulator:
    """One devsim process with its own log and ready file."""

    def __init__(self, work, *args):
        self.log = os.path.join(work, "devsim.log")
        ready = os.path.join(work, "ready")
        self.process = subprocess.Popen(["nsenter", "-t", os.environ["ZERIN_DEVICES_PID"], "-n",
                                         DEVSIM, "--log", self.log, "--ready", ready, *args])
        deadline = time.monotonic() + 5
        while not (os.path.exists(ready) and os.path.getsize(ready)):
            if self.process.poll() is not None or time.monotonic() > deadline:
                raise RuntimeError("devsim did not start")
            time.sleep(0.02)

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        return self.process.wait(timeout=5)

    def lines(self, direction):
        with open(self.log) as log:
            return [line.split() for line in log if line.split()[1] == direction]


class WireTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.client = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.client.setsockopt(socket.SOL_SOCKET, socket.SO_BROADCAST, 1)
        self.simulator = None

    def tearDown(self):
        self.client.close()
        if self.simulator:
            self.assertEqual(self.simulator.stop(), 0, "devsim did not exit cleanly on SIGTERM")
        self.work.cleanup()

    def start(self, *args):
        self.simulator = Simulator(self.work.name, *args)

    def send(self, datagram):
        self.client.sendto(datagram, ("255.255.255.255", PORT))

    def receive_all(self, seconds):
        replies = []
        self.client.settimeout(seconds)
        try:
            while True:
                data = self.client.recv(1024)
                replies.append((time.monotonic(), data))
        except socket.timeout:
            return replies

    def test_broadcast_search_finds_the_default_devices_and_is_logged(self):
        self.start()
        self.send(bytes(12))
        replies = [data for _, data in self.receive_all(0.5)]
        names = [data[16:32].rstrip(b"\0").decode() for data in replies]
        self.assertEqual(names, ["NETSTOR-000010", "NETSTOR-000011", "NETSTOR-000012"])
        self.assertTrue(all(data[12:16] == b"0101" and len(data) >= 50 for data in replies))

        port = self.client.getsockname()[1]
        peer = "198.51.100.1:%d" % port
        self.assertEqual(self.simulator.lines("in")[0][2:], [peer, "255.255.255.255", "12", "0" * 24])
        out = self.simulator.lines("out")
        self.assertEqual([line[2:] for line in out], [[peer, "*", "50", d.hex()] for d in replies])

    def test_a_delayed_answer_does_not_hold_up_another_device(self):
        config = os.path.join(self.work.name, "devices.conf")
        with open(config, "w") as file:
            file.write(CONFIG)
        self.start("--config", config)
        sent = time.monotonic()
        self.send(request(CMD_GET_DEVICE_INFO, "02:5a:00:00:00:a1"))
        self.send(request(CMD_GET_NETWORK_INFO, "02:5a:00:00:00:a2"))
        replies = self.receive_all(0.8)
        commands = [int.from_bytes(data[0:2], "little") for _, data in replies]
        self.assertEqual(commands, [0xFFFF, CMD_GET_NETWORK_INFO, CMD_GET_DEVICE_INFO])
        self.assertLess(replies[1][0] - sent, 0.2)
        self.assertGreaterEqual(replies[2][0] - sent, 0.38)

    def test_a_broadcast_answer_reaches_the_sender_port_and_is_logged(self):
        self.start("--fault", "broadcast@get_device_info")
        self.send(request(CMD_GET_DEVICE_INFO, "02:5a:00:00:00:10"))
        replies = [data for _, data in self.receive_all(0.5)]
        self.assertEqual([int.from_bytes(data[0:2], "little") for data in replies],
                         [CMD_GET_DEVICE_INFO])
        port = self.client.getsockname()[1]
        out = self.simulator.lines("out")
        self.assertEqual([line[2] for line in out], ["255.255.255.255:%d" % port])

    def test_a_malformed_config_exits_with_status_2(self):
        config = os.path.join(self.work.name, "bad.conf")
        with open(config, "w") as file:
            file.write("[device]\ncolour = red\n")
        result = subprocess.run([DEVSIM, "--config", config], capture_output=True, text=True)
        self.assertEqual(result.returncode, 2)
        self.assertIn("line 2: unknown key 'colour'", result.stderr)


if __name__ == "__main__":
    if len(sys.argv) != 2 or not in_private_namespace():
        sys.exit("run as: scripts/netns-run python3 %s PATH/TO/devsim" % sys.argv[0])
    DEVSIM = sys.argv.pop()
    unittest.main(verbosity=2)
