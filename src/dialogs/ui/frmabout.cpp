#include "frmabout.h"

#include "dialogs/helptargets.h"
#include "widgets/appicon.h"
#include "widgets/hyperlinklabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template<typename Control>
Control *named(Control *control, const QString &name, const QString &accessibleName)
{
    control->setObjectName(name);
    control->setAccessibleName(accessibleName);
    return control;
}

QLabel *plainLabel(const QString &text, QWidget *parent, const QString &name)
{
    // A label is named by its text, which the version line fills in later.
    auto *label = named(new QLabel(text, parent), name, QString());
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Wuxo"));
    setWindowIcon(AppIcon::icon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto *Picture1 = named(new QLabel(this), QStringLiteral("Picture1"), QStringLiteral("Wuxo"));
    Picture1->setPixmap(QPixmap(AppIcon::smallImagePath()));
    Picture1->setFixedSize(32, 32);

    auto *lblProductName
        = plainLabel(QStringLiteral("Quorvel Wuxo"), this, QStringLiteral("lblProductName"));
    QFont productFont = lblProductName->font();
    productFont.setBold(true);
    productFont.setPointSizeF(productFont.pointSizeF() * 1.25);
    lblProductName->setFont(productFont);
    lblVersion = plainLabel(tr("Version <ProductVersion>"), this, QStringLiteral("lblVersion"));

    auto *emailLabel = plainLabel(tr("E-mail:"), this, QStringLiteral("lblLabel_1"));
    auto *websiteLabel = plainLabel(tr("Website:"), this, QStringLiteral("lblLabel_0"));
    const QString linkTexts[2] = {HelpTargets::supportEmail(), HelpTargets::website()};
    for (int i = 0; i < 2; ++i) {
        lblHyperlink[i] = named(new HyperlinkLabel(linkTexts[i], this),
                                QStringLiteral("lblHyperlink_%1").arg(i), linkTexts[i]);
        connect(lblHyperlink[i], &ClickLabel::clicked, this, [this, i] { lblHyperlink_Click(i); });
    }
    emailLabel->setBuddy(lblHyperlink[0]);
    websiteLabel->setBuddy(lblHyperlink[1]);

    auto *cmdDonate
        = named(new QPushButton(tr("Donate!"), this), QStringLiteral("cmdDonate"), tr("Donate!"));
    cmdDonate->setToolTip(tr("Learn more about supporting Quorvel"));
    auto *cmdOK = named(new QPushButton(tr("OK"), this), QStringLiteral("cmdOK"), tr("OK"));
    cmdOK->setDefault(true);
    cmdOK->setMinimumWidth(80);
    cmdDonate->setMinimumWidth(80);
    connect(cmdDonate, &QPushButton::clicked, this, &frmAbout::cmdDonate_Click);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto *links = new QGridLayout;
    links->setHorizontalSpacing(8);
    links->addWidget(emailLabel, 0, 0);
    links->addWidget(lblHyperlink[0], 0, 1, Qt::AlignLeft); // a link is only as wide as its text
    links->addWidget(websiteLabel, 1, 0);
    links->addWidget(lblHyperlink[1], 1, 1, Qt::AlignLeft);

    auto *text = new QVBoxLayout;
    text->setSpacing(2);
    text->addWidget(lblProductName);
    text->addWidget(lblVersion);
    text->addSpacing(14);
    text->addLayout(links);

    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    top->addWidget(Picture1, 0, Qt::AlignTop);
    top->addLayout(text, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdDonate);
    buttons->addWidget(cmdOK);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->addLayout(top);
    layout->addSpacing(18);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(
        lblVersion->text().replace(QStringLiteral("<ProductVersion>"), HelpTargets::versionText()));
}

void frmAbout::lblHyperlink_Click(int index)
{
    // Whatever the desktop makes of a link, the About box goes on as it was.
    try {
        HelpTargets::openWithVerb(index == 0 ? HelpTargets::emailAbout() : lblHyperlink[1]->text());
    } catch (...) {
    }
}

void frmAbout::cmdDonate_Click()
{
    accept(); // the box is gone before the donation page opens
    try {
        HelpTargets::openWithVerb(HelpTargets::donate());
    } catch (...) {
    }
}
