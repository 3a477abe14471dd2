#!/usr/bin/env bash
# The command line as scripts use it, with no display at all.
#   command_line_test.sh PATH-TO-TERVIK
set -uo pipefail
tervik=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=es_ES.UTF-8 "$1")
passed=0 failed=0
check() {  # description, then the command that must succeed
    if "${@:2}"; then passed=$((passed + 1)); else failed=$((failed + 1)) && echo "FAILED: $1"; fi
}
out="$(mktemp)" err="$(mktemp)"
trap 'rm -f "$out" "$err"' EXIT

"${tervik[@]}" --csv bisector --lambda -5 --model 20 >"$out"
check "bisector exits 0" [ $? -eq 0 ]
check "bisector: the context, a header and 241 rows" [ "$(wc -l <"$out")" -eq 243 ]
check "bisector: the context" grep -qx '# Mediatriz x = 0.5 m · λ = -5 µC/m · N = 20 cargas puntuales' <(head -1 "$out")
check "bisector: the header names N" grep -q '^s (m),|E| exacto (V/m),|E| cargas puntuales N=20' "$out"
check "bisector: point decimals, 10 digits" grep -qx '0.001,89999820,302045.8412,90000000,4.5e+10,-621698.0651,-383834.7994,-45000000' <(sed -n 3p "$out")
"${tervik[@]}" --csv convergence --point 0.6,0.4 >"$out"
check "convergence: N = 5" grep -qx '5,0.005049542443,0.003060116078' "$out"
for bad in "--csv other" "--csv bisector --lambda 2" "--csv bisector --model 7" \
           "--csv convergence --point 0.6" "--csv convergence --point 0.5,0" "--model 5"; do
    "${tervik[@]}" $bad >"$out" 2>"$err"
    status=$?
    check "$bad: status 2, one line on stderr, nothing on stdout" \
        [ $status -eq 2 -a "$(wc -l <"$err")" -eq 1 -a ! -s "$out" ]
done
"${tervik[@]}" --help >"$out"
check "help lists the options" grep -q -- '--point <X,Y>' "$out"
"${tervik[@]}" >"$out" 2>"$err"
check "no display: status 1 and how to run" [ $? -eq 1 ] && grep -q 'platform offscreen' "$err"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
