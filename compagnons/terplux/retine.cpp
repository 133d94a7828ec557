#include "compagnons/terplux/retine.h"

#include <algorithm>
#include <cmath>

std::vector<double> Retine::noyau(double sigma)
{
    if (!(sigma > 0.0)) return {1.0};
    const int r = std::max(1, int(std::ceil(3.0 * sigma)));
    std::vector<double> k(2 * r + 1);
    double somme = 0.0;
    for (int i = -r; i <= r; ++i) somme += k[i + r] = std::exp(-0.5 * i * i / (sigma * sigma));
    for (double &w : k) w /= somme;
    return k;
}

Luminances Retine::flou(const Luminances &im, double sigma)
{
    const std::vector<double> k = noyau(sigma);
    const int r = int(k.size() / 2);
    const int l = im.largeur(), h = im.hauteur();
    Luminances horizontal(l, h), resultat(l, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            double s = 0.0;
            for (int i = -r; i <= r; ++i) s += k[i + r] * im.bornee(x + i, y);
            horizontal.at(x, y) = s;
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            double s = 0.0;
            for (int i = -r; i <= r; ++i) s += k[i + r] * horizontal.bornee(x, y + i);
            resultat.at(x, y) = s;
        }
    return resultat;
}

Luminances Retine::reponse(const Luminances &stimulus) const
{
    const Luminances centre = flou(stimulus, sigma_centre);
    const Luminances pourtour = flou(stimulus, sigma_pourtour());
    Luminances r(stimulus.largeur(), stimulus.hauteur());
    for (int y = 0; y < r.hauteur(); ++y)
        for (int x = 0; x < r.largeur(); ++x) r.at(x, y) = centre.at(x, y) - force * pourtour.at(x, y);
    return r;
}

double Retine::poids(double r) const
{
    auto gauss = [r](double s) { return std::exp(-0.5 * r * r / (s * s)) / (2.0 * M_PI * s * s); };
    return gauss(sigma_centre) - force * gauss(sigma_pourtour());
}

QImage Retine::image_champ(int cote, double echelle) const
{
    QImage im(cote, cote, QImage::Format_RGB32);
    const double pic = std::abs(poids(0.0));
    const double c = (cote - 1) / 2.0;
    for (int y = 0; y < cote; ++y)
        for (int x = 0; x < cote; ++x) {
            const double r = std::hypot(x - c, y - c) / echelle;
            // A square root brings the weak surround out beside the strong centre.
            const double w = pic > 0.0 ? poids(r) / pic : 0.0;
            const double a = std::sqrt(std::min(1.0, std::abs(w)));
            const int g = std::clamp(int(std::lround(128.0 + (w >= 0.0 ? 127.0 : -128.0) * a)), 0, 255);
            im.setPixel(x, y, qRgb(g, g, g));
        }
    return im;
}
