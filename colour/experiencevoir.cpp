#include "colour/experiencevoir.h"

void ExperienceVoir::tic_voir(int largeur_panneau)
{
    ++compteur_voir;
    largeur_barre = (largeur_panneau / TICS_FIXATION) * compteur_voir;
    if (compteur_voir >= TICS_FIXATION) {
        voir = false;
        largeur_barre = 0;
        compteur_voir = 0;
        image2 = true;
        image1 = false;
        reaff_image = true;
    }
}

void ExperienceVoir::tic_reaff_image()
{
    reaff_image = false;
    image2 = false;
    image1 = true;
}

void ExperienceVoir::lancer()
{
    if (compteur_voir != 0 && voir) {
        // Cut the fixation short: the bar and the counter stay as they are.
        voir = false;
        image2 = true;
        reaff_image = true;
        return;
    }
    if (reaff_image) {
        // During the afterimage: back to the picture, then start afresh.
        reaff_image = false;
        image2 = false;
        image1 = true;
        lancer();
        return;
    }
    compteur_voir = 0;
    largeur_barre = 0;
    voir = true;
}

ExperienceVoir::Etat ExperienceVoir::etat() const
{
    if (voir) return Etat::Fixation;
    if (reaff_image) return Etat::ImageConsecutive;
    return Etat::Repos;
}
