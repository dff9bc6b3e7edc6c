// Positions from real games for the decision benchmarks, and the processor time they are timed
// by.
#pragma once

#include "game/regles.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace tessor::bench {

// A position before a move: the board, the pawn on turn and the other pawn.
struct PositionDePartie {
    Tableau tableau;
    Case moi;
    Case lui;
};

// Plays games between levels 3 and 1 (each seat in turn) on `regles` and keeps the position
// before every other move, 40 positions in all.
std::vector<PositionDePartie> positions_de_parties(const Regles& regles);

double secondes_processeur();

// Sets the counters mediane_ms and pire_ms from the decisions' times, in seconds.
void note_temps(benchmark::State& state, std::vector<double> temps);

} // namespace tessor::bench
