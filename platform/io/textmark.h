#pragma once
// Marks a text that a layer without Qt hands up to be shown to the user. The layer above
// shows it through QCoreApplication::translate(context, text), and the translation tool
// finds the text by this mark. The layers that include Qt get Qt's own definition, which
// is the same.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
