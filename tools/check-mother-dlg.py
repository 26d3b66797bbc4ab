#!/usr/bin/env python3
"""Checks the mother's conversation script Data/Dialogs/Mother.dlg.

The game reads the file as Windows-1251 lines: line 0 is the window caption, line 1 the label of the first node, and
from line 2 on come node blocks "+L", speech lines, "-L", three answer captions, three answer labels. Three captions
act on their own only in their own answer slot; everywhere else they are ordinary captions.

What is checked:
- the file decodes as cp1251 and ends its lines with CR LF;
- the blocks follow one another with nothing stray between them, each block is complete and labels are unique;
- every label (the first node's and every answer's) finds its block the way the game looks it up;
- every block can be reached from the first node by pressing answers the way the game handles them;
- each special caption stands only in its own slot, and each is reachable there;
- no speech line could be taken for a marker, no line has stray spaces at its ends.
Exit status 0 when all is well; otherwise the problems are listed and the status is 1.

Usage: tools/check-mother-dlg.py [path]   (default: Data/Dialogs/Mother.dlg under the repository)
"""
import os
import sys
from collections import deque

HUNGRY = "Я хожу в школу постоянно голодный"
DIET = "Я решил сесть на диету"
PHONE = "Допустим, я хочу мобильник..."
# slot index (0-based) of each special caption
SPECIAL = {HUNGRY: 0, DIET: 1, PHONE: 2}


def read_lines(path, problems):
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("cp1251")
    except UnicodeDecodeError as error:
        problems.append(f"not Windows-1251: {error}")
        text = raw.decode("cp1251", errors="replace")
    bare_lf = text.replace("\r\n", "").count("\n")
    if bare_lf:
        problems.append(f"{bare_lf} line(s) end in LF without CR")
    if "\r" in text.replace("\r\n", ""):
        problems.append("stray CR inside a line")
    lines = text.replace("\r\n", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()  # the newline after the last line
    return lines


def show_node(lines, label):
    """Looks a node up the way the game does: scan from line 2 for every "+label".

    Returns (speech, captions, labels) or None when no start marker matches. Speech of blocks that share a label adds
    up; the answers of the last one win. A block cut off by the end of the file counts as not found."""
    start, end = "+" + label, "-" + label
    speech, captions, targets, found = [], None, None, False
    i = 2
    while i < len(lines):
        if lines[i] == start:
            j = i + 1
            while j < len(lines) and lines[j] != end:
                speech.append(lines[j])
                j += 1
            if j + 6 >= len(lines):
                return None
            captions, targets, found = lines[j + 1:j + 4], lines[j + 4:j + 7], True
        i += 1
    return (speech, captions, targets) if found else None


def parse_blocks(lines, problems):
    """Reads the blocks one after the other; the file should hold nothing else."""
    blocks = {}
    i = 2
    while i < len(lines):
        line = lines[i]
        if not line.startswith("+") or len(line) == 1:
            problems.append(f"line {i}: expected a start marker, found {line!r}")
            i += 1
            continue
        label = line[1:]
        j = i + 1
        while j < len(lines) and lines[j] != "-" + label:
            j += 1
        if j >= len(lines):
            problems.append(f"line {i}: block {label!r} has no end marker")
            break
        if j + 6 >= len(lines):
            problems.append(f"line {i}: block {label!r} lacks its three captions and three labels")
            break
        if label in blocks:
            problems.append(f"line {i}: label {label!r} used for a second block")
        speech = lines[i + 1:j]
        if not speech:
            problems.append(f"line {i}: block {label!r} has no speech")
        blocks[label] = {"line": i, "speech": speech, "captions": lines[j + 1:j + 4], "targets": lines[j + 4:j + 7]}
        i = j + 7
    return blocks


def check(path):
    problems = []
    lines = read_lines(path, problems)
    if len(lines) < 3:
        return ["the file is too short to hold a caption, a first label and a block"]
    for number, line in enumerate(lines):
        if line != line.strip():
            problems.append(f"line {number}: spaces at the ends of {line!r}")
    if not lines[0]:
        problems.append("line 0: the window caption is empty")

    blocks = parse_blocks(lines, problems)
    labels = set(blocks)
    for label, block in blocks.items():
        for offset, text in enumerate(block["speech"], 1):
            if text[:1] in "+-" and text[1:] in labels:
                problems.append(f"line {block['line'] + offset}: speech line {text!r} reads as a marker")
        for slot, caption in enumerate(block["captions"]):
            if not caption:
                problems.append(f"block {label!r}: answer {slot + 1} has no caption")
            if caption in SPECIAL and SPECIAL[caption] != slot:
                problems.append(f"block {label!r}: {caption!r} in answer {slot + 1} has no effect there")
        for slot, target in enumerate(block["targets"]):
            if show_node(lines, target) is None:
                problems.append(f"block {label!r}: answer {slot + 1} leads to {target!r}, which has no block")

    first = lines[1]
    if show_node(lines, first) is None:
        problems.append(f"line 1: the first node {first!r} has no block")
        return problems

    # Walk the conversation as the answer buttons do: a special caption in its own slot 1 or 2 stays on the node.
    seen, special_seen, queue = {first}, set(), deque([first])
    while queue:
        label = queue.popleft()
        node = show_node(lines, label)
        if node is None:
            continue
        _, captions, targets = node
        for slot in range(3):
            caption, target = captions[slot], targets[slot]
            if SPECIAL.get(caption) == slot:
                special_seen.add(caption)
                if slot < 2:
                    continue
            if target not in seen and show_node(lines, target) is not None:
                seen.add(target)
                queue.append(target)
    for label in blocks:
        if label not in seen:
            problems.append(f"block {label!r} cannot be reached from the first node")
    for caption, slot in SPECIAL.items():
        if caption not in special_seen:
            problems.append(f"{caption!r} is never reachable as answer {slot + 1}")
    return problems


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "Data", "Dialogs", "Mother.dlg")
    problems = check(path)
    for problem in problems:
        print(f"{path}: {problem}")
    if problems:
        return 1
    print(f"{path}: ok")
    return 0


if __name__ == "__main__":
    sys.exit(main())
