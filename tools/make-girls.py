#!/usr/bin/env python3
"""Builds the girls' info texts and conversation scripts from their UTF-8 sources.

tools/girls/<n>.txt becomes Data/Girls/<n>.inf and Data/Girls/<n>.gdlg (Windows-1251, CR LF). A source has two
sections:

    [info]          the free text about her, copied line for line (blank lines at the edges dropped)
    [script]        her conversation, one node after another:
    ? her line
    1 caption of an answer      (the number in front is the answer's score)
    = her reaction to it
    0 caption of the next answer
    = her reaction to it

Blank lines and lines starting with '#' outside [info] are ignored. The script file gets the game's linear layout:
her line, the number of answers, then caption, reaction and score for every answer.
Usage: make-girls.py [source ...]   (all of tools/girls/*.txt by default)
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent


class SourceError(Exception):
    pass


def parse_source(text, name):
    info, nodes, section = [], [], None
    for number, raw in enumerate(text.splitlines(), 1):
        line = raw.rstrip()
        where = f"{name}:{number}"
        if line in ("[info]", "[script]"):
            section = line
            continue
        if section == "[info]":
            info.append(line)
            continue
        if not line.strip() or line.startswith("#"):
            continue
        if section != "[script]":
            raise SourceError(f"{where}: text before [info] or [script]")
        if line.startswith("? "):
            nodes.append({"line": line[2:].strip(), "answers": []})
        elif re.match(r"^-?\d+ ", line):
            if not nodes:
                raise SourceError(f"{where}: an answer before her first line")
            score, caption = line.split(" ", 1)
            nodes[-1]["answers"].append([caption.strip(), None, int(score)])
        elif line.startswith("= "):
            if not nodes or not nodes[-1]["answers"] or nodes[-1]["answers"][-1][1] is not None:
                raise SourceError(f"{where}: a reaction without its answer")
            nodes[-1]["answers"][-1][1] = line[2:].strip()
        else:
            raise SourceError(f"{where}: cannot read {line!r}")
    while info and not info[0].strip():
        info.pop(0)
    while info and not info[-1].strip():
        info.pop()
    if not info:
        raise SourceError(f"{name}: no [info] text")
    if not nodes:
        raise SourceError(f"{name}: no script")
    for index, node in enumerate(nodes):
        answers = node["answers"]
        if not 1 <= len(answers) <= 5:
            raise SourceError(f"{name}: node {index + 1} has {len(answers)} answers, not 1..5")
        if any(reaction is None for _, reaction, _ in answers):
            raise SourceError(f"{name}: node {index + 1} has an answer without a reaction")
    if len(nodes[-1]["answers"]) != 1:
        raise SourceError(f"{name}: the last node must have exactly one answer")
    return info, nodes


def script_lines(nodes):
    lines = []
    for node in nodes:
        lines.append(node["line"])
        lines.append(str(len(node["answers"])))
        for caption, reaction, score in node["answers"]:
            lines += [caption, reaction, str(score)]
    return lines


def write_cp1251(path, lines):
    text = "\r\n".join(lines) + "\r\n"
    try:
        data = text.encode("cp1251")
    except UnicodeEncodeError as error:
        bad = text[error.start:error.end]
        raise SourceError(f"{path}: {bad!r} has no Windows-1251 code") from None
    path.write_bytes(data)


def build(source):
    index = source.stem
    info, nodes = parse_source(source.read_text(encoding="utf-8"), str(source))
    target = ROOT / "Data" / "Girls"
    target.mkdir(parents=True, exist_ok=True)
    write_cp1251(target / f"{index}.inf", info)
    write_cp1251(target / f"{index}.gdlg", script_lines(nodes))
    print(f"Data/Girls/{index}.inf, Data/Girls/{index}.gdlg: {len(nodes)} nodes")


def main(argv):
    sources = [pathlib.Path(a) for a in argv] or sorted((ROOT / "tools" / "girls").glob("*.txt"))
    try:
        for source in sources:
            build(source)
    except SourceError as error:
        print(f"make-girls: {error}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
