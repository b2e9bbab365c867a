#pragma once

// Puts Qt's own texts (print and file dialogs, standard buttons, the fields' context menu) into
// Russian and makes Russian the default locale. Needs the application object; false when Qt's
// translation file is missing, and the program goes on with Qt's English texts.
bool installRussianQtTranslations();
