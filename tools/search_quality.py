#!/usr/bin/python3
"""Search-quality study: how good a layout each search variant finds, and how fast.

For every bundled set, seed and variant it runs one `antkeys-cli run` of --horizon layouts
in a scratch copy of the set's folder (In, and Out with its pheromone store when the set ships
one), then reads the best-layout files the run left in Out: each is named by its grade and
by the layouts counted before it, and holds the exact grade on its first line. The best
grade after any number of layouts therefore comes from one run, however many checkpoints.

Runs go one at a time under `nice`; finished ones are kept in --results (one JSON line each)
and skipped when the script is started again, so an interrupted study resumes.

    tools/search_quality.py run    [--cli build/bin/antkeys-cli] [--seeds 1-20] [--horizon 5000000]
    tools/search_quality.py report [--checkpoints 200000,1000000,5000000]

`report` prints the Markdown table for docs/search-quality.md and draws
docs/search-quality.png (python3-matplotlib).
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
VARIANTS = {  # name: extra options of antkeys-cli run
    "ACO": [],
    "--polish=swaps": ["--polish=swaps"],
    "--polish": ["--polish"],
}
SETS = ["ka", "en"]
BEST_FILE = re.compile(r"^-?\d+_(\d+)\.txt$")


def seeds_of(text):
    out = []
    for part in text.split(","):
        lo, _, hi = part.partition("-")
        out.extend(range(int(lo), int(hi or lo) + 1))
    return out


def progress_of(out_folder):
    """(layouts counted when found, grade in %) of every best-layout file, in order."""
    points = []
    for f in Path(out_folder).iterdir():
        m = BEST_FILE.match(f.name)
        if not m:
            continue
        first = f.read_text(encoding="latin-1").splitlines()[0]
        points.append((int(m.group(1)) + 1, float(first.replace(",", "."))))
    return sorted(points)


def run_one(cli, data_set, seed, variant, horizon):
    with tempfile.TemporaryDirectory(prefix="antkeys-study-") as tmp:
        folder = Path(tmp) / data_set
        shutil.copytree(ROOT / "data" / data_set / "In", folder / "In")
        shipped = ROOT / "data" / data_set / "Out" / "Pheromones.txt"
        (folder / "Out").mkdir()
        if shipped.exists():
            shutil.copy(shipped, folder / "Out" / "Pheromones.txt")
        cmd = [str(cli), "run", "--dir", str(folder), "--quiet", "--seed", str(seed),
               "--layouts", str(horizon)] + VARIANTS[variant]
        t0 = os.times()
        subprocess.run(["nice"] + cmd, check=True, stdout=subprocess.DEVNULL)
        t1 = os.times()
        return {
            "set": data_set, "seed": seed, "variant": variant, "horizon": horizon,
            "cpu_s": round(t1.children_user - t0.children_user
                           + t1.children_system - t0.children_system, 2),
            "command": " ".join(["antkeys-cli"] + cmd[1:3] + ["data/" + data_set] + cmd[4:]),
            "progress": progress_of(folder / "Out"),
        }


def load(results):
    if not results.exists():
        return []
    return [json.loads(line) for line in results.read_text().splitlines() if line.strip()]


def cmd_run(args):
    cli = Path(args.cli).resolve()
    done = {(r["set"], r["seed"], r["variant"], r["horizon"]) for r in load(args.results)}
    variants = args.variants.split(",")
    for seed in seeds_of(args.seeds):
        for data_set in args.sets.split(","):
            for variant in variants:
                key = (data_set, seed, variant, args.horizon)
                if key in done:
                    continue
                r = run_one(cli, data_set, seed, variant, args.horizon)
                with args.results.open("a") as f:
                    f.write(json.dumps(r) + "\n")
                best = r["progress"][-1][1] if r["progress"] else float("nan")
                print(f"{data_set} seed {seed:2} {variant:15} {best:8.3f}%  {r['cpu_s']:7.1f} s cpu",
                      flush=True)


def best_at(progress, layouts):
    grades = [g for n, g in progress if n <= layouts]
    return max(grades) if grades else 0.0


def median(xs):
    xs = sorted(xs)
    n = len(xs)
    return (xs[n // 2] + xs[(n - 1) // 2]) / 2


def at_checkpoint(runs, layouts):
    """Per seed, the longest of its runs that reached `layouts` (a run of 5,000,000 layouts
    also gives the figures after 1,000,000)."""
    longest = {}
    for r in runs:
        key = (r["set"], r["variant"], r["seed"])
        if r["horizon"] >= layouts and (key not in longest or r["horizon"] > longest[key]["horizon"]):
            longest[key] = r
    return list(longest.values())


def cmd_report(args):
    runs = load(args.results)
    checkpoints = [int(c) for c in args.checkpoints.split(",")]
    lines = []
    for data_set in SETS:
        mine = [r for r in runs if r["set"] == data_set]
        if not mine:
            continue
        top = max(mine, key=lambda r: (best_at(r["progress"], r["horizon"]), -r["seed"]))
        best = best_at(top["progress"], top["horizon"])
        first = next(n for n, g in top["progress"] if g == best)
        lines.append(f"**{data_set}**: best grade found {best:.3f}%, by `{top['command']}` "
                     f"(after {first:,} layouts).\n")
        lines.append("| variant | seeds | layouts | median | lowest | highest | "
                     f"seeds within 0.05 of {best:.3f}% | CPU s per 1M layouts |")
        lines.append("|---|---|---|---|---|---|---|---|")
        for variant in VARIANTS:
            rs = [r for r in mine if r["variant"] == variant]
            if not rs:
                continue
            cpu = median([r["cpu_s"] / r["horizon"] * 1e6 for r in rs])
            for c in checkpoints:
                have = at_checkpoint(rs, c)
                if not have:
                    continue
                g = [best_at(r["progress"], c) for r in have]
                near = sum(best - x <= 0.05 + 1e-9 for x in g)
                lines.append(f"| {variant} | {len(have)} | {c:,} | {median(g):.3f}% | {min(g):.3f}% "
                             f"| {max(g):.3f}% | {near} of {len(have)} | {cpu:.1f} |")
        lines.append("")
    print("\n".join(lines))
    if args.plot:
        plot(runs, args.plot)


def plot(runs, path):
    import matplotlib
    matplotlib.use("Agg")
    import matplotlib.pyplot as plt

    sets = [s for s in SETS if any(r["set"] == s for r in runs)]
    # Top row: the whole range; bottom row: the last few points below the best grade found.
    fig, axes = plt.subplots(2, len(sets), figsize=(6 * len(sets), 8), squeeze=False)
    colours = {"ACO": "tab:grey", "--polish=swaps": "tab:blue", "--polish": "tab:red"}
    for col, data_set in enumerate(sets):
        mine = [r for r in runs if r["set"] == data_set]
        horizon = max(r["horizon"] for r in mine)
        best = max(best_at(r["progress"], r["horizon"]) for r in mine)
        xs = sorted({int(round(10 ** (k / 20))) for k in range(40, 20 * 7 + 1)
                     if 10 ** (k / 20) <= horizon * 1.0001})
        for row, ax in enumerate(axes[:, col]):
            for variant in VARIANTS:
                rs = at_checkpoint([r for r in mine if r["variant"] == variant], 0)
                if not rs:
                    continue
                # Up to each layout count, the seeds whose runs went that far.
                vx = [x for x in xs if any(r["horizon"] >= x for r in rs)]
                ys = [[best_at(r["progress"], x) for r in rs if r["horizon"] >= x] for x in vx]
                ax.fill_between(vx, [min(y) for y in ys], [max(y) for y in ys],
                                step="post", alpha=0.2, color=colours[variant])
                seeds = f"{len(ys[0])} seeds" if len(ys[0]) == len(ys[-1]) else \
                    f"{len(ys[0])} seeds ({len(ys[-1])} to {max(r['horizon'] for r in rs):,} layouts)"
                ax.step(vx, [median(y) for y in ys], where="post", color=colours[variant],
                        label=f"{variant}: median of {seeds}, band: lowest to highest")
            ax.set_xscale("log")
            ax.set_xlabel("layouts")
            ax.set_ylabel("best grade so far (%)")
            if row == 0:
                ax.set_title(f"data/{data_set}")
            else:
                ax.set_ylim(best - 3, best + 0.3)
                ax.axhline(best - 0.05, color="black", linewidth=0.8, linestyle=":")
                ax.set_title(f"data/{data_set}, near the best grade found ({best:.3f}%; "
                             "dotted: 0.05 below)", fontsize=10)
            ax.grid(True, which="both", alpha=0.3)
            ax.legend(loc="lower right", fontsize=8)
    fig.tight_layout()
    fig.savefig(path, dpi=100)


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--results", type=Path, default=ROOT / "docs" / "search-quality.jsonl")
    sub = p.add_subparsers(dest="command", required=True)
    r = sub.add_parser("run")
    r.add_argument("--cli", default=str(ROOT / "build" / "bin" / "antkeys-cli"))
    r.add_argument("--seeds", default="1-20")
    r.add_argument("--sets", default=",".join(SETS))
    r.add_argument("--variants", default=",".join(VARIANTS))
    r.add_argument("--horizon", type=int, default=5_000_000)
    r.set_defaults(func=cmd_run)
    q = sub.add_parser("report")
    q.add_argument("--checkpoints", default="200000,1000000,5000000")
    q.add_argument("--plot", default=str(ROOT / "docs" / "search-quality.png"))
    q.set_defaults(func=cmd_report)
    args = p.parse_args()
    args.func(args)


if __name__ == "__main__":
    sys.exit(main())
