// The product's name as every program shows it: the caption of every message
// box, the text of every window, the uninstall entry's display name.
#pragma once

inline constexpr const char* kProductTitle = "ZORVANEX(version-3.1)";
