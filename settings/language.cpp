// Language packs.
#include "app/frmWriteWave.h"

void frmWriteWave::LoadLanguage()
{
    // The built-in captions of the form stand until language files are read.
}

void frmWriteWave::ApplyCaptions() {}
void frmWriteWave::ConnectLanguageHandlers() {}
void frmWriteWave::english_Click() {}
void frmWriteWave::german_Click() {}
void frmWriteWave::italian_Click() {}
void frmWriteWave::schinese_Click() {}
void frmWriteWave::tchinese_Click() {}
void frmWriteWave::spanish_Click() {}
void frmWriteWave::russian_Click() {}

QString frmWriteWave::TableText(const QStringList &table, int index, const QString &fallback)
{
    return index >= 0 && index < table.size() ? table.at(index) : fallback;
}
