#!/usr/bin/env python3
"""Cases for tools/check-dialog-script.py: the reading rules and the faults a talk must not have."""
import importlib.util
import os
import unittest

_spec = importlib.util.spec_from_file_location(
    "check_dialog_script", os.path.join(os.path.dirname(os.path.abspath(__file__)), "check-dialog-script.py"))
checker = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(checker)


def node(line, nexts=(1, 1, 1), outcome="", answers=("Да", "Нет", "Может быть")):
    return [line, *answers, "0", "0", *(str(n) for n in nexts), outcome]


def script(*nodes, ending="\r\n"):
    lines = [text for n in nodes for text in n]
    return (ending.join(lines) + ending).encode("cp1251")


# Node 1 leads to one end of every kind.
GOOD = [
    node("Привет", (2, 3, 4)),
    node("Ну?", (5, 6, 1)),
    node("Всё", (3, 3, 3), "war"),
    node("Деньги", (4, 4, 4), "ch1"),
    node("Драка", (5, 5, 5), "ch2"),
    node("Бежим", (6, 6, 6), "ch3"),
]
GOOD[1] = node("Ну?", (5, 6, 7))
GOOD.append(node("Пока", (7, 7, 7), "win"))


def problems(raw, **options):
    return checker.check_text(raw, **options)[1]


class ReadingRules(unittest.TestCase):
    def test_clean_script_reads_every_field(self):
        nodes, found = checker.check_text(script(*GOOD))
        self.assertEqual(found, [])
        self.assertEqual(len(nodes), 7)
        self.assertEqual(nodes[0]["next"], [2, 3, 4])
        self.assertEqual([n["outcome"] for n in nodes], ["", "", "war", "ch1", "ch2", "ch3", "win"])
        self.assertEqual(nodes[1]["line"], "Ну?")

    def test_outcome_line_takes_three_characters_case_sensitive(self):
        self.assertEqual(checker.outcome_of("war // он злой"), "war")
        self.assertEqual(checker.outcome_of(" war"), "")
        self.assertEqual(checker.outcome_of("WAR"), "")
        self.assertEqual(checker.outcome_of(""), "")
        found = problems(script(GOOD[0], GOOD[1], node("Всё", (3, 3, 3), "war  ну всё"), *GOOD[3:]))
        self.assertEqual(len(found), 1)
        self.assertIn("read as 'war'", found[0])

    def test_numbers_shifted_by_an_empty_line_are_caught(self):
        broken = list(GOOD[0])
        broken[6:6] = [""]          # an empty line before Next[1]: every later field slides by one
        found = problems(script(broken, *GOOD[1:]))
        self.assertTrue(any("not on its own line" in p for p in found))
        self.assertTrue(any("is not ten per node" in p for p in found))

    def test_text_in_number_and_after_number(self):
        self.assertTrue(any("is not an integer" in p
                            for p in problems(script(node("Привет", ("два", 3, 4)), *GOOD[1:]))))
        after = list(GOOD[0])
        after[6] = "2 // к вопросу"
        self.assertTrue(any("ignored" in p for p in problems(script(after, *GOOD[1:]))))

    def test_file_encoding_and_line_ends(self):
        self.assertTrue(any("CR LF" in p for p in problems(script(*GOOD, ending="\n"))))
        utf8 = script(*GOOD).decode("cp1251").encode("utf-8")
        self.assertTrue(any("UTF-8" in p for p in problems(utf8)))
        self.assertTrue(any("Windows-1251" in p for p in problems(b"\x98" + script(*GOOD))))

    def test_extra_blank_line_at_end_makes_a_node(self):
        found = problems(script(*GOOD) + b"\r\n")
        self.assertTrue(any("not ten per node" in p for p in found))


class TalkFaults(unittest.TestCase):
    def test_next_out_of_range_on_a_reachable_node(self):
        for bad in (0, 8, -1):
            found = problems(script(node("Привет", (2, 3, bad)), *GOOD[1:]))
            self.assertTrue(any("is not a node" in p for p in found), bad)

    def test_unreachable_node_and_unused_code(self):
        found = problems(script(node("Привет", (2, 3, 3)), *GOOD[1:]))
        self.assertTrue(any("node 4" in p and "cannot be reached" in p for p in found))
        self.assertTrue(any("'ch1' is never reached" in p for p in found))
        self.assertEqual(problems(script(node("Привет", (2, 3, 3)), *GOOD[1:]),
                                  required_codes=("war", "ch2", "ch3", "win"))[:1],
                         [p for p in found if "cannot be reached" in p])

    def test_outcome_node_does_not_lead_on(self):
        # node 3 ends the talk, so the node only it points to is unreachable
        nodes = list(GOOD) + [node("Потом", (8, 8, 8), "win")]
        nodes[2] = node("Всё", (8, 8, 8), "war")
        self.assertTrue(any("node 8" in p and "cannot be reached" in p for p in problems(script(*nodes))))

    def test_loop_without_an_end_and_start_with_outcome(self):
        nodes = list(GOOD) + [node("Кругом", (8, 8, 8))]
        nodes[1] = node("Ну?", (5, 6, 8))
        found = problems(script(*nodes), required_codes=())
        self.assertTrue(any("node 8" in p and "never end" in p for p in found))
        found = problems(script(node("Привет", (2, 3, 4), "win"), *GOOD[1:]))
        self.assertTrue(any("node 1 has the outcome" in p for p in found))

    def test_table_limit(self):
        many = [node("Привет", (2, 2, 2))] + [node("Дальше", (n + 2, n + 2, n + 2)) for n in range(1, 60)]
        many += [node("Конец", (61, 61, 61), "win")]
        self.assertTrue(any("more than 60 nodes" in p for p in problems(script(*many), required_codes=())))
        self.assertEqual(problems(script(*many[:59], node("Конец", (60, 60, 60), "win")), required_codes=()), [])


if __name__ == "__main__":
    unittest.main()
