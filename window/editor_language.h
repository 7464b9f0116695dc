#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the editor speaks: English, the source of every text, or one of
// the languages whose catalogs are built into the program. Qt's own texts
// (buttons, its file dialog, the command line's usage) follow in the same one.
namespace editor_language {

// The languages that have a catalog, by their codes ("de").
QStringList catalogs();

// Installs the catalogs of the first of the user's languages, most wanted first
// and as QLocale names them ("de-AT"), that the editor speaks; English ends the
// search. Answers that language's code, or an empty text for English. A later
// call replaces what an earlier one installed.
QString use(QCoreApplication& application, const QStringList& uiLanguages);

// use() with the system's user-interface languages. A C locale asks for no
// language at all, and so gets the source texts.
QString useSystemLanguage(QCoreApplication& application);

// The code of the language use() installed last, or an empty text for English.
QString inUse();

// A file for the language in use: "guide.de.html" beside "guide.html" when it
// exists, else the file itself.
QString fileInLanguage(const QString& path, const QString& language);

} // namespace editor_language
