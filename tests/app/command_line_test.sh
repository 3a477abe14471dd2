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
ends() {  # status, a word of the one line on stderr, arguments...; nothing on stdout
    : >"$out"
    "${tervik[@]}" "${@:3}" >"${to:-$out}" 2>"$err"
    [ $? -eq "$1" ] && [ "$(wc -l <"$err")" -eq 1 ] && [ ! -s "$out" ] && grep -qF -- "$2" "$err"
}

"${tervik[@]}" --csv bisector --lambda -5 --model 20 >"$out"
check "bisector exits 0 with 241 rows" [ $? -eq 0 -a "$(grep -c '^[0-9]' "$out")" -eq 241 ]
check "bisector: the context first, with the models and k" grep -qx '# Mediatriz x = 0.5 m · λ = -5 µC/m · integral exacta sobre el segmento de 1 m y 20 cargas puntuales Q/20 en los centros de 20 elementos iguales · Q = λ·1 m · k = 9·10⁹ N·m²/C²' <(head -1 "$out")
check "bisector: the header names N" grep -q '^s (m),|E| exacto (V/m),|E| cargas puntuales N=20' <(sed -n 2p "$out")
check "bisector: point decimals, 10 digits" grep -qx '0.001,89999820,302045.8412,90000000,4.5e+10,-621698.0651,-383834.7994,-45000000' <(sed -n 3p "$out")
"${tervik[@]}" -platform offscreen --csv convergence --point 0.6,0.4 >"$out"
check "convergence, with Qt's -platform: N = 5" grep -qx '5,0.005049542443,0.003060116078' "$out"
check "convergence: the models and k first" grep -q '^# Convergencia en x = 0.6 m y = 0.4 m · λ = 1 µC/m · N cargas puntuales Q/N en los centros de N elementos iguales frente a la integral exacta sobre el segmento de 1 m · Q = λ·1 m · k = 9·10⁹ N·m²/C² · pendiente' <(head -1 "$out")
"${tervik[@]}" --csv convergence --point 1e20,0 >"$out"
check "convergence far away on the axis: status 0, 200 rows" [ $? -eq 0 -a "$(grep -c '^[0-9]' "$out")" -eq 200 ]
# V = 9000·ln((r1 + r2 + 1)/(r1 + r2 − 1)) V at 1 µC/m; in the profile view
# (0.5, r) with R = √(0.25 + r²): V = 9000·ln((R + 0.5)/(R − 0.5)), |E| = 9000/(r·R).
"${tervik[@]}" --csv grid --model 0 --zoom 50 >"$out"
check "grid, exact front at 50 %: V 4004.1 at the first arrow" grep -q '^-0.14,2.14,.*,4004.1' <(sed -n 2p "$out")
"${tervik[@]}" --csv grid --view perfil >"$out"
check "grid, profile: |E| 7094.1 and V 8115.5 along the radius" grep -qx -- '-0.07,1.07,-463.11[0-9]*,7078.98[0-9]*,7094.11[0-9]*,8115.51[0-9]*' <(sed -n 2p "$out")
"${tervik[@]}" --help >"$out"
check "help lists the options" grep -q -- '--point <X,Y>' "$out"
check "help speaks Spanish, Qt's parts too" grep -q '^Uso: .*\[opciones\]' "$out"
check "help has no English line" [ "$(grep -c 'Displays' "$out")" -eq 0 ]

while IFS='|' read -r status word arguments; do
    eval "words=($arguments)"
    check "$arguments: status $status naming $word" ends "$status" "$word" "${words[@]}"
done <<'CASES'
2|«--foo»|--csv bisector --foo
2|de --csv|--csv
2|de --csv|--csv --lambda 5
2|«extra»|--csv bisector extra
2|«extra»|extra
2|«»|--csv ""
2|«other»|--csv other
2|«2»|--csv bisector --lambda 2
2|«7»|--csv bisector --model 7
2|«0.6»|--csv convergence --point 0.6
2|«nan,0»|--csv convergence --point nan,0
2|«inf,1»|--csv convergence --point inf,1
2|0.5,0|--csv convergence --point 0.5,0
2|--csv|--model 5
2|«0»|--csv bisector --model 0
2|«1»|--csv grid --zoom 1
2|«lado»|--csv grid --view lado
1|platform offscreen|
1|«:78»|-display :78
CASES
to=/dev/full check "output to a full device: status 3 and why" ends 3 "escribir" --csv bisector
tervik=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=es_ES.UTF-8 DISPLAY=:77 "$1")
check "a display no server answers: status 1, one line naming it" ends 1 "«:77»"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
