#!/usr/bin/env bash
# Benchmark: the player's CPU time over 30 seconds of playing one file under Wine, read from the
# Linux side (/proc), where Wine keeps it. While a file plays the player should do one position
# query a second and nothing else.
#
#   bash bench/play_cpu.sh
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" != "--inside" ]; then
  cmake --preset win64 >/dev/null
  cmake --build --preset win64 -j2 --target TaVEL32 play_cpu_bench >/dev/null
  dir=$(mktemp -d)
  cp build/win64/TaVEL32.EXE build/win64/play_cpu_bench.exe "$dir"/
  exec bash scripts/wine-session.sh bash "$0" --inside "$dir"
fi

dir=$2
ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Per thread: Wine runs the program's own (user-interface) thread as one of the process's threads and
# the sound output of MCI in threads of its own.
thread_ticks() { for t in /proc/"$1"/task/*; do echo "$(basename "$t") $(awk '{print $14 + $15}' "$t/stat")"; done; }

/usr/lib/wine/wine64 "$dir/play_cpu_bench.exe" "Z:${dir//\//\\}" >"$dir/out.txt" 2>&1 &
for _ in $(seq 600); do
  grep -q playing "$dir/out.txt" 2>/dev/null && break
  sleep 0.1
done
pid=$(pgrep -f 'TaVEL32.EXE' | head -n 1)
[ -n "$pid" ] || { echo "the player did not start"; cat "$dir/out.txt"; exit 1; }
sleep 2
before=$(cpu_ticks "$pid")
thread_ticks "$pid" >"$dir/threads-before.txt"
sleep 30
after=$(cpu_ticks "$pid")
thread_ticks "$pid" >"$dir/threads-after.txt"
wait
ms=$(((after - before) * 1000 / ticks))
echo "per thread (ms over the 30 s; the busiest first):"
join "$dir/threads-before.txt" "$dir/threads-after.txt" 2>/dev/null |
  awk -v t="$ticks" -v main="$pid" '{d = ($3 - $2) * 1000 / t; if (d > 0) printf "  thread %s%s: %d ms\n", $1, ($1 == main ? " (the program'"'"'s own thread)" : ""), d}' |
  sort -t: -k2 -nr
echo "player CPU time over 30 s of playing: ${ms} ms ($(awk "BEGIN{printf \"%.2f\", $ms/300}")% of one core)"
