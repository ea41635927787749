#!/usr/bin/env bash
# Compares the frame work of this tree with that of an earlier commit, in instructions per frame as
# Valgrind's callgrind counts them: unlike times, the counts do not move with the load of a shared
# machine. Usage: bench/compare.sh REV [BUILD]   (BUILD: this tree's bench build, default build/bench)
#
# Each frame benchmark runs twice under callgrind, briefly and for longer; the difference of the two
# runs' inclusive cost of GameApp::stepFrame over the difference of their calls is the steady frame,
# nearly free of the first frames that fill the glyph cache and of the frames a benchmark's set-up
# steps through (the challenge is reached by answering): expect a few per cent of scatter there.
set -euo pipefail
rev=${1:?usage: bench/compare.sh REV [BUILD]}
build=${2:-build/bench}
here=$(cd "$(dirname "$0")/.." && pwd)
command -v valgrind >/dev/null || { echo "bench/compare.sh: valgrind is missing (make deps)" >&2; exit 2; }
[ -x "$build/bench/vx-bench" ] || { echo "bench/compare.sh: no $build/bench/vx-bench (make bench)" >&2; exit 2; }

work=$(mktemp -d)
cleanup() {
    git -C "$here" worktree remove --force "$work/tree" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
git -C "$here" worktree add --detach "$work/tree" "$rev" >/dev/null 2>&1
cmake -S "$work/tree" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DVX_TESTS=OFF -DVX_BENCH=ON >/dev/null
cmake --build "$work/build" -j "$(nproc)" --target vx-bench >/dev/null

python3 - "$work" "$work/build/bench/vx-bench" "$build/bench/vx-bench" "$rev" <<'PY'
import re, subprocess, sys
work, old, new, rev = sys.argv[1:5]

def listed(binary):
    out = subprocess.run([binary, "--benchmark_list_tests"], capture_output=True, text=True).stdout
    return [name for name in out.split() if name.startswith("Frame/") and "/Bare" not in name]

def stepframe_cost(outfile):
    # callgrind's compressed names: "cfn=(id) name" once, "cfn=(id)" after; a "calls=" line is followed
    # by the line that carries the inclusive cost of those calls.
    names, calls, cost, wanted, costline = {}, 0, 0, False, False
    for line in open(outfile):
        if costline:
            cost += int(line.split()[1])
            costline = wanted = False
        elif line.startswith(("cfn=", "fn=")):
            m = re.match(r"c?fn=\((\d+)\)(?: (.*))?", line.strip())
            if m and m.group(2):
                names[m.group(1)] = m.group(2)
            wanted = line.startswith("cfn=") and m is not None and "GameApp::stepFrame" in names.get(m.group(1), "")
        elif wanted and line.startswith("calls="):
            calls += int(line.split("=")[1].split()[0])
            costline = True
    return cost, calls

def per_frame(binary, name, tag):
    points = []
    for seconds in ("0.05", "1"):
        outfile = f"{work}/{tag}-{seconds}.out"
        subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={outfile}", binary,
                        f"--benchmark_filter=^{re.escape(name)}$", f"--benchmark_min_time={seconds}"],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        points.append(stepframe_cost(outfile))
    (c1, n1), (c2, n2) = points
    return (c2 - c1) / (n2 - n1) if n2 > n1 else float("nan")

common = [name for name in listed(new) if name in set(listed(old))]
print(f"{'frame benchmark':36} {rev[:12]:>14} {'this tree':>14} {'ratio':>7}")
for i, name in enumerate(common):
    before, after = per_frame(old, name, f"old{i}"), per_frame(new, name, f"new{i}")
    print(f"{name:36} {before:14,.0f} {after:14,.0f} {after / before:7.3f}", flush=True)
PY
