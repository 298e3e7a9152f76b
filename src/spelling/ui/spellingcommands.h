#pragma once

#include "spelling/dictionaries.h"
#include "spelling/spellingprefs.h"

#include <QList>
#include <QObject>
#include <QPoint>

class EditorDecorations;
class QAction;
class QActionGroup;
class QMenu;
class QPlainTextEdit;
class QThread;
class SpellChecker;
class SpellingLayer;

// Spelling in the post editor: the "Spelling" submenu at the end of the Edit
// menu, the suggestions, "Add to Dictionary" and "Ignore" above the Edit menu
// when it opens on a misspelled word, and the dictionary, which is read on a
// thread of its own once the editor has drawn its first frame.
class SpellingCommands : public QObject
{
    Q_OBJECT

public:
    // Adds its submenu to `editMenu` and its layer to the editor's `decorations`.
    SpellingCommands(QPlainTextEdit *editor, EditorDecorations *decorations, QMenu *editMenu,
                     QObject *parent);
    ~SpellingCommands() override;

    // The start-up step, once the data folder and prefs.txt are known: the
    // installed dictionaries, the settings and the user's words (words.txt).
    void start();

    // Shows `editMenu` at `globalPos`; when `editorPosition` (the editor's own
    // position) lies in a misspelled word, the spelling entries come first.
    void execEditMenu(QMenu *editMenu, const QPoint &globalPos, int editorPosition);

    SpellingSettings settings() const { return m_settings; }
    // True once the chosen dictionary is read and checking is on.
    bool isChecking() const;
    // True once the editor has drawn its first frame, when no dictionary is
    // waiting to be read or being read and every line shows its decorations.
    bool isIdle() const;

    static constexpr int suggestionCount = 5;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildSubmenu();
    void chooseLanguage(const QString &code);
    void setChecking(bool on);
    void loadDictionary();
    void saveSettings();
    void replaceWord(qsizetype start, const QString &word, const QString &replacement);
    void addToDictionary(const QString &word);

    QPlainTextEdit *m_editor;
    QMenu *m_editMenu;
    EditorDecorations *m_decorations;
    SpellChecker *m_checker;
    SpellingLayer *m_layer;
    QMenu *m_submenu = nullptr;
    QAction *m_checkAction = nullptr;
    QActionGroup *m_languages = nullptr;
    QList<Dictionary> m_dictionaries;
    SpellingSettings m_settings;
    QString m_loadedLanguage;
    QThread *m_loader = nullptr;
    bool m_firstFrameSeen = false;
    bool m_loadQueued = false;
};
