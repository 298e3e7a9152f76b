#pragma once

#include <QCheckBox>

// A check box that shows a 0/1 flag, or 2 as greyed. A click, like a toggle,
// ticks a clear box and clears a ticked or greyed one.
class FlagCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit FlagCheckBox(QWidget *parent = nullptr);

    // 0 clear, 1 ticked, 2 greyed.
    qint32 flag() const;
    // A value other than 0, 1 or 2 shows the box clear.
    void setFlag(qint32 value);
    void toggleFlag();

protected:
    void nextCheckState() override;
};
