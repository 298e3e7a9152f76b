// The main window's controls as designed: positions in pixels on
// picContainer, captions, fonts, design colours and skin roles.
#include "frmmain.h"

#include "decorations/taglayer.h"
#include "decorations/ui/editordecorations.h"
#include "foundation/skin.h"
#include "widgets/postedit.h"
#include "widgets/postlengthlabel.h"
#include "widgets/skinwidgets.h"

#include <QComboBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QFont &buttonFont()
{
    static const QFont font = Design::font();
    return font;
}

SkinButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &at,
                       const QFont &font, const char *role)
{
    auto *button = new SkinButton(caption, parent);
    // Screen readers name the button by its caption, also when the caption changes.
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(at);
    button->setFont(font);
    Skin::setTag(button, role);
    return button;
}

SkinLabel *makeHeader(QWidget *parent, const QString &name, const QString &caption, const QRect &at)
{
    auto *label = new SkinLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(at);
    label->setFont(Design::font(Design::fontPoints, true));
    label->setForeColor(Design::headerText);
    Skin::setTag(label, "SkinHeaderF");
    label->widenToCaption();
    return label;
}

SkinShape *makeBand(QWidget *parent, const QString &name, const QRect &at, qint32 fill)
{
    auto *band = new SkinShape(parent);
    band->setObjectName(name);
    band->setGeometry(at);
    band->setBackColor(fill);
    band->setBorderColor(Design::outline);
    return band;
}

// The items, and the name a screen reader gives the list, come with its commands.
QComboBox *makeList(QWidget *parent, const char *name, const QRect &at)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(at);
    return list;
}

} // namespace

void frmMain::buildControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    picContainer = new SkinPanel(client);
    picContainer->setObjectName(QStringLiteral("picContainer"));
    picContainer->setBackColor(Design::surface);
    picContainer->setForeColor(Design::surfaceText);
    Skin::setTag(picContainer, "SkinBackgroundB");
    QWidget *pic = picContainer;

    shpHeaders[0]
        = makeBand(pic, QStringLiteral("shpHeaders(0)"), m_geometry.shpHeaders0, Design::header);
    Skin::setTag(shpHeaders[0], "SkinHeader");
    lblHeaders[0]
        = makeHeader(pic, QStringLiteral("lblHeaders(0)"), tr("Code Buttons"), QRect(5, 6, 85, 13));
    lblHeaders[2] = makeHeader(pic, QStringLiteral("lblHeaders(2)"), tr("Post Generator"),
                               QRect(355, 6, 98, 13));

    Line1 = new SkinLine(pic);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setGeometry(347, 0, 1, 87);
    Line1->setBorderColor(Design::outline);
    Skin::setTag(Line1, "SkinOutline");

    cmdBold = makeButton(pic, "cmdBold", QStringLiteral("B"), QRect(5, 31, 29, 22),
                         Design::font(Design::fontPoints, true), "SkinBackgroundB");
    cmdItalic = makeButton(pic, "cmdItalic", QStringLiteral("I"), QRect(36, 31, 29, 22),
                           Design::font(Design::fontPoints, false, true), "SkinBackgroundB");
    cmdUnderlined
        = makeButton(pic, "cmdUnderlined", QStringLiteral("U"), QRect(67, 31, 29, 22),
                     Design::font(Design::fontPoints, false, false, true), "SkinBackgroundB");

    cmbFont = makeList(pic, "cmbFont", QRect(101, 32, 76, 21));
    cmbSize = makeList(pic, "cmbSize", QRect(181, 32, 76, 21));
    cmbColor = makeList(pic, "cmbColor", QRect(261, 32, 76, 21));

    cmdNewsManual = makeButton(pic, "cmdNewsManual", tr("Manual"), QRect(355, 32, 65, 22),
                               buttonFont(), "SkinBackgroundB");
    cmdNewsManual->setToolTip(tr("Post generator (manual)"));
    cmdNewsAuto = makeButton(pic, "cmdNewsAuto", tr("Auto"), QRect(422, 32, 65, 22), buttonFont(),
                             "SkinBackgroundB");
    cmdNewsAuto->setToolTip(tr("Post generator (auto)"));

    cmdURL = makeButton(pic, "cmdURL", QStringLiteral("URL"), QRect(5, 60, 54, 22), buttonFont(),
                        "SkinBackgroundB");
    cmdImage = makeButton(pic, "cmdImage", tr("Image"), QRect(61, 60, 54, 22), buttonFont(),
                          "SkinBackgroundB");
    cmdEmail = makeButton(pic, "cmdEmail", tr("E-mail"), QRect(117, 60, 54, 22), buttonFont(),
                          "SkinBackgroundB");
    cmdQuote = makeButton(pic, "cmdQuote", tr("Quote"), QRect(173, 60, 54, 22), buttonFont(),
                          "SkinBackgroundB");
    cmdCode = makeButton(pic, "cmdCode", tr("Code"), QRect(229, 60, 54, 22), buttonFont(),
                         "SkinBackgroundB");
    cmdList = makeButton(pic, "cmdList", tr("List"), QRect(285, 60, 54, 22), buttonFont(),
                         "SkinBackgroundB");

    shpHeaders[1]
        = makeBand(pic, QStringLiteral("shpHeaders(1)"), m_geometry.shpHeaders1, Design::header);
    Skin::setTag(shpHeaders[1], "SkinHeader");
    lblHeaders[1]
        = makeHeader(pic, QStringLiteral("lblHeaders(1)"), tr("Post Editor"), QRect(5, 93, 71, 13));

    txtPost = new PostEdit(pic);
    txtPost->setObjectName(QStringLiteral("txtPost"));
    txtPost->setAccessibleName(tr("Post Editor"));
    txtPost->setFont(Design::font(9));
    Skin::setTag(txtPost, "SkinTextArea");
    m_decorations = new EditorDecorations(txtPost);
    m_tagLayer = new TagLayer;
    m_decorations->addLayer(m_tagLayer);
    lblLength = new PostLengthLabel(txtPost, pic);
    lblLength->setObjectName(QStringLiteral("lblLength"));
    lblLength->setFont(Design::font());
    lblLength->setForeColor(Design::headerText);
    Skin::setTag(lblLength, "SkinHeaderF");

    shpButtons
        = makeBand(pic, QStringLiteral("shpButtons"), m_geometry.shpButtons, Design::buttonArea);
    Skin::setTag(shpButtons, "SkinButton");

    cmdCopy = makeButton(pic, "cmdCopy", tr("Copy Post"), m_geometry.cmdCopy, buttonFont(),
                         "SkinButtonB");
    cmdCopy->setToolTip(tr("Copy post to the clipboard"));
    cmdCopy->setBackColor(Design::header);
    cmdPreview = makeButton(pic, "cmdPreview", tr("Preview Post"), m_geometry.cmdPreview,
                            buttonFont(), "SkinButtonB");
    cmdPreview->setBackColor(Design::header);

    // A caption longer than the design's button (a translation's) widens the button; the layout
    // centres the pair below the editor as before.
    const auto fitCaptions = [](QRect &at, const SkinButton *button, const QStringList &captions) {
        for (const QString &caption : captions)
            at.setWidth(
                std::max(at.width(), button->fontMetrics().horizontalAdvance(caption) + 12));
    };
    fitCaptions(m_geometry.cmdCopy, cmdCopy, {cmdCopy->text()});
    fitCaptions(m_geometry.cmdPreview, cmdPreview, {tr("Preview Post"), tr("Edit Post")});

    // The labels lie over their bands.
    for (SkinLabel *label : lblHeaders)
        label->raise();
    Line1->raise();

    WebBrowser = new QWidget(client);
    WebBrowser->setObjectName(QStringLiteral("WebBrowser"));
    auto *browserLayout = new QVBoxLayout(WebBrowser);
    browserLayout->setContentsMargins(0, 0, 0, 0);
    WebBrowser->hide();
    WebBrowser->raise();

    client->installEventFilter(this);
}
