#pragma once
#include <QIdentityProxyModel>

// Loads the toolkit's own French texts (file dialogs, message-box buttons,
// the "replace it?" question) and makes French the default locale, whatever
// the user's language: the program speaks French to every pupil. Call once,
// after the application object exists. False when the translations are not
// installed; the program then still runs, with the toolkit's English texts.
bool installer_francais();

// A file dialog's list with its sizes and dates written the French way
// ("1,5 Ko", "09/12/2026 05:32"), whatever the system's language: the
// toolkit writes them in the system's. Given to QFileDialog::setProxyModel.
class ModeleFichiersFrancais : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit ModeleFichiersFrancais(QObject *parent = nullptr);
    QVariant data(const QModelIndex &index, int role) const override;
};
