#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz, seeds their corpora from the shipped data
# and runs each for a while (60 seconds by default). Fails, naming the reproducer, when a target
# finds a crash, a hang, a leak, undefined behaviour or an uncaught exception.
#   bash tools/fuzz/run.sh [--seconds N]
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=60
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N]" >&2; exit 2 ;;
  esac
done

bash scripts/install-deps.sh
# Absolute, since the targets work in scratch folders of their own.
build=$PWD/build/fuzz
targets=(ui_loader_fuzzer level_loader_fuzzer settings_fuzzer)

# Every target is instrumented for coverage and both sanitizers; the fuzz targets link libFuzzer.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVOSSMERE_FUZZ=ON -DVOSSMERE_TESTS=OFF -DVOSSMERE_SANITIZE=ON -DVOSSMERE_WERROR=ON \
  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

run_dir=$build/run
seeds=$build/seeds
rm -rf "$seeds" "$build/tmp"
mkdir -p "$build/tmp" "$build/logs" "$build/findings"
for target in "${targets[@]}"; do
  mkdir -p "$seeds/$target" "$build/corpus/$target"
done

# The UI loader: every shipped XML file.
cp "$run_dir"/*.xml "$seeds/ui_loader_fuzzer/"
# The level loader: each shipped level with one of its scenes as "scene.xml", after a NUL byte.
for level in "$run_dir"/level_*.xml; do
  for scene in $(grep -o 'file="[^"]*"' "$level" | cut -d'"' -f2 | sort -u); do
    {
      sed "s/file=\"$scene\"/file=\"scene.xml\"/" "$level"
      printf '\0'
      cat "$run_dir/$scene"
    } >"$seeds/level_loader_fuzzer/$(basename "$level" .xml)-$scene"
  done
done
# The settings file: good ones, odd ones and broken ones.
settings=('1024x768\r\n0' '1920x1080\r\n1' '800x600' '1280x720\n1 7' '' 'abc\r\n0' '0x600\n0'
  '20000x600\n1' '1024x768x2\r\n1' '1024x768junk\n1' '+800x+600\n1' '0800x0600\n0' '1e3x768\n1'
  '16384x16384\n1' '16385x768\n0' '99999999999x768\n1')
for i in "${!settings[@]}"; do
  printf "${settings[$i]}" >"$seeds/settings_fuzzer/$i"
done

# The targets' scratch folders go here, so that a crashed run leaves nothing in /tmp.
export TMPDIR=$build/tmp
export UBSAN_OPTIONS=print_stacktrace=1
failed=()
for target in "${targets[@]}"; do
  log=$build/logs/$target.log
  echo "Fuzzing $target for $seconds s (log: $log)"
  # The XML vocabulary helps the two loaders past the parser to the widgets.
  dictionary=()
  if [ "$target" != settings_fuzzer ]; then
    dictionary=(-dict="$PWD/tools/fuzz/xml.dict")
  fi
  status=0
  "$build/tools/$target" "$build/corpus/$target" "$seeds/$target" "${dictionary[@]}" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$build/findings/$target-" -print_final_stats=1 >"$log" 2>&1 || status=$?
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | sed 's/^/  /' || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    reproducer=$(grep -o 'Test unit written to .*' "$log" | sed 's/Test unit written to //' || true)
    echo "$target found a problem (exit $status); reproducer: ${reproducer:-none written}" >&2
    failed+=("$target")
  fi
done
rm -rf "$build/tmp"

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "Fuzzing found nothing in ${#targets[@]} targets, $seconds s each"
