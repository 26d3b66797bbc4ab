#!/usr/bin/env python3
"""Tests of tools/check-girl-script.py: line splitting, the liking rule and the script layout at its edges."""
import pathlib
import runpy
import types
import unittest

# The checker's file name has dashes, so it is loaded by path rather than imported.
check = types.SimpleNamespace(**runpy.run_path(str(pathlib.Path(__file__).with_name("check-girl-script.py"))))


def node(line, *answers):
    """Lines of one node; answers are (caption, reaction, score) triples."""
    lines = [line, str(len(answers))]
    for caption, reaction, score in answers:
        lines += [caption, reaction, str(score)]
    return lines


END = node("Пока!", ("Пока", "До встречи", 1))


class Lines(unittest.TestCase):
    def test_a_final_break_starts_no_line_but_inner_empty_lines_count(self):
        self.assertEqual(check.split_lines("a\r\nb\r\n"), ["a", "b"])
        self.assertEqual(check.split_lines("a\r\n\r\nb"), ["a", "", "b"])
        self.assertEqual(check.split_lines("a\nb\rc\r\n"), ["a", "b", "c"])


class Liking(unittest.TestCase):
    def test_paths_of_the_rule(self):
        self.assertEqual(check.follow([0, 1, 1]), [100, 100, 100])
        self.assertEqual(check.follow([0, 0, 1]), [100, 50])
        self.assertEqual(check.follow([1, 0, 0, 0]), [200, 100, 67])

    def test_exact_halves_go_to_the_even_neighbour(self):
        self.assertEqual(check.liking(6, 8), 88)  # 87.5
        self.assertEqual(check.liking(4, 8), 62)  # 62.5
        self.assertEqual(check.liking(10, 13), 85)  # 84.6 still passes


class Layout(unittest.TestCase):
    def test_one_node_with_one_answer_is_a_whole_script(self):
        nodes, errors = check.parse_script(END)
        self.assertEqual(errors, [])
        self.assertEqual(len(nodes), 1)
        self.assertEqual(check.analyse(nodes)["answers"], 0)

    def test_nodes_follow_each_other_at_3n_plus_2(self):
        lines = node("Привет", ("А", "ра", 1), ("Б", "рб", 0), ("В", "рв", -2)) + END
        nodes, errors = check.parse_script(lines)
        self.assertEqual(errors, [])
        self.assertEqual([n.start for n in nodes], [0, 11])
        self.assertEqual([s for _, _, s in nodes[0].answers], [1, 0, -2])

    def test_broken_scripts(self):
        cases = {
            "count 6": (node("x", *[("a", "r", 1)] * 6) + END, "must be 1..5"),
            "count 0": (["x", "0"] + END, "must be 1..5"),
            "count word": (["x", "два"] + END, "is not a number"),
            "score word": (node("x", ("a", "r", "хорошо")) + END, "is not a number"),
            "past the end": (node("x", ("a", "r", 1), ("b", "r", 0))[:-1], "the file has"),
            "no count": (END + ["хвост"], "no answer count"),
            "last node of two": (node("x", ("a", "r", 1), ("b", "r", 0)), "must have one"),
            "empty": ([], "empty"),
        }
        for name, (lines, message) in cases.items():
            with self.subTest(name):
                _, errors = check.parse_script(lines)
                self.assertEqual(len(errors), 1, errors)
                self.assertIn(message, errors[0])


class Analysis(unittest.TestCase):
    def test_best_worst_and_the_room_for_mistakes(self):
        good_or_bad = node("?", ("да", "ура", 1), ("нет", "увы", 0))
        nodes, _ = check.parse_script(good_or_bad * 7 + END)
        result = check.analyse(nodes)
        self.assertEqual(result["best"][-1], 114)
        self.assertEqual(result["worst"], [100, 50])
        # One bad answer anywhere, a second one only from the seventh answer on: 6/7 = 86 %.
        self.assertEqual(result["most_bad"], 2)
        self.assertEqual(result["lowest_win"], 86)

    def test_a_script_nobody_can_win(self):
        nodes, _ = check.parse_script(node("?", ("нет", "увы", -1)) + END)
        self.assertFalse(check.analyse(nodes)["winnable"])


if __name__ == "__main__":
    unittest.main()
