// The clip list kept between runs: listed again at start-up, and written after every
// change of the list.
#include "app/frmWriteWave.h"

#include "clips/session.h"
#include "core/routines.h"
#include "core/workingfiles.h"
#include "ui_frmWriteWave.h"

#include <QFile>

#include <cstdio>
#include <cstring>

void frmWriteWave::RestoreSession()
{
    const QString file = NativePath(WorkingFiles::Session);
    const trevisto::SessionFile read = trevisto::ReadSessionFile(file);
    if (read.damaged)
        std::fprintf(stderr, "trevisto: %s is not a clip list; the clip files in the clip folder are listed instead\n",
                     QFile::encodeName(file).constData());
    const QStringList entries = trevisto::ReconcileSession(read.names, trevisto::FilesIn(NativePath(WorkingFiles::Folder)));
    clipOrigins_ = read.origins;
    ui->List1->addItems(entries);
    if (read.damaged || entries != read.names)
        SaveSession();
    // From here on every insertion, removal and move of an entry is written at once.
    QAbstractItemModel *model = ui->List1->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &frmWriteWave::SaveSession);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &frmWriteWave::SaveSession);
    connect(model, &QAbstractItemModel::rowsMoved, this, &frmWriteWave::SaveSession);
}

void frmWriteWave::SaveSession()
{
    const QString file = NativePath(WorkingFiles::Session);
    if (const int error = trevisto::WriteSessionFile(file, ClipNames(), clipOrigins_))
        std::fprintf(stderr, "trevisto: the clip list cannot be kept in %s: %s\n", QFile::encodeName(file).constData(),
                     std::strerror(error));
}
