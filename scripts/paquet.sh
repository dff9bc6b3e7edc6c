#!/usr/bin/env bash
# Builds the Debian package of Tessor in build-paquet/ (Release, the program and its documents
# only), validates the desktop entry and the AppStream description as installed, checks what the
# package holds, that it depends on the Qt 6 runtime and that the program in it starts, and has
# lintian check it: any error or warning fails.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
construction="$racine/build-paquet"
id=org.example.Tessor
bash "$racine/scripts/dependances.sh"

cmake -S "$racine" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DTESSOR_TESTS=OFF \
    >/dev/null
cmake --build "$construction" -j"$(nproc)" --target tessor tessor_documents

racine_temp=$(mktemp -d)
trap 'rm -rf "$racine_temp"' EXIT
cmake --install "$construction" --prefix "$racine_temp/installe/usr" >/dev/null
desktop-file-validate "$racine_temp/installe/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$racine_temp/installe/usr/share/metainfo/$id.metainfo.xml"

rm -f "$construction"/tessor_*.deb
# The files of the package take the time of the last commit, so that rebuilding the same sources
# gives the same package.
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git -C "$racine" log -1 --format=%ct 2>/dev/null ||
    date +%s)}
(cd "$construction" && cpack -G DEB >/dev/null)
paquet=$(ls "$construction"/tessor_*.deb)
extrait="$racine_temp/extrait"
dpkg -x "$paquet" "$extrait"

attendus=(usr/games/tessor "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml"
          usr/share/man/man6/tessor.6.gz usr/share/doc/tessor/copyright
          usr/share/doc/tessor/changelog.gz)
for cote in 16 32 48 64 128 256; do
    attendus+=("usr/share/icons/hicolor/${cote}x${cote}/apps/tessor.png")
done
for fichier in "${attendus[@]}"; do
    [ -s "$extrait/$fichier" ] || { echo "absent du paquet : $fichier" >&2; exit 1; }
done

dependances=$(dpkg-deb -f "$paquet" Depends)
for bibliotheque in libqt6core6 libqt6gui6 libqt6widgets6; do
    grep -q "$bibliotheque" <<<"$dependances" ||
        { echo "dépendance absente : $bibliotheque" >&2; exit 1; }
done
# Nothing runs at installation: the control part holds only the description and the checksums.
controle=$(dpkg-deb --ctrl-tarfile "$paquet" | tar -t | sort | tr '\n' ' ')
[ "$controle" = "./control ./md5sums " ] || { echo "contrôle inattendu : $controle" >&2; exit 1; }

# The packaged program starts and keeps running (until the time limit stops it).
statut=0
QT_QPA_PLATFORM=offscreen timeout 3 "$extrait/usr/games/tessor" 2>/dev/null || statut=$?
[ "$statut" -eq 124 ] || { echo "le programme du paquet s'est arrêté (code $statut)" >&2; exit 1; }

lintian --fail-on error,warning "$paquet" ||
    { echo "lintian refuse le paquet" >&2; exit 1; }

echo "Paquet : $paquet"
echo "Dépend de : $dependances"
