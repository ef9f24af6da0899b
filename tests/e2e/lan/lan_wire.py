#!/usr/bin/env python3
"""Datagrams of the LAN scenario, seen from outside the two programs.

  lan_wire.py forge <to> <port> <named sender> <group>   send a forged OPEN_INFO_R
  lan_wire.py listen <address> <port> <seconds>           print what arrives there
  lan_wire.py sniff <interface> <log file>                log every LAN datagram on a link

Run inside the test's network namespaces only (the script that calls it creates them).
"""
import socket
import struct
import sys
import time

MAGIC = b"QUILLBOX-OP1"
PORTS = (27089, 27079)


def rotl(b, k):
    return ((b << k) | (b >> (8 - k))) & 0xFF


def rotr(b, k):
    return ((b >> k) | (b << (8 - k))) & 0xFF


def scramble(text):
    out = bytearray(b ^ 0xFF for b in text[:12])
    for i, b in enumerate(text[12:]):
        out.append(rotl(b ^ 0xFF, 3 + i % 4))
    return bytes(out)


def unscramble(data):
    out = bytearray(b ^ 0xFF for b in data[:12])
    for i, b in enumerate(data[12:]):
        out.append(rotr(b, 3 + i % 4) ^ 0xFF)
    return bytes(out)


def envelope(family, kind, sender, scope, fields):
    rest = b"".join(b":::" + f for f in [family, kind, time.strftime("%Y%m%d%H%M%S").encode(),
                                          sender, scope, b"V3.34", b"0"] + fields)
    return MAGIC + b":::" + b"%07d" % (len(rest) + 22) + rest


def describe(payload):
    """kind, sender field, scope, and the published text of an OPEN_INFO (or b"")."""
    if payload == b"0":
        return None
    text = unscramble(payload)
    if not text.startswith(MAGIC):
        return None
    fields = text.split(b":::")
    kind = fields[3] if len(fields) > 3 else b""
    published = b":::".join(fields[17:]) if kind.startswith(b"OPEN_INFO") else b""
    return kind, fields[5] if len(fields) > 5 else b"", fields[6] if len(fields) > 6 else b"", published


def forge(to, port, named, group):
    text = envelope(b"OPEN", b"OPEN_INFO_R", named.encode(), group.encode(),
                    [b"0", b"forger", b"1", b"0", b"0", b"17", b"0", b"0", b"forged text"])
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind(("0.0.0.0", 0))
        s.sendto(scramble(text), (to, int(port)))


def listen(address, port, seconds):
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.bind((address, int(port)))
        s.settimeout(0.2)
        end = time.time() + float(seconds)
        count = 0
        while time.time() < end:
            try:
                data, source = s.recvfrom(20000)
            except socket.timeout:
                continue
            info = describe(data)
            count += 1
            print("from %s kind %s" % (source[0], info[0].decode() if info else "?"), flush=True)
        print("received %d" % count, flush=True)


def sniff(interface, log_path):
    s = socket.socket(socket.AF_PACKET, socket.SOCK_RAW, socket.ntohs(0x0800))
    s.bind((interface, 0))
    with open(log_path, "a", buffering=1) as log:
        while True:
            frame = s.recv(65535)
            ip = frame[14:]
            if len(ip) < 28 or ip[9] != 17:
                continue
            header = (ip[0] & 0x0F) * 4
            source = socket.inet_ntoa(ip[12:16])
            target = socket.inet_ntoa(ip[16:20])
            port = struct.unpack("!H", ip[header + 2:header + 4])[0]
            if port not in PORTS:
                continue
            info = describe(ip[header + 8:])
            if info is None:
                continue
            kind, sender, scope, published = info
            log.write("%s %s %s %d sender=%s text=%s\n" % (
                source, target, kind.decode(), port, sender.decode(errors="replace"),
                published.hex()))


if __name__ == "__main__":
    command = sys.argv[1]
    if command == "forge":
        forge(*sys.argv[2:6])
    elif command == "listen":
        listen(*sys.argv[2:5])
    elif command == "sniff":
        sniff(*sys.argv[2:4])
    else:
        sys.exit(__doc__)
