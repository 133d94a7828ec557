#pragma once
#include <QImage>

// The pictures of the membrane page: ion symbols and force arrows.
QImage image_ion_k();       // 21 × 18, red K+
QImage image_ion_na();      // 32 × 18, blue Na+
QImage image_anion();       // 20 × 17, green and black anion
QImage image_fleche_i_e();  // 34 × 11, red arrow pointing right (inside to outside)
QImage image_fleche_e_i();  // 34 × 11, red arrow pointing left (outside to inside)
