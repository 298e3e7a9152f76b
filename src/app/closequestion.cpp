#include "closequestion.h"

#include "foundation/platform.h"

#include <QCoreApplication>

namespace CloseQuestion {

Step ask(bool postEmpty, bool postChanged)
{
    if (postEmpty || !postChanged)
        return Step::Close;
    const MessageAnswer answer = Platform::prompts().messageBox(
        QCoreApplication::translate(
            "CloseQuestion", "Current post hasn't been copied or saved. Save before exiting?"),
        QCoreApplication::translate("CloseQuestion", "Save Draft?"), MessageIcon::None,
        MessageButtons::YesNoCancel);
    switch (answer) {
    case MessageAnswer::Cancel:
        return Step::Stay;
    case MessageAnswer::Yes:
        return Step::SaveThenClose;
    default:
        return Step::Close;
    }
}

} // namespace CloseQuestion
