#pragma once

#include <QDialog>

class HyperlinkLabel;
class QLabel;

// The About box: the program's name and version, links to the support mail and
// the web site, and a way to the donation page.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void Form_Load();
    void lblHyperlink_Click(int index);
    void cmdDonate_Click();

    QLabel *lblVersion = nullptr;
    HyperlinkLabel *lblHyperlink[2] = {};
};
