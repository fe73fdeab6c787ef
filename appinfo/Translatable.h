#pragma once
// Marks a user-visible text of the core (which knows nothing of Qt) for Qt's
// translation tools: lupdate reads ROVAN_TR_NOOP as QT_TR_NOOP (see
// cmake/Gui.cmake), so the text's context is its enclosing namespace, and the
// GUI translates it with shell::CoreText(context, text).
#define ROVAN_TR_NOOP(text) text
