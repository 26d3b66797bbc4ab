#!/usr/bin/env python3
"""Checks Data/SMS/answer_sms.asms and shows which reply block answers a few sample messages.

The phone reads the file line by line from the top. A line starting with an apostrophe is a key line: the text after
that apostrophe, split at every further apostrophe, gives the keys. The first line after a key line is a heading
whose content is not used (a "-" there ends the block at once), each following line is one reply, and a line "-" ends
the block. Everything else is skipped while looking for key lines.

A sent message is the text plus "."; it is cut into words at the eleven separators (blank ! " & ' , . / : ; ?),
empty words included, at most 30 words, each upper-cased (Cyrillic letters only). A key line answers when each of its
keys, upper-cased, is one of the words. The first key line that answers wins. Of a block with n >= 2 replies the
reply is drawn from the first n - 1, so the last one is a spare; a block with one reply always sends it.

Usage: tools/check-sms-replies.py [file] [-m "message" ...]
Exits with 1 when the file breaks a rule.
"""
import argparse
import sys
from pathlib import Path

SEPARATORS = set(" !\"&',./:;?")
MAX_WORDS = 30
MAX_KEYS = 30
MAX_REPLY_LENGTH = 70  # what fits in one Cyrillic SMS, and in the inbox box without scrolling
MIN_KEY_LINES = 25

SAMPLES = [
    "Привет, как дела?",
    "Пойдём в кино",
    "пойдем в кино в субботу",
    "дай списать домашку плиз",
    "Что задали по алгебре?",
    "Ты дурак",
    "Катя сегодня в школе?",
    "Олю видел?",
    "займи 10 рублей до завтра",
    "Привет!",
    "С днём рождения!!!",
    "Кто слушает Би-2?",
    "абырвалг",
]


def upper_1251(text):
    """Upper-cases as the phone does: а..я to А..Я, ё to Ё, everything else untouched."""
    out = []
    for ch in text:
        if "а" <= ch <= "я":
            out.append(chr(ord(ch) - 32))
        elif ch == "ё":
            out.append("Ё")
        else:
            out.append(ch)
    return "".join(out)


def message_words(text):
    words = [""]
    for ch in text + ".":
        if ch in SEPARATORS:
            words.append("")
        else:
            words[-1] += ch
    return [upper_1251(w) for w in words][:MAX_WORDS]


class Block:
    def __init__(self, line_no, keys):
        self.line_no = line_no  # 1-based, for messages
        self.keys = keys
        self.replies = []

    def reachable(self):
        return self.replies if len(self.replies) == 1 else self.replies[:-1]

    def label(self):
        return "line %d '%s" % (self.line_no, "'".join(self.keys))


def read_lines(path, errors):
    raw = path.read_bytes()
    if raw.replace(b"\r\n", b"").count(b"\n") or raw.replace(b"\r\n", b"").count(b"\r"):
        errors.append("line ends must all be CR LF")
    try:
        text = raw.decode("cp1251")
    except UnicodeDecodeError as error:
        errors.append("not Windows-1251: %s" % error)
        text = raw.decode("cp1251", errors="replace")
    lines = text.split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()  # a line break at the very end starts no line
    return lines


def parse(lines, errors):
    blocks = []
    i = 0
    while i < len(lines):
        line = lines[i]
        if not line.startswith("'"):
            i += 1
            continue
        block = Block(i + 1, line[1:].split("'"))
        blocks.append(block)
        i += 1
        if i >= len(lines):
            errors.append("%s: the file ends right after the key line" % block.label())
            break
        heading = lines[i]
        if heading == "-":
            errors.append("%s: the block ends at its heading line and has no replies" % block.label())
            i += 1
            continue
        if heading.startswith("'"):
            errors.append("%s: a key line stands where the heading line belongs" % block.label())
            continue
        i += 1
        while i < len(lines) and lines[i] != "-":
            reply = lines[i]
            if reply.startswith("'"):
                errors.append("line %d: a reply must not begin with an apostrophe (block %s has no \"-\"?)"
                              % (i + 1, block.label()))
            block.replies.append(reply)
            i += 1
        if i >= len(lines):
            errors.append("%s: the block is not closed by a \"-\" line" % block.label())
        i += 1
    return blocks


def check(lines, blocks, errors):
    for n, line in enumerate(lines, 1):
        if line != line.rstrip():
            errors.append("line %d: blanks at the end of the line" % n)
    if len(blocks) < MIN_KEY_LINES:
        errors.append("only %d key lines, want at least %d" % (len(blocks), MIN_KEY_LINES))
    seen_replies = {}
    for index, block in enumerate(blocks):
        where = block.label()
        if len(block.keys) > MAX_KEYS:
            errors.append("%s: %d keys, at most %d are read" % (where, len(block.keys), MAX_KEYS))
        catch_all = block.keys == [""]
        if catch_all and index != len(blocks) - 1:
            errors.append("%s: the catch-all answers everything, the key lines after it are never reached" % where)
        for key in block.keys:
            if key == "" and not catch_all:
                errors.append("%s: an empty key (doubled or trailing apostrophe) matches anything" % where)
            if any(ch in SEPARATORS for ch in key):
                errors.append("%s: key %r holds a separator, no message word can equal it" % (where, key))
            if key != upper_1251(key):
                errors.append("%s: key %r is not written in capitals" % (where, key))
            if any("a" <= ch.lower() <= "z" for ch in key):
                errors.append("%s: key %r has Latin letters, which are not upper-cased" % (where, key))
        for earlier in blocks[:index]:
            if set(earlier.keys) <= set(block.keys):
                errors.append("%s: never answers, %s matches every message it does" % (where, earlier.label()))
                break
        if not block.replies:
            errors.append("%s: no replies" % where)
        for reply in block.replies:
            if not reply.strip():
                errors.append("%s: an empty reply" % where)
            if len(reply) > MAX_REPLY_LENGTH:
                errors.append("%s: reply longer than %d characters: %s" % (where, MAX_REPLY_LENGTH, reply))
            if reply in seen_replies:
                errors.append("%s: reply repeats the one of %s: %s" % (where, seen_replies[reply], reply))
            seen_replies.setdefault(reply, where)
    if not blocks or blocks[-1].keys != [""]:
        errors.append("the last key line should be the catch-all (one apostrophe alone)")


def answer(blocks, text):
    words = message_words(text)
    for block in blocks:
        if all(upper_1251(key) in words for key in block.keys):
            return words, block
    return words, None


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("file", nargs="?", default=str(Path(__file__).resolve().parent.parent
                                                        / "Data" / "SMS" / "answer_sms.asms"))
    parser.add_argument("-m", "--message", action="append", help="a message to try (default: a few samples)")
    args = parser.parse_args()

    errors = []
    lines = read_lines(Path(args.file), errors)
    blocks = parse(lines, errors)
    check(lines, blocks, errors)

    replies = sum(len(b.replies) for b in blocks)
    reachable = sum(len(b.reachable()) for b in blocks)
    print("%s: %d key lines, %d replies, %d of them can be sent" % (args.file, len(blocks), replies, reachable))
    for text in args.message or SAMPLES:
        words, block = answer(blocks, text)
        print()
        print("SMS %r -> words %s" % (text, " | ".join(words)))
        if len(text) > 70:
            print("  (longer than the 70 characters the compose box takes)")
        if block is None:
            print("  no reply")
        else:
            print("  answered by %s, one of:" % block.label())
            for reply in block.reachable():
                print("    " + reply)
    print()
    for error in errors:
        print("ERROR: " + error)
    print("%d problem(s)" % len(errors))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
