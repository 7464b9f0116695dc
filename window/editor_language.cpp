#include "editor_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace editor_language {
namespace {

// Where the build puts the compiled catalogs: veyrith_de.qm and Qt's qtbase_de.qm.
const QString catalogFolder = QStringLiteral(":/i18n");
const QString editorCatalog = QStringLiteral("veyrith_");

QString languageInUse;
// Owned by the application they were installed in, which may be gone.
QList<QPointer<QTranslator>> installed;

} // namespace

QStringList catalogs()
{
    QStringList languages;
    for (const QString& name : QDir(catalogFolder).entryList({editorCatalog + QStringLiteral("*.qm")}))
        languages << QFileInfo(name).completeBaseName().mid(editorCatalog.size());
    return languages;
}

QString use(QCoreApplication& application, const QStringList& uiLanguages)
{
    for (const QPointer<QTranslator>& translator : std::exchange(installed, {})) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    languageInUse.clear();
    const QStringList spoken = catalogs();
    for (const QString& name : uiLanguages) {
        const QLocale::Language language = QLocale(name).language();
        if (language == QLocale::English || language == QLocale::C)
            break;
        const QString code = QLocale::languageToCode(language);
        if (!spoken.contains(code))
            continue;
        for (const QString& catalog : {editorCatalog, QStringLiteral("qtbase_")}) {
            auto* translator = new QTranslator(&application);
            if (translator->load(catalog + code, catalogFolder)
                && QCoreApplication::installTranslator(translator))
                installed << translator;
            else
                delete translator;
        }
        languageInUse = code;
        break;
    }
    return languageInUse;
}

QString useSystemLanguage(QCoreApplication& application)
{
    const QLocale system = QLocale::system();
    return use(application, system.language() == QLocale::C ? QStringList() : system.uiLanguages());
}

QString inUse()
{
    return languageInUse;
}

QString fileInLanguage(const QString& path, const QString& language)
{
    if (language.isEmpty())
        return path;
    const QFileInfo file(path);
    const QString translated = file.dir().filePath(
        file.completeBaseName() + QLatin1Char('.') + language + QLatin1Char('.') + file.suffix());
    return QFileInfo::exists(translated) ? translated : path;
}

} // namespace editor_language
