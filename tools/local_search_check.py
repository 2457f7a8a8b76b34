#!/usr/bin/python3
"""Checks `antkeys-cli run --polish` against an independent local search on keyboards with
more keys than letters.

    tools/local_search_check.py [--cli build/bin/antkeys-cli] [--folders 3] [--seeds 1-5]
                                [--layouts 1000000] [--climbs 20]

Each test folder is a bundled set with some free letters left out at random (their keys stay
on the keyboard, empty) and its digraph counts scaled by random factors, so the search meets
a problem it was not tuned on. The independent search knows nothing of the colony: it places
the free letters on random distinct keys (any key no fixed character holds) and climbs by
steepest ascent over every swap of two free letters and every move of a free letter to an
empty key, until no neighbour grades better. Every grade comes from `antkeys-cli evaluate`,
all the neighbours of a step in one call. It prints, per folder, the best grade of each
`run --polish` seed and of the climbs.
"""
import argparse
import random
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


def read_rows(path):
    lines = path.read_text(encoding="latin-1").splitlines()
    return lines[0], [line.split("\t") for line in lines[1:] if line.strip()]


def write_rows(path, header, rows):
    path.write_text("\r\n".join([header] + ["\t".join(r) for r in rows]) + "\r\n",
                    encoding="latin-1")


def make_folder(base, data_set, index, drop):
    """A copy of data/<data_set>/In with `drop` free letters left out and counts rescaled."""
    rng = random.Random(f"{data_set}-{index}")
    folder = base / f"{data_set}-minus{drop}-{index}"
    shutil.copytree(ROOT / "data" / data_set / "In", folder / "In")
    (folder / "In" / "TriGraphs.txt").unlink(missing_ok=True)
    (folder / "Out").mkdir()
    header, lay = read_rows(folder / "In" / "RefKeyLay.txt")
    free = [r for r in lay if r[2] == "0"]
    gone = {r[0] for r in rng.sample(free, drop)}
    write_rows(folder / "In" / "RefKeyLay.txt", header, [r for r in lay if r[0] not in gone])
    header, digraphs = read_rows(folder / "In" / "DiGraphs.txt")
    kept = [[a, b, str(max(1, round(int(n) * rng.uniform(0.5, 1.5))))]
            for a, b, n in digraphs if a not in gone and b not in gone]
    write_rows(folder / "In" / "DiGraphs.txt", header, kept)
    return folder


def best_of_out(out):
    grades = [float(f.read_text(encoding="latin-1").splitlines()[0].replace(",", "."))
              for f in out.iterdir() if f.suffix == ".txt" and f.name[0].isdigit()]
    return max(grades) if grades else float("nan")


def run_polish(cli, folder, seed, layouts):
    out = folder / "Out"
    for f in out.iterdir():
        f.unlink()
    subprocess.run(["nice", str(cli), "run", "--dir", str(folder), "--quiet", "--seed", str(seed),
                    "--layouts", str(layouts), "--polish"], check=True, stdout=subprocess.DEVNULL)
    return best_of_out(out)


class Grader:
    def __init__(self, cli, folder, scratch):
        self.cli, self.folder, self.scratch = cli, folder, scratch

    def grades(self, layouts):
        """The grade (in %) of each layout, a dict code -> key name."""
        paths = []
        for i, lay in enumerate(layouts):
            p = self.scratch / f"n{i}.txt"
            p.write_text("0\r\n" + "".join(f"{c}\t{k}\r\n" for c, k in lay.items()),
                         encoding="latin-1")
            paths.append(str(p))
        out = subprocess.run([str(self.cli), "evaluate", "--dir", str(self.folder), "--tsv"]
                             + paths, check=True, capture_output=True, text=True).stdout
        rows = [line.split("\t") for line in out.splitlines()[2:]]
        return [float(r[-1]) * 100 for r in rows]


def climb(grader, fixed, free_codes, keys, rng):
    taken = set(fixed.values())
    open_keys = [k for k in keys if k not in taken]
    lay = dict(fixed)
    lay.update(zip(free_codes, rng.sample(open_keys, len(free_codes))))
    grade = grader.grades([lay])[0]
    while True:
        neighbours = []
        for i, a in enumerate(free_codes):
            for b in free_codes[i + 1:]:
                n = dict(lay)
                n[a], n[b] = lay[b], lay[a]
                neighbours.append(n)
            used = set(lay.values())
            for k in open_keys:
                if k not in used:
                    n = dict(lay)
                    n[a] = k
                    neighbours.append(n)
        grades = grader.grades(neighbours)
        best = max(range(len(grades)), key=grades.__getitem__)
        if not grades[best] > grade:
            return grade
        lay, grade = neighbours[best], grades[best]


def seeds_of(text):
    lo, _, hi = text.partition("-")
    return range(int(lo), int(hi or lo) + 1)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--cli", default=str(ROOT / "build" / "bin" / "antkeys-cli"))
    p.add_argument("--folders", default="en:4,en:7,ka:5",
                   help="bundled set and number of letters left out, per test folder")
    p.add_argument("--seeds", default="1-5")
    p.add_argument("--layouts", type=int, default=1_000_000)
    p.add_argument("--climbs", type=int, default=20)
    args = p.parse_args()
    cli = Path(args.cli).resolve()
    with tempfile.TemporaryDirectory(prefix="antkeys-check-") as tmp:
        base = Path(tmp)
        for index, folder_arg in enumerate(args.folders.split(",")):
            data_set, drop = folder_arg.split(":")
            folder = make_folder(base, data_set, index, int(drop))
            _, lay = read_rows(folder / "In" / "RefKeyLay.txt")
            _, keydefs = read_rows(folder / "In" / "KeyDefs.txt")
            fixed = {r[0]: r[1] for r in lay if r[2] != "0"}
            free_codes = [r[0] for r in lay if r[2] == "0"]
            keys = [r[0] for r in keydefs]
            colony = [run_polish(cli, folder, s, args.layouts) for s in seeds_of(args.seeds)]
            scratch = base / "scratch"
            scratch.mkdir(exist_ok=True)
            grader = Grader(cli, folder, scratch)
            rng = random.Random(index)
            climbs = [climb(grader, fixed, free_codes, keys, rng) for _ in range(args.climbs)]
            print(f"{folder.name}: {len(free_codes)} free letters, {len(keys)} keys, "
                  f"{len(fixed)} fixed")
            print(f"  run --polish, {args.layouts:,} layouts, seeds {args.seeds}: "
                  + " ".join(f"{g:.3f}" for g in colony))
            print(f"  {args.climbs} independent climbs: best {max(climbs):.3f}, "
                  f"median {sorted(climbs)[len(climbs) // 2]:.3f}, lowest {min(climbs):.3f}")
            print(f"  polish minus climbs' best: worst seed {min(colony) - max(climbs):+.3f}, "
                  f"best seed {max(colony) - max(climbs):+.3f}", flush=True)


if __name__ == "__main__":
    sys.exit(main())
