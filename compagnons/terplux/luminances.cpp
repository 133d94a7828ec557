#include "compagnons/terplux/luminances.h"

#include <algorithm>
#include <cmath>

Luminances::Luminances(int largeur, int hauteur, double valeur)
    : l_(std::max(0, largeur)), h_(std::max(0, hauteur)), v_(std::size_t(l_) * h_, valeur)
{
}

double Luminances::bornee(int x, int y) const { return at(std::clamp(x, 0, l_ - 1), std::clamp(y, 0, h_ - 1)); }

std::pair<double, double> Luminances::extremes() const
{
    if (v_.empty()) return {0.0, 0.0};
    const auto [a, b] = std::minmax_element(v_.begin(), v_.end());
    return {*a, *b};
}

std::vector<double> Luminances::ligne(int y) const
{
    if (h_ == 0) return {};
    y = std::clamp(y, 0, h_ - 1);
    return std::vector<double>(v_.begin() + std::size_t(y) * l_, v_.begin() + std::size_t(y + 1) * l_);
}

double Luminances::moyenne(int x0, int y0, int x1, int y1) const
{
    double s = 0.0;
    int n = 0;
    for (int y = std::max(0, y0); y < std::min(h_, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(l_, x1); ++x) {
            s += at(x, y);
            ++n;
        }
    return n ? s / n : 0.0;
}

QImage Luminances::image(double lo, double hi) const
{
    QImage im(l_, h_, QImage::Format_RGB32);
    const double etendue = hi > lo ? hi - lo : 1.0;
    for (int y = 0; y < h_; ++y) {
        auto *rangee = reinterpret_cast<QRgb *>(im.scanLine(y));
        for (int x = 0; x < l_; ++x) {
            const int g = std::clamp(int(std::lround((at(x, y) - lo) / etendue * 255.0)), 0, 255);
            rangee[x] = qRgb(g, g, g);
        }
    }
    return im;
}
