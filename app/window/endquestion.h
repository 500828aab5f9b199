#pragma once
// The End button's question, saying on a second line what else the end takes with it.

#include <QString>

#include <optional>

namespace trevisto {

// The question for a list of `clips` clips and, while one is written, the MP3 file
// `unfinished`: the End button deletes a list of two or more clips, and stops the file.
QString EndQuestion(int clips, const std::optional<QString> &unfinished);

} // namespace trevisto
