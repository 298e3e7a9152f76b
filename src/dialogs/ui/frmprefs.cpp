#include "frmprefs.h"

#include "foundation/olecolor.h"
#include "foundation/platform.h"
#include "foundation/skin.h"
#include "foundation/wuxoerror.h"
#include "widgets/clicklabel.h"
#include "widgets/colorsample.h"
#include "widgets/flagcheckbox.h"
#include "widgets/skinwidgets.h"

namespace {

using Colors = SkinColors;

// One part of the skin in the colour grid: its sample "txtCol<name>", showing
// `back` with `fore` (nullptr: black or white, whichever reads), and a button for
// each letter of `choices`, "cmdCol<name>" then "cmdCol<name>2": B chooses `back`,
// F chooses `fore`. The first button stands 1290 twips right of the sample.
struct ColorRow
{
    const char *name;
    const char *caption;
    int left;
    int top;
    qint32 Colors::*back;
    qint32 Colors::*fore;
    const char *choices;
};

constexpr ColorRow colorRows[] = {
    {"Background", QT_TRANSLATE_NOOP("frmPrefs", "Main"), 120, 2550, &Colors::SkinBackgroundB,
     &Colors::SkinBackgroundF, "BF"},
    {"Header", QT_TRANSLATE_NOOP("frmPrefs", "Header"), 120, 2970, &Colors::SkinHeaderB,
     &Colors::SkinHeaderF, "BF"},
    {"ButtonArea", QT_TRANSLATE_NOOP("frmPrefs", "Button Area"), 2205, 2970, &Colors::SkinButtonB,
     nullptr, "B"},
    {"TextArea", QT_TRANSLATE_NOOP("frmPrefs", "Text Area"), 120, 3375, &Colors::SkinTextAreaB,
     &Colors::SkinTextAreaF, "BF"},
    // The outline is seen against a header.
    {"Outline", QT_TRANSLATE_NOOP("frmPrefs", "Line"), 2205, 3375, &Colors::SkinHeaderB,
     &Colors::SkinOutlineF, "F"},
};

// Positions are in twips inside the window's client area. The surface lies one
// pixel outside the client area on every side, so its children sit one pixel in.
void place(QWidget *control, int left, int top, int width, int height)
{
    constexpr int twips = PrefsFile::twipsPerPixel;
    control->setGeometry(left / twips + 1, top / twips + 1, width / twips, height / twips);
}

// A label keeps its place but grows when the font in use is wider than the one
// it was measured for, so that no caption is cut off.
void placeLabel(SkinLabel *label, int left, int top, int width, int height)
{
    place(label, left, top, width, height);
    label->widenToCaption();
}

template<typename Control>
Control *named(Control *control, QAnyStringView name, const QString &accessibleName,
               const char *tag = nullptr)
{
    control->setObjectName(name.toString());
    control->setAccessibleName(accessibleName);
    if (tag)
        Skin::setTag(control, tag);
    return control;
}

} // namespace

frmPrefs::frmPrefs(QWidget *mainWindow) : QDialog(mainWindow), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmPrefs"));
    setWindowTitle(tr("Preferences"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(5085 / PrefsFile::twipsPerPixel, 4275 / PrefsFile::twipsPerPixel);
    buildControls();
    Form_Load();
}

void frmPrefs::buildControls()
{
    setFont(Design::font());
    const QFont headerFont = Design::font(Design::fontPoints, true);

    auto *picContainer
        = named(new SkinPanel(this), "picContainer", tr("Preferences"), "SkinBackgroundB");
    picContainer->setGeometry(-1, -1, 5115 / PrefsFile::twipsPerPixel,
                              4305 / PrefsFile::twipsPerPixel);
    picContainer->setBackColor(Design::surface);

    const auto header = [&](int index, int top) {
        auto *bar = named(new SkinShape(picContainer),
                          qPrintable(QStringLiteral("shpHeaders_%1").arg(index)), QString(),
                          "SkinHeader");
        bar->setBackColor(Design::header);
        bar->setBorderColor(Design::outline);
        place(bar, 0, top, 5085, 390);
    };
    const auto caption = [&](int index, const QString &text, int left, int top, int width) {
        auto *label
            = named(new SkinLabel(text, picContainer),
                    qPrintable(QStringLiteral("lblCaption_%1").arg(index)), text, "SkinHeaderF");
        label->setFont(headerFont);
        label->setForeColor(Design::headerText);
        placeLabel(label, left, top, width, 195);
    };
    const auto option = [&](FlagCheckBox *&box, const char *boxName, const char *labelName,
                            const QString &text, int left, int top, int labelLeft, int labelWidth) {
        box = named(new FlagCheckBox(picContainer), boxName, text, "SkinBackground");
        QPalette colors = box->palette();
        colors.setColor(QPalette::Window, OleColor::toQColor(Design::surface));
        box->setPalette(colors);
        box->setAutoFillBackground(true);
        place(box, left, top, 195, 195);
        auto *label = named(new ClickLabel(text, picContainer), labelName, text, "SkinBackgroundF");
        placeLabel(label, labelLeft, top, labelWidth, 195);
        FlagCheckBox *toggled = box;
        connect(label, &ClickLabel::clicked, this, [toggled] { toggled->toggleFlag(); });
    };
    const auto colorRow = [&](const ColorRow &row) {
        const QString text = tr(row.caption);
        const QByteArray name(row.name);
        m_samples.append(named(new ColorSample(text, picContainer), "txtCol" + name,
                               tr("%1 colours").arg(text)));
        place(m_samples.last(), row.left, row.top, 1275, 285);
        for (int i = 0; row.choices[i]; ++i) {
            const bool background = row.choices[i] == 'B';
            const QString letter = background ? tr("B", "the button choosing a background colour")
                                              : tr("F", "the button choosing a foreground colour");
            const QString tip
                = background ? tr("Choose background color") : tr("Choose foreground color");
            auto *button = named(new SkinButton(letter, picContainer),
                                 "cmdCol" + name + (i ? "2" : ""), letter, "SkinBackgroundB");
            button->setAccessibleDescription(tr("%1: %2").arg(tip, text));
            button->setToolTip(tip);
            button->setBackColor(Design::surface);
            place(button, row.left + 1290 + 285 * i, row.top, 270, 285);
            qint32 SkinColors::*color = background ? row.back : row.fore;
            connect(button, &QPushButton::clicked, this, [this, color] { pickColorOf(color); });
        }
    };
    const auto commandButton = [&](const char *name, const QString &text, int left, int top,
                                   int width, const char *tag, qint32 back) {
        auto *button = named(new SkinButton(text, picContainer), name, text, tag);
        button->setBackColor(back);
        place(button, left, top, width, 330);
        return button;
    };

    header(0, 0);
    caption(0, tr("Copy Post"), 60, 90, 960);
    option(chkCopyMinimize, "chkCopyMinimize", "lblCopyMinimize", tr("Minimize Wuxo"), 120, 510,
           360, 1170);
    option(chkCopyRemove, "chkCopyRemove", "lblCopyRemove", tr("Remove 3+ line breaks"), 2175, 510,
           2430, 2010);
    option(chkCopyGotoURL, "chkCopyGotoURL", "lblCopyGotoURL", tr("Open URL #2"), 120, 855, 360,
           1140);
    header(2, 1200);
    caption(2, tr("Preview Post"), 60, 1290, 1260);
    option(chkPreviewBrowser, "chkPreviewBrowser", "lblPreviewBrowser",
           tr("Use integrated browser"), 120, 1710, 360, 1995);
    header(1, 2040);
    caption(1, tr("Wuxo Skin"), 75, 2130, 930);

    colorRow(colorRows[0]);
    auto *cmdColTest = commandButton("cmdColTest", tr("Test"), 4035, 2550, 915, "SkinBackgroundB",
                                     Design::surface);
    colorRow(colorRows[1]);
    colorRow(colorRows[2]);
    auto *cmdColDefault = commandButton("cmdColDefault", tr("Default"), 4035, 2970, 915,
                                        "SkinBackgroundB", Design::surface);
    colorRow(colorRows[3]);
    colorRow(colorRows[4]);

    auto *shpButtons = named(new SkinShape(picContainer), "shpButtons", QString(), "SkinButton");
    shpButtons->setBackColor(Design::buttonArea);
    shpButtons->setBorderColor(Design::outline);
    place(shpButtons, 0, 3825, 5085, 450);
    auto *cmdOK = commandButton("cmdOK", tr("OK"), 1305, 3885, 1200, "SkinButtonB", Design::header);
    auto *cmdCancel
        = commandButton("cmdCancel", tr("Cancel"), 2580, 3885, 1200, "SkinButtonB", Design::header);

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
    for (qsizetype i = 0; i < m_samples.size(); ++i) {
        const ColorRow &row = colorRows[i];
        m_samples.at(i)->setBackColor(m_values.colors.*row.back);
        if (row.fore)
            m_samples.at(i)->setForeColor(m_values.colors.*row.fore);
    }
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
