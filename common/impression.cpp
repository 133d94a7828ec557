#include "common/impression.h"
#include "common/erreures.h"
#include "common/impressionmodule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace {

// The module's entry, looked for beside the program, then in the folder named
// by KALMENO_MODULES (the build tree's tests); null when none loads.
DialogueImpression entree()
{
#ifdef KALMENO_IMPRESSION_LIEE
    return &kalmeno_dialogue_impression;
#else
    static const DialogueImpression f = [] {
        QStringList dossiers{QCoreApplication::applicationDirPath()};
        if (const QString d = qEnvironmentVariable("KALMENO_MODULES"); !d.isEmpty()) dossiers << d;
        for (const QString &d : dossiers) {
            // Never unloaded: the dialog's code stays until the end.
            QLibrary module(d + QLatin1Char('/') + QLatin1String(MODULE_IMPRESSION));
            if (auto e = reinterpret_cast<DialogueImpression>(module.resolve("kalmeno_dialogue_impression"))) return e;
        }
        return DialogueImpression{};
    }();
    return f;
#endif
}

} // namespace

bool dialogue_impression(QWidget *parent, const QString &titre, const std::function<void(QPagedPaintDevice &)> &dessiner)
{
    const DialogueImpression e = entree();
    if (!e) {
        signaler_texte(QStringLiteral("Impression impossible : le module d'impression (%1) est introuvable à côté du programme.")
                           .arg(QLatin1String(MODULE_IMPRESSION)));
        return false;
    }
    return e(parent, titre, dessiner);
}
