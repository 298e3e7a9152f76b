#include "frmprefs.h"

#include "foundation/clsinifile.h"
#include "foundation/olecolor.h"
#include "foundation/platform.h"
#include "foundation/skin.h"
#include "foundation/wuxoerror.h"
#include "widgets/clicklabel.h"
#include "widgets/colorsample.h"
#include "widgets/flagcheckbox.h"
#include "widgets/skinwidgets.h"

#include <QLabel>

#include <algorithm>

namespace {

constexpr qint32 surfaceColor = 0x00F7F2EE;
constexpr qint32 headerFillColor = 0x00EBDCD1;
constexpr qint32 buttonAreaColor = 0x00EDD0BC;
constexpr qint32 headerTextColor = 0x006C4F3A;

// Positions are in twips inside the window's client area. The surface lies one
// pixel outside the client area on every side, so its children sit one pixel in.
void place(QWidget *control, int left, int top, int width, int height)
{
    constexpr int twips = PrefsFile::twipsPerPixel;
    control->setGeometry(left / twips + 1, top / twips + 1, width / twips, height / twips);
}

// A label keeps its place but grows when the font in use is wider than the one
// it was measured for, so that no caption is cut off.
void placeLabel(QLabel *label, int left, int top, int width, int height)
{
    place(label, left, top, width, height);
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
}

template<typename Control>
Control *named(Control *control, const char *name, const QString &accessibleName,
               const char *tag = nullptr)
{
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(accessibleName);
    if (tag)
        control->setProperty(Skin::tagProperty, QString::fromLatin1(tag));
    return control;
}

} // namespace

frmPrefs::frmPrefs(QWidget *mainWindow) : QDialog(mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(QStringLiteral("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(5085 / PrefsFile::twipsPerPixel, 4275 / PrefsFile::twipsPerPixel);
    buildControls();
    Form_Load();
}

void frmPrefs::buildControls()
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(8.25);
    setFont(font);
    QFont headerFont = font;
    headerFont.setBold(true);

    auto *picContainer = named(new SkinPanel(this), "picContainer", QStringLiteral("Preferences"),
                               "SkinBackgroundB");
    picContainer->setGeometry(-1, -1, 5115 / PrefsFile::twipsPerPixel,
                              4305 / PrefsFile::twipsPerPixel);
    picContainer->setBackColor(surfaceColor);

    const auto header = [&](int index, int top) {
        auto *bar = named(new SkinShape(picContainer),
                          qPrintable(QStringLiteral("shpHeaders_%1").arg(index)), QString(),
                          "SkinHeader");
        bar->setBackColor(headerFillColor);
        bar->setBorderColor(0x00FFFFFF);
        place(bar, 0, top, 5085, 390);
    };
    const auto caption = [&](int index, const QString &text, int left, int top, int width) {
        auto *label
            = named(new SkinLabel(text, picContainer),
                    qPrintable(QStringLiteral("lblCaption_%1").arg(index)), text, "SkinHeaderF");
        label->setFont(headerFont);
        label->setForeColor(headerTextColor);
        placeLabel(label, left, top, width, 195);
    };
    const auto option = [&](FlagCheckBox *&box, const char *boxName, const char *labelName,
                            const QString &text, int left, int top, int labelLeft, int labelWidth) {
        box = named(new FlagCheckBox(picContainer), boxName, text, "SkinBackground");
        QPalette colors = box->palette();
        colors.setColor(QPalette::Window, OleColor::toQColor(surfaceColor));
        box->setPalette(colors);
        box->setAutoFillBackground(true);
        place(box, left, top, 195, 195);
        auto *label = named(new ClickLabel(text, picContainer), labelName, text, "SkinBackgroundF");
        placeLabel(label, labelLeft, top, labelWidth, 195);
        FlagCheckBox *toggled = box;
        connect(label, &ClickLabel::clicked, this, [toggled] { toggled->toggleFlag(); });
    };
    const auto sample
        = [&](ColorSample *&into, const char *name, const QString &text, int left, int top) {
              into = named(new ColorSample(text, picContainer), name,
                           QStringLiteral("%1 colours").arg(text));
              place(into, left, top, 1275, 285);
          };
    const auto colorButton = [&](const char *name, const QString &text, int left, int top,
                                 qint32 SkinColors::*color, const QString &sampleText) {
        const bool background = text == u'B';
        const QString tip = background ? QStringLiteral("Choose background color")
                                       : QStringLiteral("Choose foreground color");
        auto *button = named(new SkinButton(text, picContainer), name, text, "SkinBackgroundB");
        button->setAccessibleDescription(QStringLiteral("%1: %2").arg(tip, sampleText));
        button->setToolTip(tip);
        button->setBackColor(surfaceColor);
        place(button, left, top, 270, 285);
        connect(button, &QPushButton::clicked, this, [this, color] { pickColorOf(color); });
    };
    const auto commandButton = [&](const char *name, const QString &text, int left, int top,
                                   int width, const char *tag, qint32 back) {
        auto *button = named(new SkinButton(text, picContainer), name, text, tag);
        button->setBackColor(back);
        place(button, left, top, width, 330);
        return button;
    };

    header(0, 0);
    caption(0, QStringLiteral("Copy Post"), 60, 90, 960);
    option(chkCopyMinimize, "chkCopyMinimize", "lblCopyMinimize", QStringLiteral("Minimize Wuxo"),
           120, 510, 360, 1170);
    option(chkCopyRemove, "chkCopyRemove", "lblCopyRemove", QStringLiteral("Remove 3+ line breaks"),
           2175, 510, 2430, 2010);
    option(chkCopyGotoURL, "chkCopyGotoURL", "lblCopyGotoURL", QStringLiteral("Open URL #2"), 120,
           855, 360, 1140);
    header(2, 1200);
    caption(2, QStringLiteral("Preview Post"), 60, 1290, 1260);
    option(chkPreviewBrowser, "chkPreviewBrowser", "lblPreviewBrowser",
           QStringLiteral("Use integrated browser"), 120, 1710, 360, 1995);
    header(1, 2040);
    caption(1, QStringLiteral("Wuxo Skin"), 75, 2130, 930);

    const QString main = QStringLiteral("Main");
    const QString headerText = QStringLiteral("Header");
    const QString buttonArea = QStringLiteral("Button Area");
    const QString textArea = QStringLiteral("Text Area");
    const QString line = QStringLiteral("Line");
    sample(txtColBackground, "txtColBackground", main, 120, 2550);
    colorButton("cmdColBackground", QStringLiteral("B"), 1410, 2550, &SkinColors::SkinBackgroundB,
                main);
    colorButton("cmdColBackground2", QStringLiteral("F"), 1695, 2550, &SkinColors::SkinBackgroundF,
                main);
    auto *cmdColTest = commandButton("cmdColTest", QStringLiteral("Test"), 4035, 2550, 915,
                                     "SkinBackgroundB", surfaceColor);
    sample(txtColHeader, "txtColHeader", headerText, 120, 2970);
    colorButton("cmdColHeader", QStringLiteral("B"), 1410, 2970, &SkinColors::SkinHeaderB,
                headerText);
    colorButton("cmdColHeader2", QStringLiteral("F"), 1695, 2970, &SkinColors::SkinHeaderF,
                headerText);
    sample(txtColButtonArea, "txtColButtonArea", buttonArea, 2205, 2970);
    colorButton("cmdColButtonArea", QStringLiteral("B"), 3495, 2970, &SkinColors::SkinButtonB,
                buttonArea);
    auto *cmdColDefault = commandButton("cmdColDefault", QStringLiteral("Default"), 4035, 2970, 915,
                                        "SkinBackgroundB", surfaceColor);
    sample(txtColTextArea, "txtColTextArea", textArea, 120, 3375);
    colorButton("cmdColTextArea", QStringLiteral("B"), 1410, 3375, &SkinColors::SkinTextAreaB,
                textArea);
    colorButton("cmdColTextArea2", QStringLiteral("F"), 1695, 3375, &SkinColors::SkinTextAreaF,
                textArea);
    sample(txtColOutline, "txtColOutline", line, 2205, 3375);
    colorButton("cmdColOutline", QStringLiteral("F"), 3495, 3375, &SkinColors::SkinOutlineF, line);

    auto *shpButtons = named(new SkinShape(picContainer), "shpButtons", QString(), "SkinButton");
    shpButtons->setBackColor(buttonAreaColor);
    shpButtons->setBorderColor(0x00FFFFFF);
    place(shpButtons, 0, 3825, 5085, 450);
    auto *cmdOK = commandButton("cmdOK", QStringLiteral("OK"), 1305, 3885, 1200, "SkinButtonB",
                                headerFillColor);
    auto *cmdCancel = commandButton("cmdCancel", QStringLiteral("Cancel"), 2580, 3885, 1200,
                                    "SkinButtonB", headerFillColor);

    connect(cmdColTest, &QPushButton::clicked, this, &frmPrefs::cmdColTest_Click);
    connect(cmdColDefault, &QPushButton::clicked, this, &frmPrefs::cmdColDefault_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmPrefs::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPrefs::Form_Load()
{
    m_customColors.clear();
    for (int i = 0; i < 16; ++i) {
        const int v = 15 * (i + 1);
        m_customColors.append(QColor(v, v, v));
    }

    m_values = prefs();
    chkCopyMinimize->setFlag(m_values.CopyMinimize);
    chkCopyGotoURL->setFlag(m_values.CopyGotoURL);
    chkCopyRemove->setFlag(m_values.CopyRemoveBreaks);
    chkPreviewBrowser->setFlag(m_values.PreviewIntegrated);
    showSamples();

    // A hand-edited colour of neither form stops the skin at that control; the
    // dialog still opens, and OK keeps the value as it was.
    try {
        ApplySkin(this);
    } catch (const WuxoError &) {
    }
}

void frmPrefs::showSamples()
{
    const SkinColors &colors = m_values.colors;
    txtColBackground->setBackColor(colors.SkinBackgroundB);
    txtColBackground->setForeColor(colors.SkinBackgroundF);
    txtColHeader->setBackColor(colors.SkinHeaderB);
    txtColHeader->setForeColor(colors.SkinHeaderF);
    txtColOutline->setForeColor(colors.SkinOutlineF);
    txtColOutline->setBackColor(colors.SkinHeaderB); // the outline is seen against a header
    txtColButtonArea->setBackColor(colors.SkinButtonB);
    txtColTextArea->setBackColor(colors.SkinTextAreaB);
    txtColTextArea->setForeColor(colors.SkinTextAreaF);
}

qint32 frmPrefs::PickColor(qint32 initial)
{
    const QColor start
        = OleColor::isValid(initial) ? OleColor::toQColor(initial) : QColor(Qt::black);
    const std::optional<QColor> picked = Platform::prompts().pickColor(start, m_customColors);
    if (!picked || !picked->isValid())
        return initial;
    return OleColor::fromQColor(*picked);
}

void frmPrefs::pickColorOf(qint32 SkinColors::*color)
{
    qint32 &value = m_values.colors.*color;
    value = PickColor(value);
    showSamples();
}

void frmPrefs::cmdColDefault_Click()
{
    m_values.colors = SkinColors::builtIn();
    showSamples();
}

void frmPrefs::cmdColTest_Click()
{
    try {
        ApplySkin(this, m_values.colors);
    } catch (const WuxoError &) {
    }
}

void frmPrefs::cmdOK_Click()
{
    m_values.CopyMinimize = chkCopyMinimize->flag();
    m_values.CopyGotoURL = chkCopyGotoURL->flag();
    m_values.CopyRemoveBreaks = chkCopyRemove->flag();
    m_values.PreviewIntegrated = chkPreviewBrowser->flag();
    prefs() = m_values;
    PrefsFile::writePreferences(objPrefs(), prefs());
    if (m_mainWindow) {
        try {
            ApplySkin(m_mainWindow);
        } catch (const WuxoError &) {
        }
    }
    accept();
}
