#include "closequestion.h"

#include "foundation/platform.h"

namespace CloseQuestion {

Step ask(bool postEmpty, bool postChanged)
{
    if (postEmpty || !postChanged)
        return Step::Close;
    const MessageAnswer answer = Platform::prompts().messageBox(
        QStringLiteral("Current post hasn't been copied or saved. Save before exiting?"),
        QStringLiteral("Save Draft?"), MessageIcon::None, MessageButtons::YesNoCancel);
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
