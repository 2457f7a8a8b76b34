#!/usr/bin/env python3
"""Makes the golden cases under tests/data/golden (see its README.md).

  tools/golden_cases.py inputs          writes the random input folders and layout files
                                        (deterministic: the same files every time)
  tools/golden_cases.py expect CLI      runs every case of cases.txt with the antkeys-cli
                                        at CLI and stores what it printed or wrote
  tools/golden_cases.py add CLI CASE... the same for new cases only: refuses a case that
                                        already has an expected output

An input set "bundled:LANG" is the bundled set data/LANG (with its layouts from layouts/LANG).

The expected outputs must come from a build whose figures are trusted; never make them with
a build under test.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.realpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
GOLDEN = os.path.join(ROOT, "tests", "data", "golden")
KEY_ROWS = (2, 3, 4)


def write_lines(path, header, rows):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="") as f:
        f.write(header + "\r\n")
        for row in rows:
            f.write("\t".join(str(x) for x in row) + "\r\n")


def read_rows(path):
    with open(path, newline="") as f:
        lines = f.read().split("\r\n")[1:]
    return [line.split("\t") for line in lines if line]


def random_layouts(rng, folder, count, letters, key_codes, odd_codes):
    """Plausible layouts (each letter on its own key) and odd ones: shared keys, unplaced
    letters, key codes that name no key."""
    for n in range(count):
        if n % 3 == 2:
            rows = [(c, rng.choice(key_codes + odd_codes)) for c in letters]
        else:
            keys = rng.sample(key_codes, len(letters)) if len(key_codes) >= len(letters) \
                else [rng.choice(key_codes) for _ in letters]
            rows = list(zip(letters, keys))
            if n % 3 == 1:
                rows = [r for r in rows if rng.random() > 0.1]
        write_lines(os.path.join(folder, "%02d.txt" % n), "Layout %d" % n, rows)


def bundled_layouts(rng, name):
    letters = [int(r[0]) for r in read_rows(os.path.join(GOLDEN, "inputs", name, "In",
                                                         "RefKeyLay.txt"))]
    keys = read_rows(os.path.join(GOLDEN, "inputs", name, "In", "KeyDefs.txt"))
    free = [k[0] for k in keys if int(k[4]) in KEY_ROWS and int(k[5]) == 0]
    random_layouts(rng, os.path.join(GOLDEN, "layouts", name), 12, letters, free,
                   ["Space", "nokey"])


def random_folder(rng, name, n_keys, fingers, cols, alters, odd_keys=()):
    """A random keyboard with statistics, weights and a reference layout. The reference
    layout leaves the odd keys empty, so it can be graded even where they make a digraph
    fail."""
    folder = os.path.join(GOLDEN, "inputs", name, "In")
    keys = []
    for k in range(n_keys):
        row = rng.choice((1, 2, 2, 3, 3, 4, 4, 5, 6))
        keys.append(("K%d" % k, rng.choice((0, 0, 1, 1, 2)), rng.choice(fingers),
                     rng.choice(cols), row, 1 if k in alters else 0))
    plain_keys = list(keys)
    keys += odd_keys
    write_lines(os.path.join(folder, "KeyDefs.txt"),
                "Code\tHand\tFinger\tColumn\tRow\tAlternate", keys)
    write_lines(os.path.join(folder, "BestLoad.txt"), "Line\tColumnWeight\tRowWeight",
                [(i, round(rng.uniform(0.1, 2), 3), round(rng.uniform(0, 1.5), 3))
                 if i < 6 else (i, round(rng.uniform(0.1, 2), 3)) for i in range(9)])
    write_lines(os.path.join(folder, "Kdi.txt"), "Finger\t1\t2\t3\t4\t5",
                [["F%d" % i] + [rng.randint(0, 9) for _ in range(5)] for i in range(1, 6)])
    write_lines(os.path.join(folder, "Gj.txt"), "Criterion\tWeight",
                [("V%d" % i, rng.choice((0, 0.5, 1, 1.5, 2, 3))) for i in range(1, 7)])

    # Letters: a few fixed to a key, the rest free; one character of the statistics is in
    # no layout at all and so always falls on key 0.
    letters = rng.sample(range(33, 256), n_keys // 2 + 2)
    ref = []
    for i, c in enumerate(letters):
        fixed = 1 if i % 7 == 3 else 0
        ref.append((c, rng.choice(plain_keys)[0] if i != 5 else "nokey", fixed))
    write_lines(os.path.join(folder, "RefKeyLay.txt"), "Code\tKey\tFixed", ref)
    chars = letters + [rng.randint(33, 255)]
    pairs = sorted({(rng.choice(chars), rng.choice(chars)) for _ in range(300)})
    write_lines(os.path.join(folder, "DiGraphs.txt"), "code1\tcode2\tcount",
                [(a, b, rng.randint(1, 100000)) for a, b in pairs])

    codes = [k[0] for k in keys if not k[5]]
    random_layouts(rng, os.path.join(GOLDEN, "layouts", name), 9, letters, codes, ["nokey"])


def make_inputs():
    # The bundled sets as they were when the goldens were made, the Georgian one with its
    # stored pheromones.
    for name in ("ka", "en"):
        shutil.rmtree(os.path.join(GOLDEN, "inputs", name), ignore_errors=True)
        shutil.copytree(os.path.join(ROOT, "data", name, "In"),
                        os.path.join(GOLDEN, "inputs", name, "In"))
    shutil.copytree(os.path.join(ROOT, "data", "ka", "Out"),
                    os.path.join(GOLDEN, "inputs", "ka", "Out"))
    rng = random.Random(20261206)
    for name in ("ka", "en"):
        bundled_layouts(rng, name)
    # Fingers 0..5 and columns close together: every digraph can be graded.
    random_folder(rng, "r1", 30, range(0, 6), range(0, 9), {3, 10, 20})
    random_folder(rng, "r2", 48, range(1, 6), range(-1, 10), {0, 7})
    # A finger that Kdi has no row for, and keys too far apart for a 16-bit distance.
    random_folder(rng, "r3", 24, range(0, 6), range(0, 9), {5},
                  [("F7", 0, 7, 2, 3, 0), ("F6", 1, 6, 4, 4, 0)])
    random_folder(rng, "r4", 20, range(1, 6), range(0, 9), set(),
                  [("Far", 0, 2, -20000, 3, 0), ("Away", 0, 2, 20000, 2, 0)])


def read_cases():
    cases = []
    with open(os.path.join(GOLDEN, "cases.txt")) as f:
        for line in f:
            line = line.split("#")[0].split()
            if line:
                # The old build knows the swap polish as --polish.
                args = ["--polish" if a == "POLISH" else a for a in line[2:]]
                cases.append((line[0], line[1], args))
    return cases


def set_name(input_set):
    return input_set.split(":", 1)[1] if input_set.startswith("bundled:") else input_set


def program_folder(tmp, input_set):
    if input_set.startswith("bundled:"):
        source = os.path.join(ROOT, "data", set_name(input_set))
    else:
        source = os.path.join(GOLDEN, "inputs", input_set)
    shutil.copytree(source, tmp, dirs_exist_ok=True)
    os.makedirs(os.path.join(tmp, "Out"), exist_ok=True)


def expect(cli, only=None):
    expected = os.path.join(GOLDEN, "expected")
    if only is None:
        shutil.rmtree(expected, ignore_errors=True)
    cases = read_cases()
    if only is not None:
        unknown = set(only) - {name for name, _, _ in cases}
        if unknown:
            sys.exit("no such case: " + " ".join(sorted(unknown)))
        cases = [c for c in cases if c[0] in only]
        for name, _, _ in cases:
            for made in (os.path.join(expected, name), os.path.join(expected, name + ".tsv")):
                if os.path.exists(made):
                    sys.exit(made + " exists: goldens are never made again")
    for name, input_set, args in cases:
        with tempfile.TemporaryDirectory() as tmp:
            program_folder(tmp, input_set)
            if args[0] == "evaluate":
                layouts = os.path.join(GOLDEN, "layouts", set_name(input_set))
                files = [os.path.join(layouts, f) for f in sorted(os.listdir(layouts))]
                done = subprocess.run([cli] + args + ["--dir", tmp] + files,
                                      capture_output=True, text=True)
                os.makedirs(expected, exist_ok=True)
                with open(os.path.join(expected, name + ".tsv"), "w", newline="") as f:
                    f.write(done.stdout.replace(GOLDEN + "/", ""))
                    f.write("exit %d\n" % done.returncode)
                    f.write(done.stderr.replace(GOLDEN + "/", ""))
            else:
                subprocess.run([cli] + args + ["--dir", tmp], check=True,
                               stdout=subprocess.DEVNULL)
                shutil.copytree(os.path.join(tmp, "Out"), os.path.join(expected, name))


if __name__ == "__main__":
    if sys.argv[1:] == ["inputs"]:
        make_inputs()
    elif len(sys.argv) == 3 and sys.argv[1] == "expect":
        expect(os.path.abspath(sys.argv[2]))
    elif len(sys.argv) > 3 and sys.argv[1] == "add":
        expect(os.path.abspath(sys.argv[2]), sys.argv[3:])
    else:
        sys.exit(__doc__)
