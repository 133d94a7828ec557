#include "common/aleatoire.h"

#include <chrono>

std::mt19937 &generateur()
{
    static std::mt19937 g(12345u);
    return g;
}

void semer_horloge()
{
    semer(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

void semer(unsigned graine) { generateur().seed(graine); }

int Random(int n)
{
    if (n <= 0) return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return d(generateur());
}
