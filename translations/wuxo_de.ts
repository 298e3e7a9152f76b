<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AutoRun</name>
    <message>
        <source>%1 (%2/%3)</source>
        <translation>%1 (%2/%3)</translation>
    </message>
    <message>
        <source>%1 [Awaiting copy]</source>
        <translation>%1 [Warte auf Kopie]</translation>
    </message>
    <message>
        <source>%1 [Awaiting input]</source>
        <translation>%1 [Warte auf Eingabe]</translation>
    </message>
    <message>
        <source>%1:</source>
        <translation>%1:</translation>
    </message>
</context>
<context>
    <name>BBCodeConverter</name>
    <message>
        <source>the converted post would be longer than %1 characters</source>
        <translation>der umgewandelte Beitrag wäre länger als %1 Zeichen</translation>
    </message>
    <message>
        <source>the [size] value &quot;%1&quot; is not a number</source>
        <translation>der [size]-Wert „%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>the [size] value &quot;%1&quot; is out of range</source>
        <translation>der [size]-Wert „%1“ liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>[%1= tag without a &quot;]&quot; after its value</source>
        <translation>[%1=-Tag ohne „]“ nach seinem Wert</translation>
    </message>
    <message>
        <source>[%1=...] tag without a closing tag after it</source>
        <translation>[%1=...]-Tag ohne schließendes Tag danach</translation>
    </message>
</context>
<context>
    <name>BBCodeTool</name>
    <message>
        <source>Converts a post written in BBCode to HTML, as the preview of Wuxo does, and writes the
HTML fragment followed by a line break to standard output. The post is read as UTF-8;
CR LF, LF and a lone CR all end a line.
Exit status: 0 done, 1 a file could not be read (or the options are wrong),
2 the post could not be converted (&quot;wuxo-bbcode: error N: description&quot; on standard
error). Nothing is written to standard output when it fails.</source>
        <translation>Wandelt einen in BBCode geschriebenen Beitrag in HTML um, wie es die Vorschau von Wuxo tut,
und schreibt das HTML-Fragment mit einem Zeilenumbruch dahinter in die Standardausgabe.
Der Beitrag wird als UTF-8 gelesen; CR LF, LF und ein einzelnes CR beenden eine Zeile.
Exit-Status: 0 erledigt, 1 eine Datei konnte nicht gelesen werden (oder die Optionen sind
falsch), 2 der Beitrag konnte nicht umgewandelt werden („wuxo-bbcode: error N: Beschreibung“
in der Standardfehlerausgabe). Schlägt es fehl, wird nichts in die Standardausgabe geschrieben.</translation>
    </message>
    <message>
        <source>Write a whole page instead: the page template &lt;file&gt; with every &quot;[post]&quot; replaced by the HTML, lines joined by CR LF and a CR LF at the end, as the preview writes it.</source>
        <translation>Stattdessen eine ganze Seite schreiben: die Seitenvorlage &lt;file&gt;, in der jedes „[post]“ durch das HTML ersetzt ist, die Zeilen mit CR LF verbunden und ein CR LF am Ende, wie die Vorschau sie schreibt.</translation>
    </message>
    <message>
        <source>The post to convert; standard input when left out or &quot;-&quot;.</source>
        <translation>Der umzuwandelnde Beitrag; die Standardeingabe, wenn er fehlt oder „-“ ist.</translation>
    </message>
    <message>
        <source>one post at a time; see --help</source>
        <translation>nur ein Beitrag auf einmal; siehe --help</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>cannot read the page template %1: %2</source>
        <translation>die Seitenvorlage %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot write to standard output</source>
        <translation>in die Standardausgabe kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CloseQuestion</name>
    <message>
        <source>Current post hasn&apos;t been copied or saved. Save before exiting?</source>
        <translation>Der aktuelle Beitrag wurde weder kopiert noch gespeichert. Vor dem Beenden speichern?</translation>
    </message>
    <message>
        <source>Save Draft?</source>
        <translation>Entwurf speichern?</translation>
    </message>
</context>
<context>
    <name>CopyPost</name>
    <message>
        <source>You must enter a message to post!</source>
        <translation>Bitte geben Sie einen Beitrag ein!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>%1 Error %2 in %3</source>
        <translation>%1: Fehler %2 in %3</translation>
    </message>
    <message>
        <source>The following error has occured:<byte value="xd"/>
[ %1 ]<byte value="xd"/>Please report errors to %2<byte value="xd"/>
</source>
        <translation>Folgender Fehler ist aufgetreten:<byte value="xd"/>
[ %1 ]<byte value="xd"/>Bitte melden Sie Fehler an %2<byte value="xd"/>
</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Vorheriges suchen</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß/klein beachten</translation>
    </message>
    <message>
        <source>Whole words</source>
        <translation>Ganze Wörter</translation>
    </message>
    <message>
        <source>Regular expression</source>
        <translation>Regulärer Ausdruck</translation>
    </message>
    <message>
        <source>In selection</source>
        <translation>In Auswahl</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
</context>
<context>
    <name>FindCommands</name>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>Search wrapped</source>
        <translation>Suche am anderen Ende fortgesetzt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>1 replacement</source>
        <translation>1 Ersetzung</translation>
    </message>
    <message>
        <source>%1 replacements</source>
        <translation>%1 Ersetzungen</translation>
    </message>
</context>
<context>
    <name>FindPattern</name>
    <message>
        <source>The pattern is not valid at character %1: %2</source>
        <translation>Das Suchmuster ist bei Zeichen %1 ungültig: %2</translation>
    </message>
</context>
<context>
    <name>ForumCommands</name>
    <message>
        <source>Target Forum</source>
        <translation>Zielforum</translation>
    </message>
    <message>
        <source>Any Forum</source>
        <translation>Beliebiges Forum</translation>
    </message>
</context>
<context>
    <name>ForumProfiles</name>
    <message>
        <source>a profile&apos;s name is written as [Name]</source>
        <translation>der Name eines Profils wird als [Name] geschrieben</translation>
    </message>
    <message>
        <source>another profile has this name</source>
        <translation>ein anderes Profil hat diesen Namen</translation>
    </message>
    <message>
        <source>the file holds more than %1 profiles</source>
        <translation>die Datei enthält mehr als %1 Profile</translation>
    </message>
    <message>
        <source>a line is either [Name] or Key=Value</source>
        <translation>eine Zeile ist entweder [Name] oder Schlüssel=Wert</translation>
    </message>
    <message>
        <source>no [Name] above this line says which profile it belongs to</source>
        <translation>kein [Name] über dieser Zeile sagt, zu welchem Profil sie gehört</translation>
    </message>
    <message>
        <source>Line %1 (%2): %3.</source>
        <translation>Zeile %1 (%2): %3.</translation>
    </message>
    <message numerus="yes">
        <source>%n more line(s) could not be read either.</source>
        <translation>
            <numerusform>%n weitere Zeile konnte ebenfalls nicht gelesen werden.</numerusform>
            <numerusform>%n weitere Zeilen konnten ebenfalls nicht gelesen werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Some lines of %1 could not be read and were skipped:</source>
        <translation>Einige Zeilen von %1 konnten nicht gelesen werden und wurden übersprungen:</translation>
    </message>
    <message>
        <source>the size unit must be percent, points, pixels or steps</source>
        <translation>die Einheit der Größe muss percent, points, pixels oder steps sein</translation>
    </message>
    <message>
        <source>write the size as its unit, the lowest and the highest value, like &quot;percent 1 200&quot;</source>
        <translation>schreiben Sie die Größe als Einheit, kleinsten und größten Wert, etwa &quot;percent 1 200&quot;</translation>
    </message>
    <message>
        <source>steps run from 1 to 7</source>
        <translation>steps reichen von 1 bis 7</translation>
    </message>
    <message>
        <source>the colour forms are name, hex, hex3 and rgb</source>
        <translation>die Farbformen sind name, hex, hex3 und rgb</translation>
    </message>
    <message>
        <source>a tag name is made of letters and digits, or is &quot;*&quot;</source>
        <translation>ein Tag-Name besteht aus Buchstaben und Ziffern oder ist &quot;*&quot;</translation>
    </message>
    <message>
        <source>a list type holds no &quot;]&quot;</source>
        <translation>ein Listentyp enthält kein &quot;]&quot;</translation>
    </message>
    <message>
        <source>the limit is a whole number of characters, 0 for none</source>
        <translation>die Grenze ist eine ganze Zahl von Zeichen, 0 für keine</translation>
    </message>
    <message>
        <source>there is no key &quot;%1&quot;</source>
        <translation>es gibt keinen Schlüssel &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>ForumReview</name>
    <message>
        <source>font</source>
        <translation>die Schriftart</translation>
    </message>
    <message>
        <source>size</source>
        <translation>die Größe</translation>
    </message>
    <message>
        <source>colour</source>
        <translation>die Farbe</translation>
    </message>
    <message>
        <source>link</source>
        <translation>den Link</translation>
    </message>
    <message>
        <source>e-mail link</source>
        <translation>den E-Mail-Link</translation>
    </message>
    <message>
        <source>image</source>
        <translation>das Bild</translation>
    </message>
    <message>
        <source>quote</source>
        <translation>das Zitat</translation>
    </message>
    <message>
        <source>code block</source>
        <translation>den Codeblock</translation>
    </message>
    <message>
        <source>list</source>
        <translation>die Liste</translation>
    </message>
    <message>
        <source>list item</source>
        <translation>den Listenpunkt</translation>
    </message>
    <message>
        <source>bold</source>
        <translation>den Fettdruck</translation>
    </message>
    <message>
        <source>italics</source>
        <translation>die Kursivschrift</translation>
    </message>
    <message>
        <source>underline</source>
        <translation>die Unterstreichung</translation>
    </message>
    <message>
        <source>a spoiler</source>
        <translation>einen Spoiler</translation>
    </message>
    <message>
        <source>struck-through text</source>
        <translation>durchgestrichenen Text</translation>
    </message>
    <message>
        <source>a table</source>
        <translation>eine Tabelle</translation>
    </message>
    <message>
        <source>a line across the post</source>
        <translation>eine Linie quer über den Beitrag</translation>
    </message>
    <message>
        <source>centred text</source>
        <translation>zentrierten Text</translation>
    </message>
    <message>
        <source>aligned text</source>
        <translation>ausgerichteten Text</translation>
    </message>
    <message>
        <source>indented text</source>
        <translation>eingerückten Text</translation>
    </message>
    <message>
        <source>highlighted text</source>
        <translation>hervorgehobenen Text</translation>
    </message>
    <message>
        <source>lowered text</source>
        <translation>tiefgestellten Text</translation>
    </message>
    <message>
        <source>raised text</source>
        <translation>hochgestellten Text</translation>
    </message>
    <message>
        <source>an embedded video</source>
        <translation>ein eingebettetes Video</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <source>tag</source>
        <translation>das Tag</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>%1 points</source>
        <translation>%1 Punkte</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>size %1 of 7</source>
        <translation>Größe %1 von 7</translation>
    </message>
    <message>
        <source>%1 reads sizes from %2 only: write [SIZE=%3] for text the size the preview shows</source>
        <translation>%1 liest nur Größen von %2: schreiben Sie [SIZE=%3] für Text in der Größe der Vorschau</translation>
    </message>
    <message>
        <source>%1 reads [SIZE=%2] as %3: write [SIZE=%4] for text the size the preview shows</source>
        <translation>%1 liest [SIZE=%2] als %3: schreiben Sie [SIZE=%4] für Text in der Größe der Vorschau</translation>
    </message>
    <message>
        <source>a colour name</source>
        <translation>einen Farbnamen</translation>
    </message>
    <message>
        <source>%1 does not read the colour %2: write %3</source>
        <translation>%1 liest die Farbe %2 nicht: schreiben Sie %3</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1 shows [%2] as text: leave the %3 out or pick another forum</source>
        <translation>%1 zeigt [%2] als Text: %3 weglassen oder ein anderes Forum wählen</translation>
    </message>
    <message>
        <source>%1 shows this as a numbered list; the preview here leaves it as text</source>
        <translation>%1 zeigt dies als nummerierte Liste; die Vorschau hier lässt es als Text stehen</translation>
    </message>
    <message>
        <source>%1 shows [LIST=%2] as text: write [LIST] for a list with bullets</source>
        <translation>%1 zeigt [LIST=%2] als Text: schreiben Sie [LIST] für eine Liste mit Aufzählungszeichen</translation>
    </message>
    <message>
        <source>%1 shows [LIST=%2] as text: write [LIST] or [LIST=%3]</source>
        <translation>%1 zeigt [LIST=%2] als Text: schreiben Sie [LIST] oder [LIST=%3]</translation>
    </message>
    <message>
        <source>%1 reads this tag; the preview here leaves it as text</source>
        <translation>%1 liest dieses Tag; die Vorschau hier lässt es als Text stehen</translation>
    </message>
    <message>
        <source>%1 shows this as %2; the preview here leaves it as text</source>
        <translation>%1 zeigt dies als %2; die Vorschau hier lässt es als Text stehen</translation>
    </message>
</context>
<context>
    <name>LinkPass</name>
    <message>
        <source>%1: the converted post would be longer than %2 characters</source>
        <translation>%1: der umgewandelte Beitrag wäre länger als %2 Zeichen</translation>
    </message>
    <message>
        <source>%1: [%2= tag without a &quot;]&quot; before its closing tag</source>
        <translation>%1: [%2=-Tag ohne „]“ vor seinem schließenden Tag</translation>
    </message>
    <message>
        <source>%1: [url directly followed by [/url]</source>
        <translation>%1: auf [url folgt direkt [/url]</translation>
    </message>
</context>
<context>
    <name>LiveNotice</name>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The preview fails (error %1): %2</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): %2</translation>
    </message>
    <message>
        <source>The page template preview.txt cannot be used (error %1): %2</source>
        <translation>Die Seitenvorlage preview.txt kann nicht verwendet werden (Fehler %1): %2</translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
</context>
<context>
    <name>PostGenerator</name>
    <message>
        <source>Clear the current post?</source>
        <translation>Den aktuellen Beitrag leeren?</translation>
    </message>
    <message>
        <source>New Post</source>
        <translation>Neuer Beitrag</translation>
    </message>
    <message>
        <source>Copies made in other programs cannot be seen here, so automatic mode cannot fill its clipboard fields.<byte value="xd"/>
<byte value="xd"/>
On this Wayland desktop a program hears of the clipboard only while its own window is active, and no X11 display (XWayland) is available to start Wuxo on. The Read Me explains more.</source>
        <translation>Was in anderen Programmen kopiert wird, ist hier nicht zu sehen; der automatische Modus kann seine Felder aus der Zwischenablage daher nicht füllen.<byte value="xd"/>
<byte value="xd"/>
Auf diesem Wayland-Desktop erfährt ein Programm von der Zwischenablage nur, solange sein eigenes Fenster aktiv ist, und es gibt keine X11-Anzeige (XWayland), auf der Wuxo starten könnte. Mehr dazu im Liesmich.</translation>
    </message>
    <message>
        <source>Post Generator (Auto)</source>
        <translation>Beitragsgenerator (automatisch)</translation>
    </message>
    <message>
        <source>Input Required</source>
        <translation>Eingabe erforderlich</translation>
    </message>
</context>
<context>
    <name>PostLength</name>
    <message>
        <source>%1 character</source>
        <translation>%1 Zeichen</translation>
    </message>
    <message numerus="yes">
        <source>%1 characters</source>
        <translation>
            <numerusform>%1 Zeichen</numerusform>
            <numerusform>%1 Zeichen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2 characters</source>
        <translation>%1 von %2 Zeichen</translation>
    </message>
    <message>
        <source>%1 over the limit</source>
        <translation>%1 über der Grenze</translation>
    </message>
</context>
<context>
    <name>PostRecovery</name>
    <message>
        <source>Wuxo closed without saving the post you were writing. Recover it?</source>
        <translation>Wuxo wurde beendet, ohne den Beitrag zu speichern, an dem Sie geschrieben haben. Wiederherstellen?</translation>
    </message>
    <message>
        <source>Recover Post?</source>
        <translation>Beitrag wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>PreviewBrowser</name>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>%1 is not a preview plugin</source>
        <translation>%1 ist kein Vorschau-Plugin</translation>
    </message>
    <message>
        <source>The integrated browser cannot be started: %1.

Previews open in your web browser instead.</source>
        <translation>Der integrierte Browser kann nicht gestartet werden: %1.

Die Vorschau öffnet sich stattdessen in Ihrem Webbrowser.</translation>
    </message>
</context>
<context>
    <name>PreviewPage</name>
    <message>
        <source>: the page template is empty</source>
        <translation>: die Seitenvorlage ist leer</translation>
    </message>
    <message>
        <source>%1: the page would be longer than %2 characters</source>
        <translation>%1: die Seite wäre länger als %2 Zeichen</translation>
    </message>
</context>
<context>
    <name>SpellingCommands</name>
    <message>
        <source>Spelling</source>
        <translation>Rechtschreibung</translation>
    </message>
    <message>
        <source>No dictionaries installed</source>
        <translation>Keine Wörterbücher installiert</translation>
    </message>
    <message>
        <source>Check Spelling</source>
        <translation>Rechtschreibung prüfen</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>Zum Wörterbuch hinzufügen</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>No spelling dictionary is installed, so Wuxo cannot check the spelling of your posts.<byte value="xd"/>
To have it checked, install the package %1 with your system&apos;s software manager and start Wuxo again.</source>
        <translation>Es ist kein Wörterbuch für die Rechtschreibprüfung installiert, daher kann Wuxo die Rechtschreibung Ihrer Beiträge nicht prüfen.<byte value="xd"/>
Installieren Sie dazu das Paket %1 mit der Softwareverwaltung Ihres Systems und starten Sie Wuxo neu.</translation>
    </message>
    <message>
        <source>The spelling dictionary %1 cannot be read</source>
        <translation>Das Wörterbuch %1 für die Rechtschreibprüfung kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>TagInsertion</name>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Klein</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Groß</translation>
    </message>
    <message>
        <source>Largest</source>
        <translation>Sehr groß</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Enter the URL for the link:</source>
        <translation>Geben Sie die URL für den Link ein:</translation>
    </message>
    <message>
        <source>Insert URL</source>
        <translation>URL einfügen</translation>
    </message>
    <message>
        <source>Enter a list item (enter blank or press cancel to end list)</source>
        <translation>Geben Sie einen Listeneintrag ein (leer lassen oder Abbrechen, um die Liste zu beenden)</translation>
    </message>
    <message>
        <source>Insert List</source>
        <translation>Liste einfügen</translation>
    </message>
</context>
<context>
    <name>TagVerdicts</name>
    <message>
        <source>[*] is left as text: a list item works only between [list] and [/list], with a line break after it.</source>
        <translation>[*] bleibt als Text stehen: Ein Listeneintrag wirkt nur zwischen [list] und [/list], mit einem Zeilenumbruch danach.</translation>
    </message>
    <message>
        <source>%1 is left as text: write %2 or %3.</source>
        <translation>%1 bleibt als Text stehen: Schreiben Sie %2 oder %3.</translation>
    </message>
    <message>
        <source>%1 is left as text: no [%2] before it is open for it to close. Remove it, or add [%2] where the text starts.</source>
        <translation>%1 bleibt als Text stehen: Davor ist kein [%2] offen, das es schließen könnte. Entfernen Sie es oder fügen Sie [%2] dort ein, wo der Text beginnt.</translation>
    </message>
    <message>
        <source>%1 is left as text: the preview pairs no [/%2] after it with it. Add [/%2] where the text ends.</source>
        <translation>%1 bleibt als Text stehen: Die Vorschau findet danach kein [/%2], das dazu passt. Fügen Sie [/%2] dort ein, wo der Text endet.</translation>
    </message>
    <message>
        <source>This list item needs a line break after it, or the preview fails (error %1). End the item&apos;s line before [/list].</source>
        <translation>Dieser Listeneintrag braucht danach einen Zeilenumbruch, sonst schlägt die Vorschau fehl (Fehler %1). Beenden Sie die Zeile des Eintrags vor [/list].</translation>
    </message>
    <message>
        <source>The preview fails (error %1): the size &quot;%2&quot; is not a number. Write a whole number, like [size=12].</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): Die Größe „%2“ ist keine Zahl. Schreiben Sie eine ganze Zahl, etwa [size=12].</translation>
    </message>
    <message>
        <source>The preview fails (error %1): the size %2 is out of range. Write a small whole number, like [size=12].</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): Die Größe %2 liegt außerhalb des gültigen Bereichs. Schreiben Sie eine kleine ganze Zahl, etwa [size=12].</translation>
    </message>
    <message>
        <source>The preview fails (error %1): this link is empty. Write the address between [url] and [/url].</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): Dieser Link ist leer. Schreiben Sie die Adresse zwischen [url] und [/url].</translation>
    </message>
    <message>
        <source>The preview fails (error %1): the value of [%2= has no &quot;]&quot; after it. Write it as [%2=value]text[/%2].</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): Nach dem Wert von [%2= folgt kein „]“. Schreiben Sie [%2=Wert]Text[/%2].</translation>
    </message>
    <message>
        <source>The preview fails (error %1): no [/%2] after this tag closes it. Add [/%2] where the text ends.</source>
        <translation>Die Vorschau schlägt fehl (Fehler %1): Kein [/%2] danach schließt dieses Tag. Fügen Sie [/%2] dort ein, wo der Text endet.</translation>
    </message>
</context>
<context>
    <name>WuxoError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>Ungültiger Prozeduraufruf oder ungültiges Argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Resume without error</source>
        <translation>Resume ohne Fehler</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad/Datei</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>Pfad nicht gefunden</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>Object doesn&apos;t support this property or method</source>
        <translation>Objekt unterstützt diese Eigenschaft oder Methode nicht</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Wuxo</source>
        <translation>Über Wuxo</translation>
    </message>
    <message>
        <source>Version &lt;ProductVersion&gt;</source>
        <translation>Version &lt;ProductVersion&gt;</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>E-Mail:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Donate!</source>
        <translation>Spenden!</translation>
    </message>
    <message>
        <source>Learn more about supporting Quorvel</source>
        <translation>Erfahren Sie, wie Sie Quorvel unterstützen können</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>%1 is already running. Please close the other instance before starting %1 again.</source>
        <translation>%1 läuft bereits. Bitte schließen Sie das andere Fenster, bevor Sie %1 erneut starten.</translation>
    </message>
    <message>
        <source>%1 Error</source>
        <translation>%1-Fehler</translation>
    </message>
    <message>
        <source>Cancel Auto Mode</source>
        <translation>Automatik abbrechen</translation>
    </message>
    <message>
        <source>Code Buttons</source>
        <translation>Code-Schaltflächen</translation>
    </message>
    <message>
        <source>Post Generator</source>
        <translation>Beitragsgenerator</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuell</translation>
    </message>
    <message>
        <source>Post generator (manual)</source>
        <translation>Beitragsgenerator (manuell)</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Post generator (auto)</source>
        <translation>Beitragsgenerator (automatisch)</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Quote</source>
        <translation>Zitat</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Post Editor</source>
        <translation>Beitragseditor</translation>
    </message>
    <message>
        <source>Copy Post</source>
        <translation>Beitrag kopieren</translation>
    </message>
    <message>
        <source>Copy post to the clipboard</source>
        <translation>Beitrag in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Preview Post</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Edit Post</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Post Preview</source>
        <translation>Beitragsvorschau</translation>
    </message>
    <message>
        <source>No saved draft found.</source>
        <translation>Kein gespeicherter Entwurf gefunden.</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fehler beim Laden</translation>
    </message>
    <message>
        <source>Post Generator (Auto)</source>
        <translation>Beitragsgenerator (automatisch)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Wuxo</source>
        <translation>Wuxo</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>Save Draft</source>
        <translation>Entwurf speichern</translation>
    </message>
    <message>
        <source>Post Generator (Manual)</source>
        <translation>Beitragsgenerator (manuell)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Edit insert.txt</source>
        <translation>insert.txt bearbeiten</translation>
    </message>
    <message>
        <source>Edit web.txt</source>
        <translation>web.txt bearbeiten</translation>
    </message>
    <message>
        <source>Edit template.txt</source>
        <translation>template.txt bearbeiten</translation>
    </message>
    <message>
        <source>Edit tags.txt</source>
        <translation>tags.txt bearbeiten</translation>
    </message>
    <message>
        <source>Edit preview.txt</source>
        <translation>preview.txt bearbeiten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste as BBCode</source>
        <translation>Als BBCode einfügen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Web</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Read Me</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>Check for Update</source>
        <translation>Nach Aktualisierung suchen</translation>
    </message>
    <message>
        <source>Quorvel on the Web</source>
        <translation>Quorvel im Web</translation>
    </message>
    <message>
        <source>Quorvel Website</source>
        <translation>Quorvel-Website</translation>
    </message>
    <message>
        <source>Quorvel Forums</source>
        <translation>Quorvel-Foren</translation>
    </message>
    <message>
        <source>E-mail Quorvel</source>
        <translation>E-Mail an Quorvel</translation>
    </message>
    <message>
        <source>Donate!</source>
        <translation>Spenden!</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über...</translation>
    </message>
    <message>
        <source>Edit forums.txt</source>
        <translation>forums.txt bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Target Forum</source>
        <translation>Zielforum</translation>
    </message>
    <message>
        <source>Live Preview</source>
        <translation>Live-Vorschau</translation>
    </message>
    <message>
        <source>Follow Caret</source>
        <translation>Schreibmarke folgen</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>Weitersuchen</translation>
    </message>
    <message>
        <source>Find Previous</source>
        <translation>Vorheriges suchen</translation>
    </message>
    <message>
        <source>Replace...</source>
        <translation>Ersetzen...</translation>
    </message>
</context>
<context>
    <name>frmNews</name>
    <message>
        <source>Post Generator</source>
        <translation>Beitragsgenerator</translation>
    </message>
    <message>
        <source>Enter the Required Information</source>
        <translation>Geben Sie die nötigen Angaben ein</translation>
    </message>
    <message>
        <source>Caption:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmPrefs</name>
    <message>
        <source>Main</source>
        <translation>Fenster</translation>
    </message>
    <message>
        <source>Header</source>
        <translation>Kopfzeile</translation>
    </message>
    <message>
        <source>Button Area</source>
        <translation>Schaltflächen</translation>
    </message>
    <message>
        <source>Text Area</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>%1 colours</source>
        <translation>Farben: %1</translation>
    </message>
    <message>
        <source>B</source>
        <comment>the button choosing a background colour</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>F</source>
        <comment>the button choosing a foreground colour</comment>
        <translation>V</translation>
    </message>
    <message>
        <source>Choose background color</source>
        <translation>Hintergrundfarbe wählen</translation>
    </message>
    <message>
        <source>Choose foreground color</source>
        <translation>Vordergrundfarbe wählen</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Copy Post</source>
        <translation>Beitrag kopieren</translation>
    </message>
    <message>
        <source>Minimize Wuxo</source>
        <translation>Wuxo minimieren</translation>
    </message>
    <message>
        <source>Remove 3+ line breaks</source>
        <translation>3+ Zeilenumbrüche entfernen</translation>
    </message>
    <message>
        <source>Open URL #2</source>
        <translation>URL Nr. 2 öffnen</translation>
    </message>
    <message>
        <source>Preview Post</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Use integrated browser</source>
        <translation>Integrierten Browser verwenden</translation>
    </message>
    <message>
        <source>Wuxo Skin</source>
        <translation>Wuxo-Design</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
</TS>
