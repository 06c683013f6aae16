#!/usr/bin/env python3
"""Uses nexadraw.exe from the outside, as a person would: mouse clicks and key presses through the
X server, screenshots to check what is on the screen, and the real save dialog.

Run through tests/smoke/smoke.sh, which provides the display, the Wine prefix and the locale."""

import os
import struct
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
BUILD = os.environ.get("NEXADRAW_BUILD", os.path.join(ROOT, "build"))
WORK = os.path.join(BUILD, "smoke")
INSTALLED = os.environ["NEXADRAW_FOLDER"]  # the folder unpacked from the package by smoke.sh
WINE = "/usr/lib/wine/wine64"

WHITE = (255, 255, 255)
GREY = (128, 128, 128)  # the topology window's background around the canvas
MAGENTA = (255, 0, 255)
SERIAL_TEAL = (0, 100, 100)


def fail(message):
    print("smoke test FAILED: " + message, file=sys.stderr)
    sys.exit(1)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


def click(x, y):
    xdotool("mousemove", x, y)
    time.sleep(0.1)
    xdotool("click", 1)
    time.sleep(0.3)


def find_window(title, timeout=30):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title], capture_output=True,
                               text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.2)
    fail("no window titled %r appeared" % title)


def window_rect(window):
    info = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(info["X"]), int(info["Y"]), int(info["WIDTH"]), int(info["HEIGHT"])


class Picture:
    """Pixels as (r, g, b) rows, top row first."""

    def __init__(self, width, height, pixels):
        self.width, self.height, self.pixels = width, height, pixels

    def at(self, x, y):
        return self.pixels[y * self.width + x]

    def find(self, template, left=0, top=0, right=None, bottom=None, required=0.97):
        """Top-left corners where the template's non-magenta pixels appear, scanning a region."""
        right = self.width if right is None else right
        bottom = self.height if bottom is None else bottom
        opaque = [(x, y, template.at(x, y)) for y in range(template.height) for x in range(template.width)
                  if template.at(x, y) != MAGENTA]
        anchor_x, anchor_y, anchor = opaque[0]
        allowed = int(len(opaque) * (1 - required))
        hits = []
        for y in range(max(top, 0), min(bottom, self.height) - template.height + 1):
            for x in range(max(left, 0), min(right, self.width) - template.width + 1):
                if self.at(x + anchor_x, y + anchor_y) != anchor:
                    continue
                misses = 0
                for ox, oy, colour in opaque:
                    if self.at(x + ox, y + oy) != colour:
                        misses += 1
                        if misses > allowed:
                            break
                else:
                    hits.append((x, y))
        return hits

    def count(self, colour, left, top, right, bottom):
        return sum(1 for y in range(top, bottom) for x in range(left, right) if self.at(x, y) == colour)


def read_bmp(path):
    """A 24-bit bottom-up BMP file as a Picture."""
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] != b"BM":
        fail("%s is not a BMP file" % path)
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    if bits != 24 or height <= 0:
        fail("%s is not a 24-bit bottom-up BMP file" % path)
    stride = (width * 3 + 3) // 4 * 4
    pixels = []
    for row in range(height):
        start = offset + (height - 1 - row) * stride
        pixels.extend((data[start + 3 * x + 2], data[start + 3 * x + 1], data[start + 3 * x])
                      for x in range(width))
    return Picture(width, height, pixels)


def screenshot():
    """The whole screen, read from xwd's output (ZPixmap, 24 or 32 bits per pixel)."""
    data = subprocess.run(["xwd", "-root", "-silent"], check=True, capture_output=True).stdout
    fields = struct.unpack_from(">25I", data, 0)
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    red_mask, green_mask, blue_mask, ncolours = fields[14], fields[15], fields[16], fields[19]
    start = header_size + ncolours * 12
    step = bits_per_pixel // 8
    order = "<" if byte_order == 0 else ">"
    code = {4: "I", 3: None}[step]
    shift = lambda mask: (mask & -mask).bit_length() - 1
    rs, gs, bs = shift(red_mask), shift(green_mask), shift(blue_mask)
    pixels = []
    for y in range(height):
        row = data[start + y * bytes_per_line:start + y * bytes_per_line + width * step]
        values = struct.unpack(order + code * width, row) if code else [
            int.from_bytes(row[i:i + 3], "little" if byte_order == 0 else "big") for i in range(0, len(row), 3)]
        pixels.extend(((v & red_mask) >> rs, (v & green_mask) >> gs, (v & blue_mask) >> bs) for v in values)
    return Picture(width, height, pixels)


def canvas_origin(shot, topology):
    """Screen position of canvas pixel (0, 0): the white 500 x 400 canvas on the grey background."""
    x, y, width, height = topology
    for row in range(y, y + min(height, 120)):
        for left in range(x, x + 20):
            if (shot.at(left, row) == WHITE and shot.at(left + 499, row) == WHITE and
                    shot.at(left + 500, row) == GREY and shot.at(left + 499, row + 399) == WHITE and
                    shot.at(left, row + 400) == GREY):
                return left, row
    fail("the white canvas is not on the screen")


def main():
    # Started in the folder unpacked from the package, as a double click would, the program finds
    # the library there.
    library = INSTALLED
    program_file = os.path.join(INSTALLED, "nexadraw.exe")
    exported = os.path.join(WORK, "picture.bmp")
    router = read_bmp(os.path.join(ROOT, "library", "Symbol", "router1.bmp"))
    serial_button = read_bmp(os.path.join(ROOT, "src", "resources", "cable_serial.bmp"))

    program = subprocess.Popen([WINE, program_file], cwd=library, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        topology_window = find_window("Nexadraw")
        symbol_window = find_window("シンボル ウィンドウ")
        time.sleep(1.5)
        shot = screenshot()
        sx, sy, sw, sh = window_rect(symbol_window)
        palette = shot.find(router, sx, sy, sx + sw, sy + sh)
        if not palette:
            fail("the first router picture is not in the symbol window's palette")
        buttons = shot.find(serial_button, sx, sy, sx + sw, sy + sh, required=0.9)
        if not buttons:
            fail("the serial cable picture is not in the symbol window")
        ox, oy = canvas_origin(shot, window_rect(topology_window))

        # Pick the router, place three, join two of them with a serial cable.
        click(palette[0][0] + 25, palette[0][1] + 25)
        places = [(100, 100), (300, 100), (200, 300)]
        for cx, cy in places:
            click(ox + cx, oy + cy)
        click(buttons[0][0] + 15, buttons[0][1] + 15)
        click(ox + 100, oy + 100)
        click(ox + 300, oy + 100)
        time.sleep(0.5)

        shot = screenshot()
        for cx, cy in places:
            if (ox + cx - 25, oy + cy - 25) not in shot.find(router, ox + cx - 30, oy + cy - 30, ox + cx + 30,
                                                              oy + cy + 30):
                fail("no router symbol centred on canvas point (%d, %d)" % (cx, cy))
        if shot.count(SERIAL_TEAL, ox + 130, oy + 90, ox + 270, oy + 110) < 100:
            fail("no serial cable between the first two symbols")
        if shot.count(SERIAL_TEAL, ox + 130, oy + 150, ox + 270, oy + 280) > 0:
            fail("a cable where none was drawn")

        # Save through the menu and the real save dialog. The menu has no mnemonics: open "ファイル"
        # with a click and take its second item with the keyboard.
        tx, ty, _, _ = window_rect(topology_window)
        click(ox + 15, (ty + oy) // 2)
        xdotool("key", "Down", "Down", "Return")
        dialog = find_window("ファイルを保存")
        time.sleep(1)
        xdotool("windowfocus", dialog)
        xdotool("type", "--delay", 20, "Z:" + exported.replace("/", "\\"))
        xdotool("key", "Return")
        deadline = time.time() + 20
        while not os.path.exists(exported) and time.time() < deadline:
            time.sleep(0.2)
        time.sleep(0.5)
        if not os.path.exists(exported):
            fail("Save As wrote no file")
        picture = read_bmp(exported)
        if (picture.width, picture.height) != (500, 400):
            fail("the saved picture is %d x %d, not 500 x 400" % (picture.width, picture.height))
        for cx, cy in places:
            if not picture.find(router, cx - 25, cy - 25, cx + 26, cy + 26):
                fail("the saved picture has no symbol at (%d, %d)" % (cx, cy))
        if picture.count(SERIAL_TEAL, 130, 90, 270, 110) < 100:
            fail("the saved picture has no serial cable")
        for y in range(400):
            for x in range(500):
                if picture.at(x, y) != shot.at(ox + x, oy + y):
                    fail("the saved picture differs from the screen at (%d, %d)" % (x, y))

        # Close with the close command of the window and confirm.
        xdotool("windowfocus", topology_window)
        click(ox + 15, (ty + oy) // 2)
        xdotool("key", "Down", "Down", "Down", "Return")
        question = find_window("確認")
        xdotool("windowfocus", question)
        xdotool("key", "Return")
        try:
            code = program.wait(20)
        except subprocess.TimeoutExpired:
            fail("the program did not end after the close was confirmed")
        if code != 0:
            fail("the program ended with exit code %d" % code)
    finally:
        if program.poll() is None:
            program.kill()
    print("smoke test passed: palette, three symbols, a serial cable, Save As and Exit")


if __name__ == "__main__":
    main()
