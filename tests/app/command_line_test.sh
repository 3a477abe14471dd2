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
check "bisector: the header names N" grep -q '^s (m),|E| exacto (V/m),|E| cargas puntuales N=20' <(sed -n 2p "$out")
check "bisector: point decimals, every digit that reads back" grep -qx '0.001,89999820.00054002,302045.8411863604,89999999.99999999,44999999999.99999,-621698.0651082572,-383834.7993866057,-44999999.99999999' <(sed -n 3p "$out")
"${tervik[@]}" -platform offscreen --csv convergence --point 0.6,0.4 >"$out"
check "convergence, with Qt's -platform: N = 5" grep -qx '5,0.005049542443225959,0.0030601160784360835' "$out"
"${tervik[@]}" --csv convergence --point 1e20,0 >"$out"
check "convergence far away on the axis: status 0, 200 rows" [ $? -eq 0 -a "$(grep -c '^[0-9]' "$out")" -eq 200 ]
# The plots of the shape --forma names: the disk's axis, the ring's geometric fall.
check "bisector of the disk: its axis, σ and Q" grep -q '^# Eje del disco · σ = 1 µC/m² · Q = 0.7853981633974483 µC · ' <("${tervik[@]}" --csv bisector --forma disco)
check "convergence of the ring: its geometric fall" grep -q ' · Anillo · .* · V cae ×10 cada ΔN ≈ 3.79 de N = 20 a 46 · ' <("${tervik[@]}" --csv convergence --forma anillo --point 0.8,0.5)
# Gauss's law: a context line, a header and one row of 18 cells, the last three
# (a cylinder's caps and side) empty for a sphere; the sweep, 100 radii from 1 cm
# to 1.5 m, or to 1.5 R past R = 1 m.
"${tervik[@]}" --csv gauss --superficie esfera --centro 0.5 --radio 0.8 >"$out"
check "gauss, sphere: status 0, three lines" [ $? -eq 0 -a "$(wc -l <"$out")" -eq 3 ]
check "gauss, sphere: header and row of 18 cells" [ "$(sed 1d "$out" | awk -F, '{print NF}' | uniq)" = 18 ]
check "gauss, sphere: its measures, no length, no caps" grep -qE '^esfera,0.5,0.8,,([^,]+,){11},,$' <(sed -n 3p "$out")
"${tervik[@]}" --csv gauss --superficie cilindro --centro=-0.25 --radio 0.3 --largo 2 --forma disco >"$out"
check "gauss, cylinder: status 0, 18 cells" [ $? -eq 0 -a "$(sed 1d "$out" | awk -F, '{print NF}' | uniq)" = 18 ]
check "gauss, cylinder: its measures, every cell filled" grep -qE '^cilindro,-0.25,0.3,2,([^,]+,){13}[^,]+$' <(sed -n 3p "$out")
# The disk lies at x = 0.5, 0.25 m inside the cap at x = 0.75 and 1.75 m from the other.
check "gauss, cylinder: the nearer cap, the larger flux" env LC_ALL=C awk -F, 'NR == 3 { exit !(0 < $16 && $16 < $17) }' "$out"
check "gauss, cylinder: the context names it and the disk" grep -q '^# Ley de Gauss · cilindro · centro x = -0.25 m · radio 0.3 m · largo 2 m · σ = 1 µC/m² · ' "$out"
"${tervik[@]}" --csv gauss --barrido >"$out"
check "gauss sweep: 100 radii from 0.01 to 1.5" [ "$(sed 1,2d "$out" | wc -l)" -eq 100 -a "$(sed -n '3p;$p' "$out" | cut -d, -f1 | tr '\n' ' ')" = "0.01 1.5 " ]
check "gauss sweep: radius, Φ and Q_enc/ε₀" grep -qx 'radio (m),Φ (V·m),Q_enc/ε₀ (V·m)' <(sed -n 2p "$out")
# A sphere round the whole segment: Φ = Q/ε₀ = 4πk·λ·1 m = 36000π V·m at 1 µC/m.
check "gauss, exact, sphere round the segment: Φ = 36000π V·m to 1e-9" env LC_ALL=C awk -F, 'NR == 3 { d = $5 / (36000 * atan2(0, -1)) - 1; exit !(-1e-9 < d && d < 1e-9) }' <("${tervik[@]}" --csv gauss --model 0 --centro 0.5 --radio 0.8)
check "gauss sweep of R = 4: to 6 m" grep -q '^6,' <("${tervik[@]}" --csv gauss --radio 4 --barrido | tail -1)
# V = 9000·ln((r1 + r2 + 1)/(r1 + r2 − 1)) V at 1 µC/m; in the profile view
# (0.5, r) with R = √(0.25 + r²): V = 9000·ln((R + 0.5)/(R − 0.5)), |E| = 9000/(r·R).
"${tervik[@]}" --csv grid --model 0 --zoom 50 >"$out"
check "grid, exact front at 50 %: V 4004.1 at the first arrow" grep -q '^-0.14,2.14,.*,4004.1' <(sed -n 3p "$out")
"${tervik[@]}" --csv grid --view perfil >"$out"
check "grid, profile: |E| 7094.1 and V 8115.5 along the radius" grep -qx -- '-0.07,1.07,-463.11[0-9]*,7078.98[0-9]*,7094.11[0-9]*,8115.51[0-9]*' <(sed -n 3p "$out")
# The grid's context line and header: what was computed, in the view's letters.
while IFS=';' read -r line text arguments; do
    check "$arguments, line $line: $text" grep -qxF -- "$text" <("${tervik[@]}" $arguments | sed -n "${line}p")
done <<'GRID'
1;# Rejilla de campo · vista frente · ampliación 100 % · λ = -5 µC/m · 20 cargas puntuales Q/20 en los centros de 20 elementos iguales · Segmento · Q = λ·1 m · k = 9·10⁹ N·m²/C²;--csv grid --lambda -5 --model 20
1;# Rejilla de campo · vista perfil · ampliación 10 % · λ = 10 µC/m · integral exacta sobre el segmento de 1 m · Segmento · Q = λ·1 m · k = 9·10⁹ N·m²/C²;--csv grid --view perfil --lambda 10 --zoom 10
1;# Rejilla de campo · vista frente · ampliación 100 % · σ = 5 µC/m² · 50 anillos concéntricos de igual anchura y carga exacta · Disco · Q = σ·π/4 m² · k = 9·10⁹ N·m²/C²;--csv grid --forma disco --lambda 5 --model 50
2;x (m),y (m),Ex (V/m),Ey (V/m),|E| (V/m),V (V);--csv grid
2;z (m),y (m),Ez (V/m),Ey (V/m),|E| (V/m),V (V);--csv grid --view perfil
GRID
for locale in es_ES.UTF-8 C.UTF-8; do
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=$locale "$1" --help >"$out"
    check "$locale: help lists the options" grep -q -- '--point <X,Y>' "$out"
    check "$locale: help speaks Spanish, Qt's parts too" grep -q '^Uso: .*\[opciones\]' "$out"
    check "$locale: help has no English line" [ "$(grep -cE 'Usage|Options|Displays' "$out")" -eq 0 ]
done

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
2|«nada»|--csv grid --forma nada
2|acompañan a --csv|--forma anillo
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
2|--csv aparece dos veces|--csv bisector --csv grid
2|--lambda aparece dos veces|--csv grid --lambda 1 --lambda=5
2|--help aparece dos veces|-h --help
2|--zoom no se aplica a --csv bisector|--csv bisector --zoom 50
2|--view no se aplica a --csv convergence|--csv convergence --view frente
2|--point no se aplica a --csv grid|--csv grid --point 0.6,0.4
2|--model no se aplica a --csv convergence|--csv convergence --model 5
2|--model no se aplica a --view perfil|--csv grid --view perfil --model 10
2|«-1»|--csv gauss --radio -1
2|«10.5»|--csv gauss --radio 10.5
2|«cubo»|--csv gauss --superficie cubo
2|«abc»|--csv gauss --centro abc
2|«nan»|--csv gauss --radio nan
2|«0,001»|--csv gauss --centro 0,001
2|«0»|--csv gauss --superficie cilindro --largo 0
2|--largo no se aplica a --superficie esfera|--csv gauss --largo 2
2|--barrido no se aplica a --csv grid|--csv grid --barrido
2|«--barrido=1»|--csv gauss --barrido=1
1|platform offscreen|
1|«:78»|-display :78
CASES
to=/dev/full check "output to a full device: status 3 and why" ends 3 "escribir" --csv bisector
# A reader that has gone before the first line: the program ends quietly.
for arguments in "--csv grid" "--help"; do
    exec {gone}> >(:)
    wait $!
    "${tervik[@]}" $arguments >&"$gone" 2>"$err"
    check "$arguments to a pipe nobody reads: status 0, nothing said" [ $? -eq 0 -a ! -s "$err" ]
    exec {gone}>&-
done
# A display number no X server on this machine holds, counting up from 77.
dead=77
while [ -e "/tmp/.X$dead-lock" ] || [ -e "/tmp/.X11-unix/X$dead" ]; do dead=$((dead + 1)); done
tervik=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=es_ES.UTF-8 DISPLAY=:$dead "$1")
check "a display no server answers: status 1, one line naming it" ends 1 "«:$dead»"
runtime="$(mktemp -d)"
trap 'rm -rf "$out" "$err" "$runtime"' EXIT
wayland=(env -u DISPLAY -u QT_QPA_PLATFORM LC_ALL=es_ES.UTF-8 XDG_RUNTIME_DIR="$runtime")
tervik=("${wayland[@]}" WAYLAND_DISPLAY=wayland-9 "$1")
check "a Wayland display nothing answers: status 1, one line naming it" ends 1 "Wayland «wayland-9»"
# A compositor that answers, but Qt's Wayland plugin is not installed (with
# it, Qt would wait for this mute one).
if ! ls "$(qtpaths6 --query QT_INSTALL_PLUGINS)"/platforms/libqwayland* >/dev/null 2>&1; then
    coproc listener { exec python3 -c 'import socket, sys, time
s = socket.socket(socket.AF_UNIX)
s.bind(sys.argv[1])
s.listen()
print("listening", flush=True)
time.sleep(60)' "$runtime/wayland-1"; }
    read -r _ <&"${listener[0]}"
    tervik=("${wayland[@]}" WAYLAND_DISPLAY=wayland-1 "$1")
    check "a Wayland display without Qt's plugin: status 1, one line saying so" ends 1 "módulo Wayland de Qt"
    kill "$listener_PID"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
