"""Reads the program's HID log (--hid-log) as the mouse saw it."""


def commands(path):
    """The command reports sent (SF), each as [block, payload]: the eight bytes after the report
    id, and the payload reports (WO) that followed it, joined without their report ids."""
    sent = []
    with open(path) as log:
        for line in log:
            parts = line.split()
            if len(parts) < 3 or parts[1] not in ("SF", "WO"):
                continue
            data = bytes.fromhex(parts[2])[1:]
            if parts[1] == "SF":
                sent.append([data, b""])
            elif sent:
                sent[-1][1] += data
    return sent
