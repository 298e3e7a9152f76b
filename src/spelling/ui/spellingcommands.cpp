#include "spellingcommands.h"

#include "decorations/ui/editordecorations.h"
#include "foundation/datafolder.h"
#include "foundation/errorreport.h"
#include "foundation/preferences.h"
#include "spelling/hunspellspeller.h"
#include "spelling/spellchecker.h"
#include "spelling/spellinglayer.h"
#include "widgets/editortext.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

// A menu caption shows an ampersand only when it is doubled.
QString caption(const QString &text)
{
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

} // namespace

SpellingCommands::SpellingCommands(QPlainTextEdit *editor, EditorDecorations *decorations,
                                   QMenu *editMenu, QObject *parent)
    : QObject(parent), m_editor(editor), m_editMenu(editMenu), m_decorations(decorations),
      m_checker(new SpellChecker(this)), m_layer(new SpellingLayer(m_checker))
{
    setObjectName(QStringLiteral("spelling"));
    m_decorations->addLayer(m_layer);

    m_editMenu->addSeparator()->setObjectName(QStringLiteral("mnuEditLine3"));
    m_submenu = m_editMenu->addMenu(tr("Spelling"));
    m_submenu->setObjectName(QStringLiteral("mnuEditSpelling"));
    m_submenu->menuAction()->setObjectName(QStringLiteral("mnuEditSpelling"));
    buildSubmenu();
    // The dictionary is read once the editor has been drawn: start-up never waits for it.
    m_editor->viewport()->installEventFilter(this);
}

SpellingCommands::~SpellingCommands()
{
    if (m_loader) {
        m_loader->wait();
        delete m_loader;
    }
}

void SpellingCommands::start()
{
    m_dictionaries = Dictionaries::find(Dictionaries::folder());
    m_settings = SpellingPrefs::read(objPrefs());
    if (!Dictionaries::byCode(m_dictionaries, m_settings.language))
        m_settings.language = Dictionaries::preferred(m_dictionaries, QLocale::system().name());
    runTrapped(QStringLiteral("Main.Spelling"),
               [this] { m_checker->readWords(DataFolder::filePath(QStringLiteral("words.txt"))); });
    buildSubmenu();
    if (m_firstFrameSeen)
        loadDictionary();
}

bool SpellingCommands::isChecking() const
{
    return m_layer->isActive();
}

bool SpellingCommands::isIdle() const
{
    return m_firstFrameSeen && !m_loadQueued && !m_loader && m_decorations->isIdle();
}

void SpellingCommands::buildSubmenu()
{
    m_submenu->clear();
    delete m_languages;
    m_languages = nullptr;
    m_checkAction = nullptr;
    if (m_dictionaries.isEmpty()) {
        QAction *none = m_submenu->addAction(tr("No dictionaries installed"));
        none->setObjectName(QStringLiteral("mnuEditSpellingNone"));
        none->setEnabled(false);
        return;
    }
    m_checkAction = m_submenu->addAction(tr("Check Spelling"));
    m_checkAction->setObjectName(QStringLiteral("mnuEditSpellingCheck"));
    m_checkAction->setCheckable(true);
    m_checkAction->setChecked(m_settings.enabled);
    connect(m_checkAction, &QAction::triggered, this, &SpellingCommands::setChecking);
    m_submenu->addSeparator();
    m_languages = new QActionGroup(this);
    for (qsizetype i = 0; i < m_dictionaries.size(); ++i) {
        const Dictionary &dictionary = m_dictionaries[i];
        QAction *language = m_submenu->addAction(caption(dictionary.name));
        language->setObjectName(QStringLiteral("mnuEditSpellingLanguage(%1)").arg(i));
        language->setCheckable(true);
        language->setChecked(dictionary.code == m_settings.language);
        language->setData(dictionary.code);
        m_languages->addAction(language);
        connect(language, &QAction::triggered, this,
                [this, code = dictionary.code] { chooseLanguage(code); });
    }
}

void SpellingCommands::setChecking(bool on)
{
    m_settings.enabled = on;
    saveSettings();
    if (on)
        loadDictionary();
    else
        m_layer->setActive(false);
}

void SpellingCommands::chooseLanguage(const QString &code)
{
    if (code == m_settings.language)
        return;
    m_settings.language = code;
    saveSettings();
    loadDictionary();
}

void SpellingCommands::saveSettings()
{
    SpellingPrefs::write(objPrefs(), m_settings);
}

void SpellingCommands::loadDictionary()
{
    const Dictionary *dictionary = Dictionaries::byCode(m_dictionaries, m_settings.language);
    if (!m_settings.enabled || !dictionary) {
        m_layer->setActive(false);
        return;
    }
    if (m_loadedLanguage == dictionary->code && m_checker->hasSpeller()) {
        m_layer->setActive(true);
        return;
    }
    // One reading at a time; a language chosen meanwhile is read after it.
    if (m_loader)
        return;
    auto speller = std::make_shared<std::unique_ptr<HunspellSpeller>>();
    const QString code = dictionary->code;
    m_loader = QThread::create([speller, aff = dictionary->affPath, dic = dictionary->dicPath] {
        *speller = HunspellSpeller::load(aff, dic);
    });
    connect(m_loader, &QThread::finished, this, [this, speller, code] {
        m_loader->deleteLater();
        m_loader = nullptr;
        m_layer->setActive(false);
        m_checker->setSpeller(std::move(*speller));
        m_loadedLanguage = code;
        if (code != m_settings.language && m_settings.enabled) {
            loadDictionary();
            return;
        }
        m_layer->setActive(m_settings.enabled && m_checker->hasSpeller());
    });
    m_loader->start(QThread::LowPriority);
}

bool SpellingCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_firstFrameSeen && event->type() == QEvent::Paint && watched == m_editor->viewport()) {
        m_firstFrameSeen = true;
        m_editor->viewport()->removeEventFilter(this);
        m_loadQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_loadQueued = false;
            loadDictionary();
        });
    }
    return QObject::eventFilter(watched, event);
}

void SpellingCommands::execEditMenu(QMenu *editMenu, const QPoint &globalPos, int editorPosition)
{
    QList<QAction *> added;
    if (m_layer->isActive()) {
        const qsizetype position = EditorText::toModel(m_editor->document(), editorPosition);
        for (const EditorDecorations::Found &found : m_decorations->decorationsAt(position)) {
            if (found.layer != m_layer || found.kind != DecorationKind::Misspelling)
                continue;
            const QString word = EditorText(m_editor).text().mid(found.start, found.length);
            QAction *first = editMenu->actions().value(0);
            const auto add = [&](const QString &text, const QString &name) {
                auto *action = new QAction(text, editMenu);
                action->setObjectName(name);
                editMenu->insertAction(first, action);
                added.append(action);
                return action;
            };
            const QStringList suggestions = m_checker->suggestions(word, suggestionCount);
            for (qsizetype i = 0; i < suggestions.size(); ++i) {
                QAction *action
                    = add(caption(suggestions[i]), QStringLiteral("mnuSpellSuggestion(%1)").arg(i));
                connect(action, &QAction::triggered, this,
                        [this, start = found.start, word, replacement = suggestions[i]] {
                            replaceWord(start, word, replacement);
                        });
            }
            connect(add(tr("Add to Dictionary"), QStringLiteral("mnuSpellAdd")),
                    &QAction::triggered, this, [this, word] { addToDictionary(word); });
            connect(add(tr("Ignore"), QStringLiteral("mnuSpellIgnore")), &QAction::triggered, this,
                    [this, word] { m_checker->ignore(word); });
            QAction *line = add(QString(), QStringLiteral("mnuSpellLine"));
            line->setSeparator(true);
            break;
        }
    }
    editMenu->exec(globalPos);
    for (QAction *action : std::as_const(added)) {
        editMenu->removeAction(action);
        action->deleteLater();
    }
}

void SpellingCommands::replaceWord(qsizetype start, const QString &word, const QString &replacement)
{
    EditorText editor(m_editor);
    if (editor.text().mid(start, word.size()) != word)
        return;
    editor.setSelection(int(start), int(word.size()));
    editor.replaceSelection(replacement);
    m_editor->setFocus();
}

void SpellingCommands::addToDictionary(const QString &word)
{
    runTrapped(QStringLiteral("Main.Spelling"),
               [this, &word] { m_checker->addToDictionary(word); });
}
