# The libFuzzer targets, shared by scripts/test (a few seconds each) and
# scripts/fuzz (a campaign). Sourced after common.sh, never run.

TAVRIX_FUZZ_BUILD=$TAVRIX_BUILD/fuzz

# The target of each fuzz/<name>_fuzz.cpp: <name>_fuzzer, one a line.
fuzz_targets() {
  local source name
  for source in "$TAVRIX_ROOT"/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    echo "${name%_fuzz}_fuzzer"
  done
}

# Builds every target with clang into build/fuzz; its output goes to LOG.
build_fuzz_targets() {
  local log=$1 targets
  mapfile -t targets < <(fuzz_targets)
  { CC=clang CXX=clang++ cmake -S "$TAVRIX_ROOT" -B "$TAVRIX_FUZZ_BUILD" -DTAVRIX_FUZZ=ON -DCMAKE_BUILD_TYPE=Release &&
    cmake --build "$TAVRIX_FUZZ_BUILD" -j "$TAVRIX_JOBS" --target "${targets[@]}"; } </dev/null >"$log" 2>&1
}

# Adds the seeds of target NAME to corpus folder DIR (fuzz/corpus/NAME, and
# for the record loader a new macro file the tool makes).
seed_fuzz_corpus() {
  local name=$1 dir=$2
  mkdir -p "$dir"
  [[ -d $TAVRIX_ROOT/fuzz/corpus/$name ]] && cp -n "$TAVRIX_ROOT/fuzz/corpus/$name"/* "$dir"/
  if [[ $name == record_loader && -x $TAVRIX_NATIVE_BUILD/app/tavrix/tavrix && ! -e $dir/NEW.TVX ]]; then
    "$TAVRIX_NATIVE_BUILD/app/tavrix/tavrix" new "$dir/NEW.TVX" >/dev/null 2>&1
    rm -f "$dir/NEW.TVS"
  fi
  return 0
}

# The options every run of target NAME takes. The longest input is what the
# target needs: two macro records and a cut-off one for the record loader
# and the key-swap target (whose file may be a macro file), just past a
# macro text's 5000 characters for the capture stream and the macro text,
# a settings file several times the program's own for the configuration.
fuzz_options() {
  local name=$1 length=12000
  case $name in
    capture_stream|macro_text) length=6000 ;;
    configuration) length=4096 ;;
  esac
  echo "-max_len=$length -rss_limit_mb=1024"
  [[ -f $TAVRIX_ROOT/fuzz/$name.dict ]] && echo "-dict=$TAVRIX_ROOT/fuzz/$name.dict"
  return 0
}
