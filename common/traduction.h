#pragma once

// Loads the toolkit's own French texts (file dialogs, message-box buttons,
// the "replace it?" question) and makes French the default locale, whatever
// the user's language: the program speaks French to every pupil. Call once,
// after the application object exists. False when the translations are not
// installed; the program then still runs, with the toolkit's English texts.
bool installer_francais();
