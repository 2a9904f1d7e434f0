#pragma once

namespace quorvel {

// The language the main window shows (its language button tells which). The messages the
// program adds of its own follow it; the texts the window has always shown stay as they are.
enum class Language { German, English };

} // namespace quorvel
