#!/usr/bin/env python3
"""Fits an Elo rating to each level from the answers of `tessor-analyse` "tournoi" requests.

    python3 tools/niveaux/elo.py reponses.jsonl... [--par-plateau]

Every game counts in both seats alike: the expected score of level a against level b is
1 / (1 + 10^((Rb - Ra) / 400)), a draw counting half a win. The ratings maximise the likelihood
of the observed scores (Newton's method), with Ordi 1 held at 1000; each interval is +- 1.96
standard errors from the inverse of the observed information. A level that won every game it
played has no such rating (the likelihood grows without end): it gets a lower bound instead, the
rating below which so clean a sweep had less than a 2.5 % chance, the others fitted without it.
Boards and movements are pooled unless --par-plateau is given; the answers of several files are
pooled.
"""
import json
import math
import sys
from collections import defaultdict


def rencontres(lignes, par_plateau):
    """(configuration, a, b) -> [score of a, games]: player 0 (a) against player 1 (b)."""
    totaux = defaultdict(lambda: [0.0, 0])
    for ligne in lignes:
        for c in json.loads(ligne)["configurations"]:
            nom = f'{c["largeur"]}x{c["hauteur"]} {"cavalier" if c["cavalier"] else "roi"}'
            for r in c["rencontres"]:
                a, b = r["niveaux"]
                if a == b:
                    continue
                n = r["victoires"] + r["defaites"] + r["nuls"]
                cle = (nom if par_plateau else "tous", a, b)
                totaux[cle][0] += r["victoires"] + r["nuls"] / 2
                totaux[cle][1] += n
    return totaux


def ajuste(paires, niveaux):
    """Newton's method on the log-likelihood; level niveaux[0] is held at 1000."""
    k = math.log(10) / 400
    r = {n: 1000.0 for n in niveaux}
    libres = niveaux[1:]
    for _ in range(100):
        g = {n: 0.0 for n in libres}
        h = {(i, j): 0.0 for i in libres for j in libres}
        for (a, b), (s, n) in paires.items():
            p = 1 / (1 + math.exp(-k * (r[a] - r[b])))
            for x, signe in ((a, 1), (b, -1)):
                if x in g:
                    g[x] += signe * k * (s - n * p)
            w = k * k * n * p * (1 - p)
            for x in (a, b):
                for y in (a, b):
                    if x in g and y in g:
                        h[(x, y)] += w if x == y else -w
        pas = resout([[h[(i, j)] for j in libres] for i in libres], [g[i] for i in libres])
        for i, n in enumerate(libres):
            r[n] += pas[i]
        if max(abs(p) for p in pas) < 1e-9:
            break
    inverse = inverse_de([[h[(i, j)] for j in libres] for i in libres])
    erreurs = {n: math.sqrt(inverse[i][i]) for i, n in enumerate(libres)}
    erreurs[niveaux[0]] = 0.0
    return r, erreurs


def sans_defaite(paires, n):
    """True when level n won every game it played."""
    gagnes = joues = 0.0
    for (a, b), (s, m) in paires.items():
        if n in (a, b):
            gagnes += s if a == n else m - s
            joues += m
    return joues > 0 and gagnes == joues


def borne_basse(paires, n, r):
    """The rating below which n's clean sweep had less than a 2.5 % chance (bisection)."""
    k = math.log(10) / 400

    def log_chance(x):
        return sum(m * -math.log1p(math.exp(-k * (x - r[b if a == n else a])))
                   for (a, b), (_, m) in paires.items() if n in (a, b))

    bas, haut = min(r.values()) - 4000, max(r.values()) + 4000
    for _ in range(100):
        milieu = (bas + haut) / 2
        if log_chance(milieu) < math.log(0.025):
            bas = milieu
        else:
            haut = milieu
    return bas


def resout(m, v):
    inv = inverse_de(m)
    return [sum(inv[i][j] * v[j] for j in range(len(v))) for i in range(len(v))]


def inverse_de(m):
    n = len(m)
    a = [list(row) + [1.0 if i == j else 0.0 for j in range(n)] for i, row in enumerate(m)]
    for c in range(n):
        p = max(range(c, n), key=lambda i: abs(a[i][c]))
        a[c], a[p] = a[p], a[c]
        d = a[c][c]
        a[c] = [x / d for x in a[c]]
        for i in range(n):
            if i != c:
                f = a[i][c]
                a[i] = [x - f * y for x, y in zip(a[i], a[c])]
    return [row[n:] for row in a]


def main():
    par_plateau = "--par-plateau" in sys.argv
    lignes = []
    for fichier in [x for x in sys.argv[1:] if not x.startswith("--")]:
        with open(fichier, encoding="utf-8") as f:
            lignes += [l for l in f if l.strip()]
    totaux = rencontres(lignes, par_plateau)
    for nom in sorted({c for c, _, _ in totaux}):
        paires = defaultdict(lambda: [0.0, 0])
        for (c, a, b), (s, n) in totaux.items():
            if c == nom:
                # a's score against b, whichever seat: b's score as player 0 is counted for b.
                paires[(a, b)][0] += s
                paires[(a, b)][1] += n
        niveaux = sorted({x for a, b in paires for x in (a, b)})
        parfaits = [n for n in niveaux if sans_defaite(paires, n)]
        autres = {p: v for p, v in paires.items() if not set(p) & set(parfaits)}
        r, e = ajuste(autres, [n for n in niveaux if n not in parfaits])
        print(nom)
        for n in niveaux:
            if n in parfaits:
                print(f"  Ordi {n}: > {borne_basse(paires, n, r):.0f} (won every game)")
            else:
                print(f"  Ordi {n}: {r[n]:.0f} ± {1.96 * e[n]:.0f}")


if __name__ == "__main__":
    main()
