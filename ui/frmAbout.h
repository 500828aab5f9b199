#pragma once
// The About box: program icon, title, version and a short description. It is shown
// without an owner and without blocking; only one exists at a time.

#include <QDialog>
#include <QPointer>

class QLabel;
class QPushButton;

// What the About box names: the title and a three-part version.
struct AboutInfo {
    QString title;
    int major = 0;
    int minor = 0;
    int revision = 0;

    // From the application's display name and version, where set; otherwise the
    // program's own title and build version.
    static AboutInfo fromApplication();
};

class frmAbout : public QDialog {
    Q_OBJECT

public:
    static constexpr const char *DefaultTitle = "Trevisto MP3 Editor";

    explicit frmAbout(const AboutInfo &info = AboutInfo::fromApplication(), QWidget *parent = nullptr);
    ~frmAbout() override;

    // Shows the About box, creating it when none is open; an open one is brought forward.
    static frmAbout *showAbout(const AboutInfo &info = AboutInfo::fromApplication());
    // The open About box, if any.
    static frmAbout *instance();

    // The program icon, drawn at `size` pixels square.
    static QPixmap programIcon(int size);

    void Form_Load();

    QLabel *picIcon = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *CmdOK = nullptr;

public slots:
    // OK, Escape and the window's close button all end here.
    void done(int result) override;

private:
    AboutInfo info_;
    static QPointer<frmAbout> open_;
};
