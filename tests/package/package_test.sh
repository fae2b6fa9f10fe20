#!/usr/bin/env bash
# The Debian package, made by scripts/package.sh and looked at as dpkg, a
# fresh system and lintian see it: its control fields, its files, the
# programs run from an extracted root without the build's libraries, and no
# path of the machine that built it inside.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR VERSION
set -uo pipefail
top=$1 build=$2 version=$3
failures=0
fail() { echo "FALHOU: $*"; failures=$((failures + 1)); }
expect_in() { grep -qF -- "$2" <<<"$1" || fail "$3 (falta: $2)"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

TAVELAO_BUILD_DIR=$build TAVELAO_PACKAGE_DIR=$work/out "$top/scripts/package.sh" >"$work/package.log" 2>&1 ||
  { cat "$work/package.log"; echo "FALHOU: scripts/package.sh"; exit 1; }
deb=$work/out/tavelao_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work/out"; echo "FALHOU: falta $deb"; exit 1; }

# Control fields: the libraries come from dpkg-shlibdeps.
control=$(dpkg-deb --field "$deb")
expect_in "$control" "Package: tavelao" "campo Package"
expect_in "$control" "Version: $version" "campo Version"
expect_in "$control" "Architecture: amd64" "campo Architecture"
expect_in "$control" "Maintainer: " "campo Maintainer"
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libc6 libqt6widgets6 libqt6multimedia6 libqt6httpserver6 libqt6websockets6 libsqlite3-0 \
  libssl3 libespeak-ng1 libqrencode4 qt6-translations-l10n fonts-liberation2; do
  expect_in "$depends" "$needed" "Depends sem $needed"
done

# Contents.
contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/tavelao ./usr/bin/tavelao-cli \
  ./usr/share/applications/br.com.tavelao.Tavelao.desktop \
  ./usr/share/metainfo/br.com.tavelao.Tavelao.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/tavelao.svg \
  ./usr/share/icons/hicolor/48x48/apps/tavelao.png \
  ./usr/share/icons/hicolor/128x128/apps/tavelao.png \
  ./usr/share/icons/hicolor/256x256/apps/tavelao.png \
  ./usr/share/man/man1/tavelao.1.gz ./usr/share/man/man1/tavelao-cli.1.gz \
  ./usr/share/tavelao/ajuda/index.html ./usr/share/tavelao/ajuda/img/main_window.png \
  ./usr/share/doc/tavelao/copyright ./usr/share/doc/tavelao/changelog.gz; do
  expect_in "$contents" " $file" "o pacote não tem $file"
done
grep -v " root/root " <<<"$contents" | grep -q . && fail "arquivos que não são de root/root"

root=$work/root
dpkg -x "$deb" "$root"

# Every page and picture of the help screen is there under its own name.
while IFS= read -r name; do
  [ -f "$root/usr/share/tavelao/ajuda/$name" ] || fail "manual sem $name"
done < <(sed -n 's|.*<file alias="\([^"]*\)">.*|\1|p; s|.*<file>\([^<]*\)</file>.*|\1|p' "$top/src/app/help/ajuda.qrc")

# The extracted programs run on the system's libraries alone.
cli=$root/usr/bin/tavelao-cli
run() { (cd "$work/pasta" && env -u LD_LIBRARY_PATH "$@"); }
mkdir -p "$work/pasta"
help=$(run "$cli" --help) || fail "tavelao-cli --help"
expect_in "$help" "Uso: tavelao-cli COMANDO" "tavelao-cli --help"
card=$(run "$cli" cartela 1) || fail "tavelao-cli cartela 1"
expect_in "$card" "000001-9" "tavelao-cli cartela 1"
[ -f "$work/pasta/Validadas.cds" ] || fail "tavelao-cli cartela 1 não criou as tabelas na pasta"
[ "$(run "$cli" --version)" = "tavelao-cli $version" ] || fail "tavelao-cli --version"
[ "$(run "$root/usr/bin/tavelao" --version)" = "tavelao $version" ] || fail "tavelao --version"
expect_in "$(run "$root/usr/bin/tavelao" --help)" "--pasta PASTA" "tavelao --help"
for program in tavelao tavelao-cli; do
  ldd "$root/usr/bin/$program" | grep -q "not found" && fail "$program: biblioteca não encontrada"
  readelf -d "$root/usr/bin/$program" | grep -qE "RPATH|RUNPATH" && fail "$program: RPATH no programa"
  readelf -S "$root/usr/bin/$program" | grep -q "\.debug_" && fail "$program: não foi despido"
  grep -qaF "$top" "$root/usr/bin/$program" && fail "$program guarda o caminho do código-fonte"
  grep -qaF "$build" "$root/usr/bin/$program" && fail "$program guarda o caminho da compilação"
done

# The menu entry, started as the menu starts it, works in ~/Tavelao.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/br.com.tavelao.Tavelao.desktop")
[ "$exec_line" = 'tavelao --pasta "~/Tavelao"' ] || fail "Exec do menu: $exec_line"
mkdir -p "$work/home"
(cd "$work/home" && HOME=$work/home QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/home/.config \
  timeout 5 env -u LD_LIBRARY_PATH "$root/usr/bin/tavelao" --pasta "~/Tavelao" >/dev/null 2>&1)
[ -f "$work/home/Tavelao/Validadas.cds" ] || fail "o Tavelão do menu não abriu em ~/Tavelao"

desktop-file-validate "$root/usr/share/applications/br.com.tavelao.Tavelao.desktop" | grep -i "error" && fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/br.com.tavelao.Tavelao.metainfo.xml" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log"; fail "appstreamcli validate"; }
zcat "$root/usr/share/doc/tavelao/changelog.gz" | head -1 | grep -qF "tavelao ($version)" || fail "changelog sem a versão $version"
grep -qF "<release version=\"$version\"" "$root/usr/share/metainfo/br.com.tavelao.Tavelao.metainfo.xml" ||
  fail "metainfo sem a versão $version"
for page in tavelao tavelao-cli; do
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "^$page \\\\- .*" || fail "página de manual de $page sem NAME"
  zcat "$root/usr/share/man/man1/$page.1.gz" | grep -q "??" && fail "página de manual de $page com acentos perdidos"
done

# lintian: no error.
lintian --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1
cat "$work/lintian.log"
grep -q "^E: " "$work/lintian.log" && fail "lintian encontrou erros"

echo "Pacote $(basename "$deb"): $(stat -c %s "$deb") bytes."
[ "$failures" -eq 0 ] || { echo "$failures verificações falharam."; exit 1; }
echo "Pacote conferido."
