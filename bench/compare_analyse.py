#!/usr/bin/env python3
"""Feeds the same random requests to two tessor-analyse builds and compares their answers byte
for byte, to check that a change to the computer player leaves every decision bit-identical.

    python3 bench/compare_analyse.py <reference tessor-analyse> <new tessor-analyse> [seed]

The requests cover mobility tables (random boards of 3 to 12 squares a side, both movements,
depths 0 to 30), moves at levels 1 to 3 with the depths levels 1 to 4 use, walls, start squares
and whole games for every pair of levels. Exit status 1 on the first differing answer.
"""
import json
import random
import subprocess
import sys


def plateau(h, largeur, hauteur):
    densite = h.random() * 0.6
    return [["#" if h.random() < densite else "." for _ in range(largeur)] for _ in range(hauteur)]


def regles(h):
    return {"largeur": h.randint(3, 12), "hauteur": h.randint(3, 12),
            "cavalier": h.random() < 0.5}


def case(h, r):
    return [h.randint(3, r["largeur"] + 2), h.randint(3, r["hauteur"] + 2)]


def avec_lignes(r, lignes, **champs):
    return dict(r, lignes=["".join(l) for l in lignes], graine=champs.pop("graine"), **champs)


def pion(h, r, lignes):
    c = case(h, r)
    lignes[c[1] - 3][c[0] - 3] = "#"
    return c


def profondeur(h, r):
    maxtaille = 2 * max(r["largeur"], r["hauteur"])
    return h.choice([0, 4, maxtaille // 2, maxtaille, h.randint(0, 30)])


def calcul_tab_dep(h):
    r = regles(h)
    lignes = plateau(h, r["largeur"], r["hauteur"])
    return avec_lignes(r, lignes, requete="calcul_tab_dep", case=case(h, r),
                       maxtaille=h.randint(0, 30), graine=0)


def dep_ordi(h):
    r = regles(h)
    lignes = plateau(h, r["largeur"], r["hauteur"])
    position, adverse = pion(h, r, lignes), pion(h, r, lignes)
    return avec_lignes(r, lignes, requete="dep_ordi", position=position,
                       position_adverse=adverse, maxtaille=profondeur(h, r),
                       niveau=h.randint(1, 3), profondeur_courant=profondeur(h, r),
                       graine=h.randrange(2**32))


def place_casenoir(h):
    r = regles(h)
    lignes = plateau(h, r["largeur"], r["hauteur"])
    adverse = pion(h, r, lignes)
    # The game starts the wall's search from the opponent's square; a request may start elsewhere.
    casenoir = adverse if h.random() < 0.5 else case(h, r)
    return avec_lignes(r, lignes, requete="place_casenoir", casenoir=casenoir,
                       reference=case(h, r), position_adverse=adverse,
                       maxtaille=profondeur(h, r), graine=h.randrange(2**32))


def place_pion_ordi(h):
    r = regles(h)
    lignes = plateau(h, r["largeur"], r["hauteur"])
    return avec_lignes(r, lignes, requete="place_pion_ordi", maxtaille=profondeur(h, r),
                       graine=h.randrange(2**32))


def partie(h):
    return dict(regles(h), requete="partie", niveaux=[h.randint(1, 4), h.randint(1, 4)],
                parties=h.randint(1, 3), graine=h.randrange(2**32))


GENRES = [(calcul_tab_dep, 4000), (dep_ordi, 4000), (place_casenoir, 2000),
          (place_pion_ordi, 1000), (partie, 1500)]


def reponses(executable, requetes):
    entree = "".join(json.dumps(r) + "\n" for r in requetes)
    sortie = subprocess.run([executable], input=entree.encode(), capture_output=True, check=True)
    return sortie.stdout.split(b"\n")[:-1]


def main():
    reference, nouveau = sys.argv[1], sys.argv[2]
    h = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 1)
    for genre, nombre in GENRES:
        requetes = [genre(h) for _ in range(nombre)]
        a, b = reponses(reference, requetes), reponses(nouveau, requetes)
        assert len(a) == len(b) == nombre
        for requete, x, y in zip(requetes, a, b):
            if x != y:
                print("différence :", json.dumps(requete), x.decode(), y.decode(), sep="\n")
                sys.exit(1)
        erreurs = sum(x.startswith(b'{"erreur"') for x in a)
        print(f"{genre.__name__}: {nombre} réponses identiques ({erreurs} erreurs)")


if __name__ == "__main__":
    main()
