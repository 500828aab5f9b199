#pragma once
// Points the data prefix at a new temporary folder (or a folder `below` it, not yet made)
// for the life of the object, then puts the earlier prefix back.

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

class FreshPrefix {
public:
    explicit FreshPrefix(const QString &below = QString())
        : path_(below.isEmpty() ? dir_.path() : dir_.path() + '/' + below)
    {
        if (const char *old = std::getenv("TREVISTO_PREFIX"))
            saved_ = old;
        setenv("TREVISTO_PREFIX", path_.toLocal8Bit().constData(), 1);
    }
    ~FreshPrefix() { setenv("TREVISTO_PREFIX", saved_.c_str(), 1); }
    FreshPrefix(const FreshPrefix &) = delete;
    FreshPrefix &operator=(const FreshPrefix &) = delete;

    bool isValid() const { return dir_.isValid(); }
    const QString &path() const { return path_; }

private:
    QTemporaryDir dir_;
    QString path_;
    std::string saved_;
};
