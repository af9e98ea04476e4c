// The program's title: the caption of its windows and of every message box it shows.
#pragma once

namespace velquor {

inline constexpr char kProgramTitle[] = "Velquor v1.25";

}  // namespace velquor
