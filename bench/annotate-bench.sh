#!/usr/bin/env bash
# Timestamps by the thousand: tickwright-cli annotate against the tools that
# Debian packages and people use for the job, on the same generated logs, in
# one interleaved run (every round runs every command once, so a busy moment
# of the machine falls on all of them), from the page cache, output to
# /dev/null; the median of the rounds is reported.
#   bench/annotate-bench.sh CLI [SPARSE_MIB] [DENSE_NUMBERS] [ROUNDS]
# Sparse: SPARSE_MIB of log lines of about 100 bytes, about one epoch number
# each (s, ms, us, ns mixed) among numbers that must not be taken, against a
# perl -pe one-liner with localtime, gawk with strftime, Python's re.sub with
# datetime, and wc -l (the speed of merely reading the file). Dense: epoch
# seconds one per line, against GNU date -f (given a tenth as many, it is
# slow). Peak memory: the sparse log, and the same bytes as one line.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/packages.sh
ensure_packages g++ gawk perl python3 coreutils
cli=$(realpath "$1")
mib=${2:-256}
dense=${3:-20000000}
rounds=${4:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

g++ -O2 -std=c++20 bench/MakeLogs.cpp -o "$work/make-logs"
g++ -O2 -std=c++20 bench/Measure.cpp -o "$work/measure"
"$work/make-logs" sparse $((mib << 20)) >"$work/sparse.log"
"$work/make-logs" line $((mib << 20)) >"$work/line.log"
"$work/make-logs" dense "$dense" >"$work/dense.log"
"$work/make-logs" dates $((dense / 10)) >"$work/dates.log"
export TZ=Asia/Shanghai

# The peers' one-liners: a ten-digit number standing alone, followed by its
# local date and time.
perl_script='s/(?<![\w.])(\d{10})(?![\w.])/"$1 [".localtime($1)."]"/ge'
gawk_script='{ out = ""; while (match($0, /(^|[^0-9A-Za-z_.])[0-9]{10}([^0-9A-Za-z_.]|$)/)) {
  start = RSTART + (substr($0, RSTART, 1) ~ /[0-9]/ ? 0 : 1); n = substr($0, start, 10);
  out = out substr($0, 1, start + 9) " [" strftime("%Y-%m-%d %H:%M:%S", n) "]";
  $0 = substr($0, start + 10) } print out $0 }'
python_script='import re, sys, datetime
pattern = re.compile(rb"(?<![\w.])(\d{10})(?![\w.])")
def annotate(m):
    t = datetime.datetime.fromtimestamp(int(m.group(1)))
    return m.group(1) + b" [" + t.strftime("%Y-%m-%d %H:%M:%S").encode() + b"]"
out = sys.stdout.buffer
for line in sys.stdin.buffer:
    out.write(pattern.sub(annotate, line))'

declare -A runs
names=(tickwright perl gawk python wc dense date rss-file rss-line)
run() {  # NAME INPUT COMMAND...
    local name=$1 input=$2
    shift 2
    runs[$name]+="$("$work/measure" "$input" "$@")"$'\n'
}
for round in $(seq 1 "$rounds"); do
    echo "round $round of $rounds" >&2
    run tickwright "$work/sparse.log" "$cli" annotate --zone UTC+08H
    run perl "$work/sparse.log" perl -pe "$perl_script"
    run gawk "$work/sparse.log" gawk "$gawk_script"
    run python "$work/sparse.log" python3 -c "$python_script"
    run wc "$work/sparse.log" wc -l
    run dense "$work/dense.log" "$cli" annotate --zone UTC+08H
    run date "$work/dates.log" date -f -
    run rss-line "$work/line.log" "$cli" annotate --zone UTC+08H
done
median() {  # NAME FIELD: the median of that field over the rounds
    printf '%s' "${runs[$1]}" | awk -v f="$2" 'NF { print $f }' | sort -g |
        awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
bytes=$(stat -c %s "$work/sparse.log")
rate() { awk -v b="$bytes" -v s="$(median "$1" 1)" 'BEGIN { printf "%.0f", b / s / 1048576 }'; }
fastest=0
for peer in perl gawk python; do
    r=$(rate "$peer")
    [ "$r" -gt "$fastest" ] && fastest=$r
done
ours=$(rate tickwright)
numbers_ours=$(awk -v n="$dense" -v s="$(median dense 1)" 'BEGIN { printf "%.1f", n / s / 1e6 }')
numbers_date=$(awk -v n="$((dense / 10))" -v s="$(median date 1)" 'BEGIN { printf "%.2f", n / s / 1e6 }')

printf '\nAnnotating timestamps, %s MiB of sparse log (%s bytes), %s rounds, medians:\n' "$mib" "$bytes" "$rounds"
printf '  %-26s %8s MiB/s\n' "tickwright-cli annotate" "$ours" "perl -pe (localtime)" "$(rate perl)" \
    "gawk (strftime)" "$(rate gawk)" "python3 re.sub (datetime)" "$(rate python)" "wc -l" "$(rate wc)"
printf '  %-26s %8s   (target: at least 1024 MiB/s)\n' "tickwright" "$ours"
awk -v o="$ours" -v f="$fastest" -v w="$(rate wc)" 'BEGIN {
    printf "  %-26s %8.1fx  (target: at least 10x)\n", "vs the fastest peer", o / f
    printf "  %-26s %8.2fx  (target: at least 0.3x)\n", "vs wc -l", o / w }'
printf '\nDense, one number a line:\n'
printf '  %-26s %8s M numbers/s  (target: at least 20)\n' "tickwright-cli annotate" "$numbers_ours"
printf '  %-26s %8s M numbers/s\n' "date -f" "$numbers_date"
awk -v o="$numbers_ours" -v d="$numbers_date" 'BEGIN {
    printf "  %-26s %8.1fx  (target: at least 10x)\n", "vs date -f", o / d }'
printf '\nPeak memory of tickwright-cli annotate (target: at most 16384 KiB):\n'
printf '  %-26s %8s KiB\n' "the sparse log" "$(median tickwright 2)" "one line of $mib MiB" "$(median rss-line 2)"
