#pragma once
#include <random>

// The program's one pseudo-random generator, seeded once from the clock at start-up.
std::mt19937 &generateur();
void semer_horloge();
void semer(unsigned graine);
// Uniform on 0 .. n − 1 (0 when n ≤ 0), like the original Random(n).
int Random(int n);
