#pragma once
// The result of the program's own operations: success, or failure with a reason to show.
// The platform layers keep the codes of the components they stand in for; this is the
// one shape above them.

#include <QString>

#include <utility>

struct Outcome {
    bool ok = true;
    QString why; // empty on success

    static Outcome success() { return {}; }
    static Outcome failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};
