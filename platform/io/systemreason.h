#pragma once
// What the system said when it refused a file operation, in the user's language and
// phrased to follow "cannot be read: " or "cannot be written: ".

#include <QString>

namespace trevisto::io {

// The reason for an errno value. Codes without a phrase of their own get the C library's
// text, first letter lowered.
QString systemReason(int error);

// The same for a text that is the C library's own text for an errno value (what QFile
// reports); any other text comes back as it is.
QString systemReasonForText(const QString &text);

} // namespace trevisto::io
