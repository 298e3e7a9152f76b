#include "flagcheckbox.h"

FlagCheckBox::FlagCheckBox(QWidget *parent) : QCheckBox(parent) { }

qint32 FlagCheckBox::flag() const
{
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void FlagCheckBox::setFlag(qint32 value)
{
    switch (value) {
    case 1:
        setCheckState(Qt::Checked);
        break;
    case 2:
        setCheckState(Qt::PartiallyChecked);
        break;
    default:
        setCheckState(Qt::Unchecked);
        break;
    }
}

void FlagCheckBox::toggleFlag()
{
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

void FlagCheckBox::nextCheckState()
{
    // The greyed state is only ever shown, never reached by clicking.
    toggleFlag();
}
