#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

QTranslator *programTranslator = nullptr;
QTranslator *qtTranslator = nullptr;

void removeInstalled()
{
    for (QTranslator **translator : {&programTranslator, &qtTranslator}) {
        if (*translator) {
            QCoreApplication::removeTranslator(*translator);
            delete *translator;
            *translator = nullptr;
        }
    }
}

// "de-DE" gives "de_DE", then "de": the exact translation first, then the language's.
QStringList candidates(QString uiLanguage)
{
    uiLanguage.replace(u'-', u'_');
    QStringList names;
    for (;;) {
        names.append(uiLanguage);
        const qsizetype cut = uiLanguage.lastIndexOf(u'_');
        if (cut <= 0)
            return names;
        uiLanguage.truncate(cut);
    }
}

bool isSourceLanguage(const QString &name)
{
    return name == u"en" || name == u"C" || name == u"POSIX";
}

} // namespace

namespace Translations {

QString install(const QStringList &uiLanguages)
{
    removeInstalled();
    for (const QString &uiLanguage : uiLanguages) {
        const QStringList names = candidates(uiLanguage);
        if (isSourceLanguage(names.constLast()))
            return QString();
        for (const QString &name : names) {
            auto *program = new QTranslator;
            if (!program->load(QStringLiteral("wuxo_") + name, QString::fromUtf16(folder))) {
                delete program;
                continue;
            }
            programTranslator = program;
            QCoreApplication::installTranslator(programTranslator);
            // The file found may be the language's own ("de" for "de_DE"): the answer names it.
            const QString found = program->language().replace(u'-', u'_');
            // Qt's dialogs and buttons in the same language, where Qt has a translation.
            const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
            for (const QString &qtName : candidates(found)) {
                auto *qt = new QTranslator;
                if (qt->load(QStringLiteral("qtbase_") + qtName, qtFolder)) {
                    qtTranslator = qt;
                    QCoreApplication::installTranslator(qtTranslator);
                    break;
                }
                delete qt;
            }
            return found;
        }
    }
    return QString();
}

} // namespace Translations
