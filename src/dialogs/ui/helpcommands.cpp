#include "helpcommands.h"

#include "dialogs/helptargets.h"

HelpCommands::HelpCommands(QObject *parent) : QObject(parent) { }

void HelpCommands::mnuHelpReadMe_Click()
{
    HelpTargets::openDefault(HelpTargets::readMe());
}

void HelpCommands::mnuHelpUpdate_Click()
{
    HelpTargets::openDefault(HelpTargets::update());
}

void HelpCommands::mnuHelpWebQuorvel_Click()
{
    HelpTargets::openDefault(HelpTargets::website());
}

void HelpCommands::mnuHelpWebForums_Click()
{
    HelpTargets::openDefault(HelpTargets::forums());
}

void HelpCommands::mnuHelpWebEmail_Click()
{
    HelpTargets::openDefault(HelpTargets::emailMenu());
}

void HelpCommands::mnuHelpDonate_Click()
{
    HelpTargets::openWithVerb(HelpTargets::donate());
}
