#!/usr/bin/env bash
# Runs the fuzz targets of the page's JSON arguments (Tests/Fuzz/) with libFuzzer, on the
# add-on built with libFuzzer's coverage (the "fuzz" preset, build-fuzz/).
#
#   Tools/fuzz.sh [--time SECONDS] [--jobs N] [--api 28|27] [TARGET...]
#       a long run: each target (default: all of create-materials, paint-element, resize) for
#       SECONDS (default 600) in N processes (default 1). New inputs grow a scratch corpus in
#       build-fuzz/corpus/TARGET, which starts from Tests/Fuzz/corpus/TARGET; findings go to
#       build-fuzz/findings/TARGET/.
#   Tools/fuzz.sh --check
#       the short run of Tools/test.sh: every target on both add-on builds for a fixed number
#       of runs with a fixed seed, from the corpus alone; deterministic.
#
# A finding is a crash, a leak or an outcome the host rejects (the target prints "FINDING:").
# Mutated inputs stay within 4096 bytes; the corpus replay (ctest) feeds its larger files whole.
# Replay one with build-fuzz/fuzz-TARGET --addon=FILE INPUT. Once fixed, its input goes into
# Tests/Fuzz/corpus/TARGET/, where every ctest run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=()
seconds=600
jobs=1
apis=(28)
check=false
while [ $# -gt 0 ]; do
    case "$1" in
        --time) seconds="$2"; shift 2 ;;
        --jobs) jobs="$2"; shift 2 ;;
        --api) apis=("$2"); shift 2 ;;
        --check) check=true; apis=(28 27); shift ;;
        -h|--help) sed -n '2,18p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        create-materials|paint-element|resize) targets+=("$1"); shift ;;
        *) echo "fuzz.sh: unknown argument $1 (see --help)" >&2; exit 2 ;;
    esac
done
[ ${#targets[@]} -gt 0 ] || targets=(create-materials paint-element resize)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)" >/dev/null

# runs per target and add-on build in the check: about 30 s of fuzzing in all on two cores
declare -A check_runs=([create-materials]=8000 [paint-element]=10000 [resize]=8000)

# The same runs every time also need the same addresses, since the comparisons that steer
# libFuzzer's mutations see pointers too, and no rereading of the corpus folder (-reload=0),
# which goes by the clock.
fixed_addresses=(setarch "$(uname -m)" -R)
"${fixed_addresses[@]}" true 2>/dev/null || { echo "fuzz.sh: cannot turn off address randomisation; runs may differ" >&2; fixed_addresses=(); }

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

for target in "${targets[@]}"; do
    for api in "${apis[@]}"; do
        addon="$PWD/build-fuzz/api$api/VirelPalette.apx"
        findings="build-fuzz/findings/$target"
        mkdir -p "$findings"
        if $check; then
            # a copy of the corpus: libFuzzer adds the inputs it finds to its first folder
            scratch="$(mktemp -d)"
            trap 'rm -rf "$scratch"' EXIT
            cp Tests/Fuzz/corpus/"$target"/* "$scratch"/
            echo "== fuzz-$target on API $api: ${check_runs[$target]} runs, seed 1"
            if ! "${fixed_addresses[@]}" build-fuzz/fuzz-"$target" --addon="$addon" -runs="${check_runs[$target]}" -seed=1 -reload=0 -max_len=4096 \
                    -artifact_prefix="$findings/" -print_final_stats=1 "$scratch" >"$findings/check-api$api.log" 2>&1; then
                grep -a -E "FINDING|ERROR|SUMMARY|Test unit written" "$findings/check-api$api.log" >&2 || tail -20 "$findings/check-api$api.log" >&2
                exit 1
            fi
            grep -a -E "DONE" "$findings/check-api$api.log" | head -1
            rm -rf "$scratch"
            trap - EXIT
        else
            corpus="build-fuzz/corpus/$target"
            mkdir -p "$corpus"
            echo "== fuzz-$target on API $api for $seconds s in $jobs process(es); corpus $corpus, findings $findings/"
            parallel=()
            [ "$jobs" -le 1 ] || parallel=(-fork="$jobs")
            status=0
            build-fuzz/fuzz-"$target" --addon="$addon" -max_total_time="$seconds" -max_len=4096 "${parallel[@]}" \
                -artifact_prefix="$findings/" "$corpus" Tests/Fuzz/corpus/"$target" || status=$?
            echo "== $(ls "$corpus" | wc -l) inputs in $corpus. To keep those that reach new code:"
            echo "   build-fuzz/fuzz-$target --addon=$addon -merge=1 Tests/Fuzz/corpus/$target $corpus"
            [ $status -eq 0 ] || { echo "== fuzz-$target found something: see $findings/" >&2; exit $status; }
        fi
    done
done
