#pragma once

// What closing the main window does with the post.
namespace CloseQuestion {

enum class Step { Close, Stay, SaveThenClose };

// A post that is empty, or unchanged since it was last copied or saved, closes
// without a question. Otherwise the user is asked "Save before exiting?": Yes
// saves the draft first, No closes, Cancel keeps the window open.
Step ask(bool postEmpty, bool postChanged);

} // namespace CloseQuestion
