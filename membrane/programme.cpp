#include "membrane/programme.h"

#include <algorithm>

EtapeProg Programme::borne(EtapeProg e)
{
    auto g = [](int32_t v) { return std::clamp<int32_t>(v, 0, 100); };
    auto c = [](int32_t v) { return std::clamp<int32_t>(v, 0, 300); };
    return {g(e.gk), g(e.gna), c(e.ki), c(e.ke), c(e.nai), c(e.nae)};
}
