#!/bin/sh
# Prints the first page of every fixed layout with tavelao-cli emite and
# turns it into the PNG pictures of this folder (60 dpi), then reads the bar
# code of FormCar back with zbarimg.
#   docs/layouts/make_pictures.sh [path/to/tavelao-cli]
set -e
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../../build/src/cli/tavelao-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" cartela 1 >/dev/null  # creates the table files
sqlite3 premios.cds "update tavelao_dados set premio1='Uma moto 0 km', premio2='Uma TV de 50 polegadas', premio3='Uma bicicleta aro 29'"
export TAVELAO_SENHA=ABCDE
print() {  # model, name, extra options
  "$cli" emite --modelo "$1" --inicial 41 --quantidade 13 --texto "$here/texto_exemplo.html" --pdf "$2.pdf" $3 >/dev/null
  pdftoppm -r 60 -png -f 1 -l 1 -singlefile "$2.pdf" "$here/$2"
}
print 1 FormCar
print 2 FormCar2
print 3 FormCar3
print 6 FormCar4a6 "--linhas 6"
print 4 FormCar4
print 12 FormCar12
print 44 Form5Dia
print 15 Form15Can
print 27 Form20Can
print 26 Form25Can
pdftoppm -r 300 -png -f 1 -l 1 -singlefile FormCar.pdf barcode
echo "bar code of card 41 on FormCar: $(zbarimg -q --raw barcode.png)"
