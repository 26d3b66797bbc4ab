#!/usr/bin/env python3
"""Makes the seeds of the music player's fuzz target (fuzz target "playback") from the shipped tracks.

    tools/make-playback-seeds.py [output folder]     (default: tests/fuzz/seeds/playback)

Each seed is a few kilobytes: the first frames of a shipped MP3 and the first pages of a shipped Ogg Vorbis file,
whole, and damaged copies of them: cut short, bit-flipped, and with lengths that claim far more than the file holds
(an ID3v2 tag, a frame's bit rate, a Vorbis comment, an Ogg page's segments and granule position). Damaged Ogg pages
get their checksum mended, so that they reach the Vorbis decoder instead of being dropped by the page reader. The
damage is drawn from a fixed random seed: the same files come out each time.
"""
import os
import random
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TRACKS = os.path.join(ROOT, "Data", "Soundtracks")

# MPEG-1 layer III bit rates (kbit/s) by index, and sample rates by index.
BIT_RATES = [0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0]
SAMPLE_RATES = [44100, 48000, 32000, 0]


def read(name):
    path = os.path.join(TRACKS, name)
    with open(path, "rb") as f:
        return f.read()


def mp3_frames(data, count):
    """The first `count` MPEG-1 layer III frames of `data` (which starts with a frame), and their offsets."""
    offsets, at = [], 0
    while len(offsets) < count and at + 4 <= len(data):
        header = struct.unpack(">I", data[at:at + 4])[0]
        if header & 0xFFE00000 != 0xFFE00000:
            raise SystemExit("no MPEG frame at %d" % at)
        bit_rate = BIT_RATES[(header >> 12) & 15]
        rate = SAMPLE_RATES[(header >> 10) & 3]
        padding = (header >> 9) & 1
        offsets.append(at)
        at += 144000 * bit_rate // rate + padding
    return data[:at], offsets


def id3v2(size, title=b"Peremena", claimed=None):
    """An ID3v2.3 tag of `size` bytes (title frame and padding) whose header claims `claimed` bytes after it."""
    body = (size - 10) if claimed is None else claimed
    header = b"ID3\x03\x00\x00" + bytes((body >> shift) & 0x7F for shift in (21, 14, 7, 0))
    frame = b"TIT2" + struct.pack(">I", len(title) + 1) + b"\x00\x00\x00" + title
    return (header + frame).ljust(size, b"\x00")


def flip_bits(data, count, start, rng):
    data = bytearray(data)
    for _ in range(count):
        at = rng.randrange(start, len(data))
        data[at] ^= 1 << rng.randrange(8)
    return bytes(data)


def ogg_crc(page):
    crc = 0
    for byte in page:
        crc ^= byte << 24
        for _ in range(8):
            crc = ((crc << 1) ^ 0x04C11DB7) if crc & 0x80000000 else crc << 1
            crc &= 0xFFFFFFFF
    return crc


def ogg_pages(data):
    """Every page of `data` as a bytearray, in order."""
    pages, at = [], 0
    while at + 27 <= len(data) and data[at:at + 4] == b"OggS":
        segments = data[at + 26]
        length = 27 + segments + sum(data[at + 27:at + 27 + segments])
        pages.append(bytearray(data[at:at + length]))
        at += length
    return pages


def mend(page):
    """Gives a page its right checksum."""
    page[22:26] = b"\x00\x00\x00\x00"
    page[22:26] = struct.pack("<I", ogg_crc(bytes(page)))
    return page


def last_page(pages):
    """Marks the last page as the end of the stream."""
    pages[-1][5] |= 0x04
    mend(pages[-1])
    return pages


def body_start(page):
    return 27 + page[26]


def mp3_seeds():
    seeds = {}
    for name, short in (("Peremena.mp3", "peremena"), ("Ogni_v_oknah.mp3", "ogni")):
        frames, _ = mp3_frames(read(name), 12)
        seeds[short + "-12-frames.mp3"] = frames
    frames, offsets = mp3_frames(read("Peremena.mp3"), 12)
    rng = random.Random(2005)
    seeds["peremena-after-id3v2-of-5000-bytes.mp3"] = id3v2(5000) + frames[:offsets[6]]
    seeds["peremena-cut-inside-a-frame.mp3"] = frames[:offsets[3] + 200]
    seeds["peremena-bit-flipped.mp3"] = flip_bits(frames, 40, 4, rng)
    seeds["peremena-id3v2-claims-256-mb.mp3"] = id3v2(200, claimed=0x0FFFFFFF) + frames[:offsets[6]]
    # Every header claims 320 kbit/s: frames two and a half times as long as the bytes that follow them.
    loud = bytearray(frames)
    for at in offsets:
        loud[at + 2] = (loud[at + 2] & 0x0F) | (14 << 4)
    seeds["peremena-frames-claim-320-kbps.mp3"] = bytes(loud)
    tag = b"TAG" + b"Peremena".ljust(30, b"\x00") + b"Klass".ljust(60, b"\x00") + b"2005" + b"\x00" * 30 + b"\x50"
    seeds["peremena-with-id3v1.mp3"] = frames[:offsets[8]] + tag
    return seeds


def ogg_seeds():
    seeds = {}
    for name, short in (("Dvor_posle_urokov.ogg", "dvor"), ("Utro_v_novom_gorode.ogg", "utro"),
                        ("Zimnie_kanikuly.ogg", "zima")):
        seeds[short + "-3-pages.ogg"] = b"".join(last_page(ogg_pages(read(name))[:3]))
    pages = ogg_pages(read("Dvor_posle_urokov.ogg"))[:3]
    rng = random.Random(2006)
    whole = b"".join(last_page([bytearray(p) for p in pages]))
    seeds["dvor-cut-inside-a-page.ogg"] = whole[:len(whole) - 1500]

    flipped = [bytearray(p) for p in pages]
    flipped[2] = bytearray(flip_bits(flipped[2], 30, body_start(flipped[2]), rng))
    seeds["dvor-audio-bit-flipped.ogg"] = b"".join(last_page(flipped))

    setup = [bytearray(p) for p in pages]
    setup[1] = bytearray(flip_bits(setup[1], 6, body_start(setup[1]) + 200, rng))
    mend(setup[1])
    seeds["dvor-setup-bit-flipped.ogg"] = b"".join(last_page(setup))

    # The comment header's vendor string claims 4 GB.
    comment = [bytearray(p) for p in pages]
    at = comment[1].find(b"\x03vorbis") + 7
    comment[1][at:at + 4] = b"\xff\xff\xff\xff"
    mend(comment[1])
    seeds["dvor-vendor-claims-4-gb.ogg"] = b"".join(last_page(comment))

    # The last page says that the stream ends after thirteen hours of samples.
    long_ = [bytearray(p) for p in pages]
    long_[2][6:14] = struct.pack("<q", 0x7FFFFFFF)
    seeds["dvor-granule-claims-13-hours.ogg"] = b"".join(last_page(long_))

    # The last page's segment table claims 255 segments of 255 bytes: far more than follow.
    claims = [bytearray(p) for p in pages]
    head = claims[2][:26] + bytes([255]) + bytes([255] * 255)
    claims[2] = mend(bytearray(head) + claims[2][body_start(claims[2]):])
    seeds["dvor-page-claims-65-kb.ogg"] = b"".join(claims)
    return seeds


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "tests", "fuzz", "seeds", "playback")
    os.makedirs(target, exist_ok=True)
    seeds = {**mp3_seeds(), **ogg_seeds()}
    for name, data in sorted(seeds.items()):
        with open(os.path.join(target, name), "wb") as f:
            f.write(data)
        print("%7d  %s" % (len(data), name))


if __name__ == "__main__":
    main()
