#include "app/pageactivite.h"
#include "common/cadre.h"
#include "common/fabrique.h"

PageActivite::PageActivite(HotePage *hote, QWidget *parent) : QWidget(parent), hote_(hote)
{
    GroupBox8 = creer_cadre(this, "GroupBox8", QString(), {160, 56, 357, 324});
}
