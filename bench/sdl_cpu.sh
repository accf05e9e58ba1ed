#!/usr/bin/env bash
# What the SDL program costs in a private X server (Xvfb), each figure the
# median of several runs: its processor time in play at 1:1 and with the
# window twice the field's size (12 s from the start of a game), on the title
# for 10 s, and from its own pacing report (VANTORIX_PACING_REPORT) the
# paint-and-present time per frame and the ticks' lateness at the 99th
# percentile. A benchmark, not a test: the figures depend on the machine.
#
#   bench/sdl_cpu.sh PROGRAM [RUNS]      (needs Xvfb and xdotool)
set -uo pipefail

program=${1:?usage: sdl_cpu.sh PROGRAM [RUNS]}
runs=${2:-3}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "sdl_cpu.sh: no $tool (Debian: xvfb xdotool)" >&2 && exit 2; }
done
here=$(cd "${0%/*}" && pwd)
source "$here/../tests/e2e/x_server.sh"

work=$(mktemp -d "${TMPDIR:-/tmp}/vantorix-sdl-cpu.XXXXXX")
xvfb_pid= pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap finish EXIT
start_x_server "$work" 1600x1100 || { echo "sdl_cpu.sh: Xvfb did not start" >&2 && exit 1; }
unset SDL_VIDEODRIVER VANTORIX_ALLOW_HEADLESS
ticks_per_second=$(getconf CLK_TCK)

cpu_ticks() { # the program's user and system time so far, in clock ticks
  local stat
  stat=$(<"/proc/$pid/stat") && stat=${stat##*) } && read -r -a f <<<"$stat" &&
    echo $((f[11] + f[12]))
}
share() { # TICKS SECONDS: per cent of one core
  awk -v t="$1" -v s="$2" -v hz="$ticks_per_second" 'BEGIN { printf "%.2f", 100 * t / hz / s }'
}
launch() { # starts the program with its pacing report; sets pid and wid
  VANTORIX_PACING_REPORT=10 "$program" 2>"$work/report" &
  pid=$!
  wid=
  for _ in $(seq 100); do
    wid=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n1) && [ -n "$wid" ] && break
    sleep 0.1
  done
  [ -n "$wid" ] || { echo "sdl_cpu.sh: no window" >&2 && exit 1; }
  xdotool windowmove --sync "$wid" 0 0 windowfocus --sync "$wid"
}
stop() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=
}
measure() { # SECONDS: the program's share of a core over that long
  local before after
  before=$(cpu_ticks)
  sleep "$1"
  after=$(cpu_ticks)
  share $((after - before)) "$1"
}
play() { # WIDTH HEIGHT: a game's first 12 s; prints "cpu paint_ms p99_ms"
  launch
  xdotool windowsize --sync "$wid" "$1" "$2"
  sleep 1
  # The menu's start, then OK on the start box.
  xdotool key --delay 100 F10 Down Return Return
  local cpu
  cpu=$(measure 12)
  local line
  line=$(grep 'pacing:' "$work/report")
  stop
  local paint p99
  paint=$(sed -E 's/.*paint mean ([0-9.]+) ms.*/\1/' <<<"$line")
  p99=$(sed -E 's/.*jitter p99 ([0-9.]+) ms.*/\1/' <<<"$line")
  echo "$cpu ${paint:-?} ${p99:-?}"
}
title() { # the title's share of a core over 10 s, once it shows
  launch
  sleep 2
  measure 10
  stop
}

median() { sort -g | awk '{ v[NR] = $1 } END { print NR ? v[int((NR + 1) / 2)] : "?" }'; }
load=$(cut -d' ' -f1-3 /proc/loadavg)
declare -a one_cpu one_paint one_p99 two_cpu two_paint two_p99 rest
for ((run = 0; run < runs; run++)); do
  read -r one_cpu[run] one_paint[run] one_p99[run] < <(play 767 500)
  read -r two_cpu[run] two_paint[run] two_p99[run] < <(play 1534 980)
  rest[run]=$(title)
done
column() { printf '%s\n' "$@" | median; }
echo "vantorix SDL program under Xvfb, median of $runs runs; load average $load before, $(cut -d' ' -f1-3 /proc/loadavg) after"
printf '%-32s %10s %10s\n' "" "1:1" "2x"
printf '%-32s %10s %10s\n' "CPU in play, % of a core" "$(column "${one_cpu[@]}")" "$(column "${two_cpu[@]}")"
printf '%-32s %10s %10s\n' "paint and present, ms per frame" "$(column "${one_paint[@]}")" "$(column "${two_paint[@]}")"
printf '%-32s %10s %10s\n' "tick lateness p99, ms" "$(column "${one_p99[@]}")" "$(column "${two_p99[@]}")"
printf '%-32s %10s\n' "CPU on the title (10 s), %" "$(column "${rest[@]}")"
