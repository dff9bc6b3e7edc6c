#!/usr/bin/env bash
# Mutation check of the Qt-free code, and of the analysis tool's sparring partners, match request
# and threads: puts one small fault at a time into a copy of the sources (a comparison turned round,
# && for ||, true for false, + 1 for - 1, ++ for --, a ! dropped), rebuilds, runs the fast suites
# and lists the faults that no suite noticed.
#
#   bash scripts/mutants.sh [motif]     # only the files whose path matches motif (a regex)
#
# MUTANTS_SUITES names the suites, in the order they run; MUTANTS_DELAI the seconds a suite may
# take (10): on a busy machine a sound suite can take longer, and a suite cut short counts as a
# mutant caught, so give it more there. MUTANTS_LIGNES ("first-last") keeps the mutants of those
# lines only, to try the faults of one new part of a long file.
#
# The work tree is never touched: everything happens in build-mutants/. The report, one line a
# mutant (tué, survivant or non compilé), goes to build-mutants/rapport.txt.
set -euo pipefail
racine=$(cd "$(dirname "$0")/.." && pwd)
travail="$racine/build-mutants"
copie="$travail/src"
construction="$travail/build"
rapport="$travail/rapport.txt"
motif=${1:-}
read -r -a suites <<<"${MUTANTS_SUITES:-test_reference test_partie test_ordinateur test_regles \
test_tour test_parties test_historique test_confort test_recherche test_analyse test_analyse_doc}"
fichiers=(game/*.cpp ai/*.cpp ai/recherche/*.cpp ai/recherche/*.h ecran/*.cpp ui/memoire.cpp
    tools/analyse/partenaire*.cpp tools/analyse/match.cpp tools/analyse/parallele.cpp)

rm -rf "$copie"
mkdir -p "$copie"
(cd "$racine" && git ls-files -z | xargs -0 cp --parents -t "$copie")
cmake -S "$copie" -B "$construction" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O1 \
    >/dev/null
construit() {
    cmake --build "$construction" -j"$(nproc)" --target "$@" >/dev/null 2>&1
}
construit "${suites[@]}"

# Builds and runs the suites one at a time, the one that kills most first: "non compilé" when
# the mutant does not build, "tué" when a suite fails or hangs, "survivant" otherwise.
juge() {
    local s
    construit "${suites[0]}" || { echo "non compilé"; return; }
    for s in "${suites[@]}"; do
        construit "$s"
        # A mutant may loop for ever or fill the memory: both count as caught.
        if ! (ulimit -v 4000000 && QT_QPA_PLATFORM=offscreen \
            XDG_CONFIG_HOME="$travail/configuration" timeout -k 5 "${MUTANTS_DELAI:-10}" \
            "$construction/tests/$s" >/dev/null 2>&1); then
            echo "tué"
            return
        fi
    done
    echo "survivant"
}

tues=0
survivants=0
: >"$rapport"
cd "$copie"
for f in $(cd "$racine" && ls "${fichiers[@]}"); do
    [[ "$f" =~ $motif ]] || continue
    cp "$f" "$f.orig"
    while read -r ligne colonne operateur texte; do
        if [[ -n "${MUTANTS_LIGNES:-}" ]] &&
            ((ligne < ${MUTANTS_LIGNES%-*} || ligne > ${MUTANTS_LIGNES#*-})); then
            continue
        fi
        perl "$racine/scripts/mutants.pl" applique "$f.orig" "$ligne" "$colonne" "$operateur" >"$f"
        nom="$f:$ligne:$colonne $( (diff "$f.orig" "$f" || true) | sed -n "s/^> *//p")"
        verdict=$(juge 2>/dev/null)
        printf '%-11s %s\n' "$verdict" "$nom" >>"$rapport"
        case $verdict in
            tué) tues=$((tues + 1)) ;;
            survivant) survivants=$((survivants + 1)) && echo "survivant   $nom" ;;
        esac
    done < <(perl "$racine/scripts/mutants.pl" liste "$f.orig")
    mv "$f.orig" "$f"
    touch "$f"
done
construit "${suites[@]}"
total=$((tues + survivants))
echo "Mutants tués : $tues sur $total ($((total > 0 ? 100 * tues / total : 0)) %), rapport : $rapport"
