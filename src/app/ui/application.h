#pragma once

// What every Wuxo program sets up around its QApplication: the names its
// per-user folders go by, the style the skin is drawn in, the icon and the real
// prompts. Call setUpBeforeApplication() before the QApplication exists and
// setUpApplication() right after.
namespace Application {
void setUpBeforeApplication();
void setUpApplication();
} // namespace Application
