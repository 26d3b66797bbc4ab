#!/usr/bin/env python3
"""Checks a street conversation file (GOPNIK.DLG) the way the game's dialog window reads it.

The file is Windows-1251 text, ten lines per node:
    1     what the other party says (whole line)
    2..4  the three answer captions (whole lines)
    5, 6  two reserved integers
    7..9  the node numbers answers 1..3 lead to
    10    outcome code: the first three characters, one of war ch1 ch2 ch3 win; anything else means none
Nodes are numbered from 1 in file order, node 1 is the start, at most 60 nodes.

The game reads an integer by skipping blanks and line breaks, taking the following run of non-blank characters and
then skipping the rest of the line; this script reads the same way, so a missing number shows up where the game
would stumble over it. Besides the format it checks what makes a talk playable: every node can be reached from
node 1, every reachable Next is a node, every node that goes on can still reach an end, and every outcome code the
host window handles is used.

Usage: tools/check-dialog-script.py [--codes war,ch1,...] [--min-nodes N] FILE...
Exit status 0 when every file is clean, 1 otherwise.
"""
import argparse
import re
import sys

CODES = ("war", "ch1", "ch2", "ch3", "win")
MAX_NODES = 60
BLANKS = " \t"
INTEGER = re.compile(r"[+-]?[0-9]+")


class Reader:
    """Reads the text the way the game's line-and-number reading does."""

    def __init__(self, text):
        self.text = text
        self.pos = 0
        self.line = 1

    def at_end(self):
        return self.pos >= len(self.text)

    def _skip_line_break(self):
        if self.text.startswith("\r\n", self.pos):
            self.pos += 2
        elif self.pos < len(self.text) and self.text[self.pos] in "\r\n":
            self.pos += 1
        else:
            return
        self.line += 1

    def _rest_of_line(self):
        start = self.pos
        while self.pos < len(self.text) and self.text[self.pos] not in "\r\n":
            self.pos += 1
        return self.text[start:self.pos]

    def read_line(self):
        """A whole line, then the start of the next one. Returns (line number, text)."""
        number = self.line
        text = self._rest_of_line()
        self._skip_line_break()
        return number, text

    def read_integer(self):
        """Returns (line number, token, rest of that line, whether line breaks were skipped)."""
        skipped_break = False
        while self.pos < len(self.text) and self.text[self.pos] in BLANKS + "\r\n":
            if self.text[self.pos] in "\r\n":
                skipped_break = True
                self._skip_line_break()
            else:
                self.pos += 1
        number = self.line
        start = self.pos
        while self.pos < len(self.text) and self.text[self.pos] not in BLANKS + "\r\n":
            self.pos += 1
        token = self.text[start:self.pos]
        rest = self._rest_of_line()
        self._skip_line_break()
        return number, token, rest, skipped_break


def outcome_of(line):
    """The outcome code the game sees in an outcome line, or '' for none."""
    code = line[:3]
    return code if code in CODES else ""


def check_text(raw, required_codes=CODES, min_nodes=1):
    """Returns (nodes, problems). nodes: list of dicts; problems: list of messages."""
    problems = []
    try:
        text = raw.decode("cp1251", errors="strict")
    except UnicodeDecodeError as error:
        return [], [f"not Windows-1251 text: {error}"]
    try:
        if not raw.isascii() and raw.decode("utf-8"):
            problems.append("the text is UTF-8; the game reads Windows-1251")
    except UnicodeDecodeError:
        pass
    if re.search(r"(?<!\r)\n", text) or re.search(r"\r(?!\n)", text):
        problems.append("line ends must be CR LF")

    reader = Reader(text)
    nodes = []
    while not reader.at_end():
        number = len(nodes) + 1
        if number > MAX_NODES:
            problems.append(f"line {reader.line}: more than {MAX_NODES} nodes, the game's table ends there")
            break
        node = {"number": number, "first_line": reader.line}
        line_no, node["line"] = reader.read_line()
        if not node["line"].strip():
            problems.append(f"node {number} (line {line_no}): the other party says nothing")
        node["answers"] = [reader.read_line() for _ in range(3)]
        integers = []
        for field in ("Reserved1", "Reserved2", "Next[1]", "Next[2]", "Next[3]"):
            line_no, token, rest, skipped_break = reader.read_integer()
            where = f"node {number}, {field} (line {line_no})"
            if skipped_break:
                problems.append(f"{where}: the number is not on its own line (an empty line before it)")
            if not INTEGER.fullmatch(token):
                problems.append(f"{where}: {token!r} is not an integer")
                integers.append(None)
                continue
            value = int(token)
            if rest.strip():
                problems.append(f"{where}: text after the number is ignored: {rest.strip()!r}")
            if not -2**31 <= value < 2**31:
                problems.append(f"{where}: {value} does not fit a 32-bit integer")
            integers.append(value)
        node["next"] = [None if value is None else value % 65536 for value in integers[2:]]
        line_no, outcome_line = reader.read_line()
        node["outcome"] = outcome_of(outcome_line)
        if outcome_line and outcome_line != node["outcome"]:
            if node["outcome"]:
                problems.append(f"node {number} (line {line_no}): outcome line {outcome_line!r} is read as "
                                f"{node['outcome']!r}")
            else:
                problems.append(f"node {number} (line {line_no}): {outcome_line!r} is no outcome code "
                                f"({', '.join(CODES)}) and counts as none")
        nodes.append(node)
    # A file that stops in the middle of a node: the game reads empty lines and numbers past its end.
    total_lines = len(text.splitlines())
    if total_lines % 10:
        problems.append(f"{total_lines} lines is not ten per node")

    count = len(nodes)
    if count == 0:
        problems.append("no nodes")
        return nodes, problems
    if count < min_nodes:
        problems.append(f"{count} nodes, at least {min_nodes} wanted")
    if nodes[0]["outcome"]:
        problems.append(f"node 1 has the outcome {nodes[0]['outcome']!r}, which the game ignores at the start")

    # Reachability: a node with an outcome ends the talk, so its Next values are never followed.
    reached = {1}
    queue = [1]
    while queue:
        node = nodes[queue.pop() - 1]
        if node["number"] != 1 and node["outcome"]:
            continue
        for target in node["next"]:
            if target is not None and 1 <= target <= count and target not in reached:
                reached.add(target)
                queue.append(target)
    for node in nodes:
        number = node["number"]
        if number not in reached:
            problems.append(f"node {number} (line {node['first_line']}) cannot be reached from node 1")
            continue
        for k, target in enumerate(node["next"], start=1):
            if target is not None and not 1 <= target <= count:
                problems.append(f"node {number}: Next[{k}] = {target} is not a node (1..{count})")
        if not (node["outcome"] and number != 1):
            for k, (line_no, caption) in enumerate(node["answers"], start=1):
                if not caption.strip():
                    problems.append(f"node {number} (line {line_no}): answer {k} has no caption")
                elif caption != caption.strip():
                    problems.append(f"node {number} (line {line_no}): answer {k} has blanks at its edges")

    # Every node where the talk goes on must still be able to reach an end.
    ends = {n["number"] for n in nodes if n["outcome"] and n["number"] != 1}
    can_end = set(ends)
    changed = True
    while changed:
        changed = False
        for node in nodes:
            number = node["number"]
            if number in can_end:
                continue
            if any(target in can_end for target in node["next"]):
                can_end.add(number)
                changed = True
    for number in sorted(reached - can_end):
        problems.append(f"node {number}: from here the talk can never end")

    used = {nodes[n - 1]["outcome"] for n in reached if n != 1} - {""}
    for code in required_codes:
        if code not in used:
            problems.append(f"outcome {code!r} is never reached")
    return nodes, problems


def summary(nodes):
    codes = [n["outcome"] for n in nodes[1:] if n["outcome"]]
    counts = ", ".join(f"{code} {codes.count(code)}" for code in CODES if code in codes)
    return f"{len(nodes)} nodes, {len(nodes) - len(codes)} that go on, ends: {counts}"


def main(argv):
    parser = argparse.ArgumentParser(description="Checks street conversation files (GOPNIK.DLG).")
    parser.add_argument("files", nargs="+")
    parser.add_argument("--codes", default=",".join(CODES),
                        help="outcome codes that must be reachable (comma separated, default all five)")
    parser.add_argument("--min-nodes", type=int, default=1)
    args = parser.parse_args(argv)
    required = [code for code in args.codes.split(",") if code]
    for code in required:
        if code not in CODES:
            parser.error(f"unknown outcome code {code!r}")
    clean = True
    for path in args.files:
        try:
            with open(path, "rb") as source:
                raw = source.read()
        except OSError as error:
            print(f"{path}: {error.strerror}")
            clean = False
            continue
        nodes, problems = check_text(raw, required, args.min_nodes)
        for problem in problems:
            print(f"{path}: {problem}")
        if problems:
            clean = False
        else:
            print(f"{path}: ok, {summary(nodes)}")
    return 0 if clean else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
