#!/usr/bin/env bash
# Installs the build into a fresh prefix and runs the installed programs from
# there: ordinax-cli must find its catalogue, report templates and units
# database in share/ordinax, and ordinax must start and draw the example diagram.
# Usage: install_check.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
export LC_ALL=C
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
fail() { echo "install_check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" > "$scratch/install.log" || { cat "$scratch/install.log"; fail "install failed"; }

for f in bin/ordinax bin/ordinax-cli \
         share/ordinax/ORX_LISS.MSK share/ordinax/MSK_RTF.SRC share/ordinax/UNIT.SRC share/ordinax/MSKF_REG.TXT \
         share/ordinax/help/index.html share/ordinax/help/acquisition.html \
         share/applications/ordinax.desktop share/mime/packages/ordinax.xml \
         share/icons/hicolor/scalable/apps/ordinax.svg share/icons/hicolor/48x48/apps/ordinax.png \
         share/icons/hicolor/128x128/apps/ordinax.png share/icons/hicolor/256x256/apps/ordinax.png \
         share/doc/ordinax/copyright; do
  [ -s "$prefix/$f" ] || fail "missing $f"
done
# Nothing of the data may be left beside the installed programs: the lookup must go through share/.
[ ! -e "$prefix/bin/ORX_LISS.MSK" ] || fail "data files installed beside the programs"

# Run from an unrelated folder, with a home of our own (working folders, settings).
mkdir -p "$scratch/home" "$scratch/work"
cd "$scratch/work"
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
cli=$prefix/bin/ordinax-cli

"$cli" info --factory "$source/examples/demo.orx" > info.json || fail "info failed"
grep -q '"curveCount": *2' info.json || fail "info: $(cat info.json)"

# A straight-line fit of the outdoor probe (curve 1) needs the catalogue. Reference: the
# least-squares line of the same 13 points computed here with awk from the example's JSON.
"$cli" fit --factory "$source/examples/demo.orx" --curve 1 --model LIN -o fitted.orx > fit.json || fail "fit failed"
reference=$(tr -d ' \n' < "$source/examples/demo.json" | grep -o '"title":"Sondeextérieure".*' |
  grep -o '"points":\[\[[^]]*\]\(,\[[^]]*\]\)*\]' | grep -o '\[[-0-9.]*,[-0-9.]*\]' | tr -d '[]' |
  awk -F, '{n++; sx+=$1; sy+=$2; sxx+=$1*$1; sxy+=$1*$2}
           END {b=(n*sxy-sx*sy)/(n*sxx-sx*sx); a=(sy-b*sx)/n; printf "%d %.17g %.17g", n, a, b}')
read -r n a0 a1 <<< "$reference"
[ "$n" = 13 ] || fail "reference points: $n"
got=$(tr -d ' \n' < fit.json | grep -o '"coefficients":\[[^]]*\]' | grep -o '\[.*\]' | tr -d '[]')
awk -F, -v a0="$a0" -v a1="$a1" 'function d(x, y) { return (x > y ? x - y : y - x) }
  { if (d($1, a0) > 1e-9 * (1 + d(a0, 0)) || d($2, a1) > 1e-9 * (1 + d(a1, 0))) exit 1 }' <<< "$got" ||
  fail "fit coefficients $got, expected $a0,$a1"

# The calculation report of the fitted curve reads its template from share/ordinax.
"$cli" report --factory fitted.orx --curve 1 -o report.rtf 2> report.err || { cat report.err; fail "report failed"; }
grep -q '^{\\rtf' report.rtf || fail "report is not RTF"

# The units database.
"$cli" units --factory --search "mètre" > units.json || fail "units search failed"
grep -q '"m"' units.json || fail "units: $(head -c 300 units.json)"

# The window: starts from the prefix, draws the diagram and quits on its first frame.
if ! QT_QPA_PLATFORM=offscreen ORDINAX_STARTUP_PROBE=1 timeout 60 "$prefix/bin/ordinax" \
       --settings "$scratch/ordinax.ini" --no-welcome "$source/examples/demo.orx" 2> gui.err; then
  cat gui.err; fail "ordinax did not start from the prefix"
fi
grep -q '^first paint after [0-9]* ms$' gui.err || { cat gui.err; fail "no first paint reported"; }
# The same diagram opened from the running window, as "Ouvrir..." opens it.
if ! QT_QPA_PLATFORM=offscreen ORDINAX_OPEN_PROBE=1 timeout 60 "$prefix/bin/ordinax" \
       --settings "$scratch/ordinax.ini" --no-welcome "$source/examples/demo.orx" 2> open.err; then
  cat open.err; fail "ordinax did not open the diagram from its window"
fi
grep -q '^diagram drawn after [0-9]* ms$' open.err || { cat open.err; fail "no drawn diagram reported"; }

# The MIME type: the compiled database knows the glob and the magic of the current writer.
if command -v update-mime-database > /dev/null; then
  update-mime-database "$prefix/share/mime" > /dev/null 2>&1 || fail "update-mime-database failed"
  grep -q '^50:application/x-ordinax-diagram:\*\.orx$' "$prefix/share/mime/globs2" || fail "glob not registered"
  # "ASB_02" and its zero byte, as hexadecimal bytes.
  od -An -tx1 -v "$prefix/share/mime/magic" | tr -d ' \n' | grep -q '4153425f303200' || fail "magic not registered"
fi
echo "install_check: ok"
