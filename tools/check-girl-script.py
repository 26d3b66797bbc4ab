#!/usr/bin/env python3
"""Checks the girls' conversation scripts (Data/Girls/<n>.gdlg) the way the conversation window reads them.

A script is a Windows-1251 text, read as a list of lines numbered from 0 (a line break at the very end starts no
new line). Nodes lie end to end from line 0; a node at line P with n answers (1..5) is
    P                 her line
    P + 1             n
    P + 2 + 3(k - 1)  caption of answer k
    P + 3 + 3(k - 1)  her reaction to answer k
    P + 4 + 3(k - 1)  score of answer k (a decimal integer)
and the next node starts at P + 3n + 2. The last node has exactly one answer, which ends the talk happily; its
score is not counted. After every other answer the liking is (sum of scores + 1) / answers given * 100, rounded
half to even, and the girl gives up when it drops below 85.

For each script the checker prints the best liking a player can end with, the worst path (always the lowest
score) with the answer at which she gives up, and how many bad answers (score 0 or less) a winning talk can hold.
Usage: check-girl-script.py [--min-nodes N] [script.gdlg ...]   (all of Data/Girls/*.gdlg by default)
Exit status 1 when a script has an error; warnings alone do not fail.
"""
import argparse
import pathlib
import re
import sys
from fractions import Fraction

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIKING_LIMIT = 85
MAX_ANSWERS = 5
# An answer button is about 190 pixels wide and a fifth of the column high: three wrapped lines of text.
CAPTION_WARN_LENGTH = 70
NUMBER = re.compile(r"^-?[0-9]+$")


def split_lines(text):
    """The file's lines as the game's text reader sees them: CR LF, LF or CR end a line; a final break adds none."""
    lines = re.split(r"\r\n|\n|\r", text)
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def liking(score, given):
    """Liking in per cent after `given` answers whose scores sum to `score`; Python rounds a Fraction half to even."""
    return round(Fraction(score + 1, given) * 100)


class Node:
    def __init__(self, start, text, answers):
        self.start, self.text, self.answers = start, text, answers  # answers: [(caption, reaction, score)]


def parse_script(lines):
    """Splits the lines into nodes. Returns (nodes, errors); parsing stops at the first broken node."""
    nodes, errors, start = [], [], 0
    while start < len(lines):
        where = f"node {len(nodes) + 1} (line {start + 1})"
        if start + 1 >= len(lines):
            errors.append(f"{where}: runs past the end, there is no answer count")
            break
        count_text = lines[start + 1]
        if not NUMBER.match(count_text):
            errors.append(f"{where}: the answer count {count_text!r} on line {start + 2} is not a number")
            break
        count = int(count_text)
        if not 1 <= count <= MAX_ANSWERS:
            errors.append(f"{where}: {count} answers on line {start + 2}, must be 1..{MAX_ANSWERS}")
            break
        end = start + 3 * count + 2
        if end > len(lines):
            errors.append(f"{where}: {count} answers need lines up to {end}, the file has {len(lines)}")
            break
        answers = []
        for k in range(count):
            base = start + 2 + 3 * k
            caption, reaction, score_text = lines[base], lines[base + 1], lines[base + 2]
            if not NUMBER.match(score_text):
                errors.append(f"{where}: the score {score_text!r} of answer {k + 1} on line {base + 3} "
                              f"is not a number")
                return nodes, errors
            answers.append((caption, reaction, int(score_text)))
        nodes.append(Node(start, lines[start], answers))
        start = end
    if not errors and not nodes:
        errors.append("the script is empty")
    elif not errors and len(nodes[-1].answers) != 1:
        last = nodes[-1]
        errors.append(f"the last node (line {last.start + 1}) has {len(last.answers)} answers; it must have one, "
                      f"or the talk can never end happily")
    return nodes, errors


def content_warnings(nodes, min_nodes):
    warnings = []
    if len(nodes) < min_nodes:
        warnings.append(f"only {len(nodes)} nodes, at least {min_nodes} wanted")
    for number, node in enumerate(nodes, 1):
        if not node.text.strip():
            warnings.append(f"node {number} (line {node.start + 1}): her line is empty")
        for k, (caption, reaction, score) in enumerate(node.answers, 1):
            line = node.start + 3 + 3 * (k - 1)
            if not caption.strip() or not reaction.strip():
                warnings.append(f"node {number}, answer {k} (line {line}): empty caption or reaction")
            if len(caption) > CAPTION_WARN_LENGTH:
                warnings.append(f"node {number}, answer {k} (line {line}): caption of {len(caption)} characters "
                                f"may not fit its button")
        scores = [score for _, _, score in node.answers]
        if len(node.answers) > 1 and len(set(scores)) == 1:
            warnings.append(f"node {number} (line {node.start + 1}): every answer scores {scores[0]}")
    return warnings


def follow(scores):
    """Likings after each answer of one path; stops at the answer that drops below the limit."""
    likings, total = [], 0
    for given, score in enumerate(scores, 1):
        total += score
        likings.append(liking(total, given))
        if likings[-1] < LIKING_LIMIT:
            break
    return likings


def analyse(nodes):
    """Best and worst paths and the limits of a winning talk over all answer choices."""
    counted = nodes[:-1]  # the last node's answer is the happy end, its score does not count
    best = follow([max(s for _, _, s in node.answers) for node in counted])
    worst = follow([min(s for _, _, s in node.answers) for node in counted])
    # Every reachable (score sum, bad answers) pair that has not been rejected yet.
    states = {(0, 0)}
    for given, node in enumerate(counted, 1):
        states = {(total + score, bad + (score <= 0))
                  for total, bad in states for _, _, score in node.answers
                  if liking(total + score, given) >= LIKING_LIMIT}
    result = {"answers": len(counted), "best": best, "worst": worst, "winnable": bool(states)}
    if states and counted:
        result["lowest_win"] = min(liking(total, len(counted)) for total, _ in states)
        result["most_bad"] = max(bad for _, bad in states)
    return result


def describe(result):
    if not result["answers"]:
        return "one node: the first answer ends the talk happily"
    best, worst = result["best"], result["worst"]
    text = [f"{result['answers']} counted answers",
            f"best {best[-1]} %" if len(best) == result["answers"] and best[-1] >= LIKING_LIMIT
            else f"best path rejected at answer {len(best)}"]
    path = ", ".join(str(x) for x in worst)
    if worst[-1] < LIKING_LIMIT:
        text.append(f"worst {path} -> rejected at answer {len(worst)}")
    else:
        text.append(f"worst {path} -> still wins")
    if result["winnable"]:
        text.append(f"a win allows at most {result['most_bad']} bad answers, lowest winning liking "
                    f"{result['lowest_win']} %")
    return "; ".join(text)


def check_file(path, min_nodes):
    """Prints the report for one script; returns (errors, warnings)."""
    data = path.read_bytes()
    errors, warnings = [], []
    try:
        text = data.decode("cp1251")
    except UnicodeDecodeError as error:
        return [f"byte {error.start}: not Windows-1251"], []
    if re.search(r"(?<!\r)\n|\r(?!\n)", text):
        warnings.append("line ends are not all CR LF")
    if data.startswith(b"\xef\xbb\xbf"):
        errors.append("starts with a UTF-8 byte order mark")
    nodes, parse_errors = parse_script(split_lines(text))
    errors += parse_errors
    if not errors:
        warnings += content_warnings(nodes, min_nodes)
        result = analyse(nodes)
        if not result["winnable"]:
            errors.append("no choice of answers reaches the end")
        elif result["worst"][-1] >= LIKING_LIMIT and len(nodes) > 1:
            warnings.append("even the worst answers win")
        print(f"{path.name}: {len(nodes)} nodes; {describe(result)}")
    for message in errors:
        print(f"{path.name}: error: {message}")
    for message in warnings:
        print(f"{path.name}: warning: {message}")
    return errors, warnings


def main(argv):
    parser = argparse.ArgumentParser(description="Check the girls' conversation scripts.")
    parser.add_argument("--min-nodes", type=int, default=0, help="warn about scripts with fewer nodes")
    parser.add_argument("scripts", nargs="*", type=pathlib.Path)
    args = parser.parse_args(argv)
    scripts = args.scripts or sorted((ROOT / "Data" / "Girls").glob("*.gdlg"),
                                     key=lambda p: (len(p.stem), p.stem))
    if not scripts:
        print("check-girl-script: no scripts found", file=sys.stderr)
        return 1
    failed = False
    for path in scripts:
        errors, _ = check_file(path, args.min_nodes)
        failed |= bool(errors)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
