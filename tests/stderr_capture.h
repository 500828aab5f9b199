#pragma once
// Collects what is written to the process's standard error (file descriptor 2, so also
// what C libraries print) for the life of the object.

#include <unistd.h>

#include <cstdio>
#include <string>

#include <QTemporaryFile>

class StderrCapture {
public:
    StderrCapture()
    {
        if (!file_.open())
            return;
        std::fflush(stderr);
        saved_ = ::dup(2);
        ::dup2(file_.handle(), 2);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    // Stops collecting and returns what was written.
    std::string text()
    {
        restore();
        file_.seek(0);
        return file_.readAll().toStdString();
    }

private:
    void restore()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved_, 2);
        ::close(saved_);
        saved_ = -1;
    }

    QTemporaryFile file_;
    int saved_ = -1;
};
