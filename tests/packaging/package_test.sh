#!/usr/bin/env bash
# Builds the Debian package into a scratch folder, unpacks it into a scratch root and checks what a
# user gets: exactly the files that belong in it, Depends from the binaries, metadata that
# validates, and a packaged brackwell-cli that scores the packaged demo pool right.
#   package_test.sh CPACK CPACK_CONFIG VERSION SCRATCH
set -euo pipefail
cpack=$1 config=$2 version=$3 scratch=$4

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" --config "$config" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log" >&2
  exit 1
fi
deb="$scratch/out/brackwell_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { ls "$scratch/out" >&2; echo "FAIL: no $(basename "$deb")" >&2; exit 1; }

root="$scratch/root"
dpkg-deb -x "$deb" "$root"

# Every file, so that neither a missing one nor a stray test or bench binary goes unnoticed.
expected="./usr/bin/brackwell
./usr/bin/brackwell-cli
./usr/share/applications/brackwell.desktop
./usr/share/brackwell/BRACKWELL.HLP
./usr/share/brackwell/DEMOSET.ZIP
./usr/share/brackwell/NCAALIST.BKT
./usr/share/brackwell/QUILLON-TEMPLATE.HTM
./usr/share/brackwell/QUILLON.OBJ
./usr/share/icons/hicolor/scalable/apps/brackwell.svg
./usr/share/man/man1/brackwell-cli.1.gz
./usr/share/man/man1/brackwell.1.gz
./usr/share/metainfo/org.brackwell.brackwell.metainfo.xml"
actual=$(cd "$root" && find . ! -type d | LC_ALL=C sort)
[ "$actual" = "$expected" ] || fail "the package's files differ:
$(diff <(echo "$expected") <(echo "$actual") || true)"

for program in usr/bin/brackwell usr/bin/brackwell-cli usr/share/brackwell/QUILLON.OBJ; do
  [ -x "$root/$program" ] || fail "$program is not executable"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6widgets6 libqt6printsupport6 libzip4; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done

appstreamcli validate --no-net "$root/usr/share/metainfo/org.brackwell.brackwell.metainfo.xml" \
  >"$scratch/appstream.log" 2>&1 || fail "the metainfo does not validate: $(cat "$scratch/appstream.log")"
desktop-file-validate "$root/usr/share/applications/brackwell.desktop" || fail "the desktop entry does not validate"
for page in brackwell brackwell-cli; do
  gzip -t "$root/usr/share/man/man1/$page.1.gz" || fail "man page $page is not gzip'd"
done

demo="$scratch/demo"
mkdir -p "$demo"
(cd "$demo" && cmake -E tar xf "$root/usr/share/brackwell/DEMOSET.ZIP")
standings=$("$root/usr/bin/brackwell-cli" score --folder "$demo" | cut -f 1,3,4) \
  || fail "the packaged brackwell-cli score failed"
expected_standings=$(printf '%s\t%s\t%s\n' FileName Score MaxScore Brennan_KJ.BKS 118 118 Delgado_MV.BKS 40 40 \
  Hollis_RT.BKS 87 87 Whitfield_AL.BKS 12 12)
[ "$standings" = "$expected_standings" ] || fail "the demo standings differ:
$standings"

[ "$failures" -eq 0 ]
