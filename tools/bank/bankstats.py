#!/usr/bin/env python3
"""Figures of the question bank that `zkbank check` does not give: how many questions a
level has, how the correct letters and the topics spread, and a blind sheet for rating
difficulty without seeing the levels.

  bankstats.py [DIR]                     counts, letter and topic spread per level
  bankstats.py --blind SHEET KEY [DIR]   every question shuffled, numbered, no level shown
  bankstats.py --compare KEY RATINGS     ratings ("number rating" lines) against the levels

A question's topic is the comment "# тема: ..." on the line just before its text."""
import collections
import pathlib
import random
import re
import sys

TOPICS = ["история", "география", "природа", "наука", "литература", "язык", "искусство",
          "музыка", "кино и театр", "спорт", "быт", "техника", "мифология и религия"]
TOPIC_RE = re.compile(r"^#\s*тема:\s*(.+?)\s*$")


def parse(path):
    """Yields (line, topic, text, answers, letter) for each six-line block."""
    topic, block = None, []
    lines = path.read_text(encoding="utf-8").splitlines() + [""]
    for number, line in enumerate(lines, 1):
        m = TOPIC_RE.match(line)
        if m:
            topic = m.group(1)
            continue
        if line.startswith("#"):
            continue
        if line.strip():
            block.append((number, line))
            continue
        if len(block) == 6:
            yield (block[0][0], topic, block[0][1], [t[3:] for _, t in block[1:5]], block[5][1][2:].strip())
        block, topic = [], None


def levels(folder):
    folder = pathlib.Path(folder)
    out = {n: list(parse(folder / f"level-{n:02d}.txt")) for n in range(1, 16)}
    out["qualifying"] = list(parse(folder / "qualifying.txt"))
    return out


def report(folder):
    bank = levels(folder)
    faults = 0
    for level, questions in bank.items():
        n = len(questions)
        letters = collections.Counter(q[4] for q in questions)
        topics = collections.Counter(q[1] or "?" for q in questions)
        spread = " ".join(f"{l}:{100 * letters[l] / n:.0f}%" for l in "abcd") if level != "qualifying" else ""
        print(f"{str(level):>10}: {n:4d}  {spread}")
        print("            " + ", ".join(f"{t} {c}" for t, c in topics.most_common()))
        if level == "qualifying":
            continue
        for l in "abcd":
            if not 0.20 <= letters[l] / n <= 0.30:
                print(f"            letter {l} at {100 * letters[l] / n:.0f}%, outside 20-30%")
                faults += 1
        for t, c in topics.items():
            if t == "?" or t not in TOPICS:
                print(f"            topic \"{t}\" is not one of: {', '.join(TOPICS)}")
                faults += 1
            elif c > n / 5:
                print(f"            topic \"{t}\" holds {c} of {n}, more than a fifth")
                faults += 1
    total = sum(len(v) for k, v in bank.items() if k != "qualifying")
    print(f"{'total':>10}: {total:4d} questions, {len(bank['qualifying'])} ordering tasks; {faults} faults")
    return faults


def blind(sheet, key, folder):
    rows = [(level, line, q) for level, qs in levels(folder).items() if level != "qualifying"
            for (line, _, *q) in qs]
    random.Random(2026).shuffle(rows)
    with open(sheet, "w", encoding="utf-8") as s, open(key, "w", encoding="utf-8") as k:
        for number, (level, line, (text, answers, letter)) in enumerate(rows, 1):
            s.write(f"[{number}] {text}\n")
            for i, a in enumerate(answers):
                s.write(f"    {'abcd'[i]}) {a}{'   <- верный' if 'abcd'[i] == letter else ''}\n")
            k.write(f"{number}\t{level}\t{line}\t{text}\n")


def compare(key, ratings):
    truth = {}
    for row in open(key, encoding="utf-8"):
        number, level, line, text = row.rstrip("\n").split("\t", 3)
        truth[int(number)] = (int(level), int(line), text)
    far = []
    rated = 0
    for row in open(ratings, encoding="utf-8"):
        m = re.match(r"^\s*(\d+)\s+(\d+)", row)
        if not m:
            continue
        number, rating = int(m.group(1)), int(m.group(2))
        rated += 1
        level, line, text = truth[number]
        if abs(rating - level) >= 3:
            far.append((level, line, rating, text))
    print(f"{rated} of {len(truth)} rated; {len(far)} three or more levels from their file")
    for level, line, rating, text in sorted(far):
        print(f"level-{level:02d}.txt:{line}: rated {rating}: {text}")


if __name__ == "__main__":
    args = sys.argv[1:]
    if args[:1] == ["--blind"]:
        blind(args[1], args[2], args[3] if len(args) > 3 else "data/questions")
    elif args[:1] == ["--compare"]:
        compare(args[1], args[2])
    else:
        sys.exit(1 if report(args[0] if args else "data/questions") else 0)
