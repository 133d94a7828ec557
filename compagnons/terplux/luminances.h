#pragma once
#include <QImage>

#include <utility>
#include <vector>

// A picture as the retina sees it: one luminance (or one response) per pixel.
class Luminances {
public:
    Luminances() = default;
    Luminances(int largeur, int hauteur, double valeur = 0.0);

    int largeur() const { return l_; }
    int hauteur() const { return h_; }
    double at(int x, int y) const { return v_[std::size_t(y) * l_ + x]; }
    double &at(int x, int y) { return v_[std::size_t(y) * l_ + x]; }
    // The value at a point held within the picture (the border repeats outward).
    double bornee(int x, int y) const;
    const std::vector<double> &valeurs() const { return v_; }

    std::pair<double, double> extremes() const;
    std::vector<double> ligne(int y) const;
    // Mean over a rectangle x0..x1−1, y0..y1−1.
    double moyenne(int x0, int y0, int x1, int y1) const;

    // Grey picture: lo shows black, hi white, values between on a linear scale.
    QImage image(double lo, double hi) const;

private:
    int l_ = 0;
    int h_ = 0;
    std::vector<double> v_;
};
