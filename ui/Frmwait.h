#pragma once
// The wait window shown while a long job runs: a caption, the busy animation and a
// progress bar the job drives. It is created once, then only shown and hidden.

#include <QWidget>

class QLabel;
class QProgressBar;
class AviPlayer;

class Frmwait : public QWidget {
    Q_OBJECT

public:
    static constexpr const char *ClipFileName = "loading.avi";

    // The job the window is shown for; its caption names it.
    enum class Job { Loading, Copying, Joining, Encoding };
    // The caption of `job`, in the language of the program's messages.
    static QString jobText(Job job);

    // `programFolder` is where the animation clip lies; empty means the executable's folder.
    explicit Frmwait(const QString &programFolder = QString(), QWidget *parent = nullptr);

    void setProgramFolder(const QString &folder) { programFolder_ = folder; }
    QString programFolder() const;

    // Percent of `delivered` against `total`; a total of 0 shows the bar as busy.
    void setProgress(quint64 delivered, quint64 total);
    void resetProgress();
    // Names `job` in the caption; the caption follows the language chosen since.
    void setJob(Job job);
    Job job() const { return job_; }

    QLabel *Label1 = nullptr;
    AviPlayer *Animation1 = nullptr;
    QProgressBar *progress = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();

    QString programFolder_;
    bool loaded_ = false;
    Job job_ = Job::Loading;
};
