#!/usr/bin/env bash
# Times Quillo's image conversion against jp2a on one 4000 x 3000 JPEG, in one run, the
# programs taking turns, and prints the median times and their ratio.
#   Quillo, window path: decode as the image window does, shrink to 192 x 144, convert to
#   coloured characters, write the page.        Goal: at least 1.5 times faster than jp2a.
#   Quillo, batch path: the same with the JPEG decoded only as large as 192 x 144 needs (DCT
#   scaling).                                   Goal: at least 2.5 times faster than jp2a.
#   jp2a --html --colors --width=192.
# Installs jp2a and hyperfine with apt-get (root or sudo). Usage: bench/jp2a_compare.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}

sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if ! command -v jp2a >/dev/null || ! command -v hyperfine >/dev/null; then
  sudo_if_needed apt-get update -qq
  sudo_if_needed apt-get install -y -qq jp2a hyperfine >/dev/null
fi

cmake -S . -B build >/dev/null
cmake --build build --target quillo_imagetext_cli >/dev/null
cli=build/bin/quillo_imagetext_cli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cli" make-jpeg "$work/photo.jpg" 4000 3000
ls -l "$work/photo.jpg" | awk '{print "photo: 4000 x 3000, " $5 " bytes"}'

window=("$cli" "$work/photo.jpg" "$work/window.htm")
batch=("$cli" --batch "$work/photo.jpg" "$work/batch.htm")
jp2a_cmd=(jp2a --html --colors --width=192 "--output=$work/jp2a.html" "$work/photo.jpg")

# Warm the file cache and check that every command works.
"${window[@]}" && "${batch[@]}" && "${jp2a_cmd[@]}"

python3 - "$runs" "$work" <<'PY'
import os, resource, statistics, subprocess, sys, time
runs, work = int(sys.argv[1]), sys.argv[2]
cli = "build/bin/quillo_imagetext_cli"
commands = {
    "quillo window": [cli, f"{work}/photo.jpg", f"{work}/window.htm"],
    "quillo batch": [cli, "--batch", f"{work}/photo.jpg", f"{work}/batch.htm"],
    "jp2a": ["jp2a", "--html", "--colors", "--width=192", f"--output={work}/jp2a.html",
             f"{work}/photo.jpg"],
}
times = {name: [] for name in commands}
cpu = {name: [] for name in commands}
for _ in range(runs):
    for name, cmd in commands.items():  # taking turns, so a busy moment hits all alike
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        start = time.perf_counter()
        subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
        times[name].append(time.perf_counter() - start)
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        cpu[name].append(after.ru_utime - before.ru_utime + after.ru_stime - before.ru_stime)
median = {name: statistics.median(t) for name, t in times.items()}
median_cpu = {name: statistics.median(t) for name, t in cpu.items()}
for name in commands:
    print(f"{name:14s} median {median[name] * 1000:8.1f} ms wall, "
          f"{median_cpu[name] * 1000:8.1f} ms CPU over {runs} runs")
# Wall time is the goal; CPU time says the same on a machine busy with other work.
for path, goal in (("quillo window", 1.5), ("quillo batch", 2.5)):
    ratio = median["jp2a"] / median[path]
    ratio_cpu = median_cpu["jp2a"] / median_cpu[path] if median_cpu[path] > 0 else float("nan")
    print(f"jp2a / {path}: {ratio:.2f}x wall, {ratio_cpu:.2f}x CPU (goal {goal}x)")
PY

# hyperfine's own view of the same three commands, for the record.
hyperfine --warmup 2 --runs 5 -N "${window[*]}" "${batch[*]}" "${jp2a_cmd[*]}" 2>/dev/null |
  grep -E "Benchmark|Time" || true
